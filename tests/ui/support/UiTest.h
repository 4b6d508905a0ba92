#pragma once
// Fixture of the window tests: a fresh AppContext with every window registered, message
// boxes and the open dialog answered by the test, modal windows that do not block, and
// the end of the program recorded instead of done.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "engine/state/Message.h"
#include "platform/AppContext.h"
#include "platform/MessageBox.h"

namespace strelvan::test {

struct PrintedImages;

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Declarations& Decl() { return app->decl; }
    template <class F> F& Window() { return app->windows.Get<F>(); }

    // Lets queued events (deferred deletes, timers due now) run.
    static void ProcessEvents();

    // The first steps of a sounding as a user takes them: the file window reads the file
    // chosen in the open dialog (with the window's title lines and units), and Plot Cone
    // Data shows the project form. True when the read succeeded and the form is on show.
    bool ReadThroughFileWindow(const QString& path);

    // Answers for the coming message boxes, in order; when none is queued, boxes are
    // answered Ok.
    void AnswerNextMessages(std::initializer_list<platform::MsgAnswer> answers);
    // Answers for the coming open dialogs: a path, or nullopt for Cancel. When none is
    // queued, the dialog is cancelled.
    void AnswerNextOpenDialog(std::optional<QString> path);
    // The one box shown so far is the refusal of the depth/elevation switch of a sounding
    // without a ground elevation.
    void ExpectElevationRefused() const;

    std::unique_ptr<AppContext> app;
    std::vector<Message> messages;          // every box shown, in order
    std::vector<QString> openDialogFilters; // every open dialog shown, its filter
    int endProgramCalls = 0;
    std::shared_ptr<PrintedImages> printed; // every page printed, as images of 50 dpi

private:
    std::deque<platform::MsgAnswer> answers_;
    std::deque<QString> openAnswers_; // a null string cancels
};

// Path of a file of the project (samples/..., tests/data/...).
QString ProjectFile(const QString& relative);
// Path of one of the eight real public soundings (tests/data/real, m and MPa).
QString RealSounding(const QString& fileName);

} // namespace strelvan::test
