#include "ui/support/UiTest.h"

#include <QApplication>
#include <QPushButton>

#include "platform/Form.h"
#include "platform/OpenDialog.h"
#include "platform/Program.h"
#include "ui/app/Forms.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/support/TestPrinter.h"

namespace strelvan::test {

void UiTest::SetUp() {
    app = std::make_unique<AppContext>();
    RegisterForms(app->windows);
    Form::SetModalBlocking(false);
    platform::SetMessageResponder([this](const Message& m) {
        messages.push_back(m);
        if (answers_.empty())
            return platform::MsgAnswer::Ok;
        const auto a = answers_.front();
        answers_.pop_front();
        return a;
    });
    platform::SetOpenDialogResponder(
        [this](const platform::OpenDialogRequest& r) -> std::optional<QString> {
            openDialogFilters.push_back(r.filter);
            if (openAnswers_.empty())
                return std::nullopt;
            const QString path = openAnswers_.front();
            openAnswers_.pop_front();
            if (path.isNull())
                return std::nullopt;
            return path;
        });
    platform::SetEndProgramHook([this] { ++endProgramCalls; });
    printed = PrintToImages(50); // no test prints on paper
}

void UiTest::TearDown() {
    app.reset();
    ProcessEvents();
    platform::SetMessageResponder({});
    platform::SetOpenDialogResponder({});
    platform::SetEndProgramHook({});
    RestorePrinters();
    platform::SetMousePointer(platform::MousePointer::Default);
}

void UiTest::ExpectElevationRefused() const {
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " Elevation data was not entered in Project Information Form ");
    EXPECT_EQ(messages[0].title, " Data Plot Message");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
}

void UiTest::ProcessEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool UiTest::ReadThroughFileWindow(const QString& path) {
    auto& file = Window<Frm_OpenFile>();
    file.Show();
    AnswerNextOpenDialog(path);
    file.findChild<QPushButton*>("CmdOpenFile")->click();
    if (Decl().importSettings.ImportError != 0)
        return false;
    file.findChild<QPushButton*>("CmdPlot")->click();
    return Window<Frm_Titles>().isVisible();
}

void UiTest::AnswerNextMessages(std::initializer_list<platform::MsgAnswer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

void UiTest::AnswerNextOpenDialog(std::optional<QString> path) {
    openAnswers_.push_back(path ? *path : QString());
}

QString ProjectFile(const QString& relative) {
    return QStringLiteral(STRELVAN_SOURCE_DIR "/") + relative;
}

QString RealSounding(const QString& fileName) {
    return QStringLiteral(STRELVAN_REAL_DATA_DIR "/") + fileName;
}

} // namespace strelvan::test
