// The keys of the dialogs as a desktop user presses them, on a screen of 1920 x 1080.
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

#include "platform/Toolbar.h"
#include "ui/app/Frm_About.h"
#include "ui/import/Frm_ConeFactors.h"
#include "ui/support/WindowsOnScreen.h"

using namespace strelvan;
using strelvan::test::OnScreen;

namespace {

using platform::MsgAnswer;

// The keys a user presses in the dialogs: Enter presses the default button (or the button that
// has the focus), Escape cancels; a list that is open takes the key first.
class DialogKeys : public OnScreen {
protected:
    // A key pressed while the window has the input focus: the window system hands it to the
    // window's focused control, or to a list that is open, which holds the keyboard.
    void Press(QWidget& window, Qt::Key key) {
        QWidget* popup = QApplication::activePopupWidget();
        QWindow* target = popup != nullptr ? popup->windowHandle() : window.windowHandle();
        ASSERT_NE(target, nullptr) << S(window.objectName());
        QTest::keyClick(target, key);
        ProcessEvents();
    }
    bool OnShow(const char* name) {
        const Form* w = app->windows.Find(name);
        return w != nullptr && w->isVisible();
    }
    // Opens the list of a drop-down box, as a click on its arrow does.
    static void OpenList(QComboBox& box) {
        box.showPopup();
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    }
};

} // namespace

TEST_F(DialogKeys, RunOnTheDesktopScreen) {
    EXPECT_EQ(area.size(), QSize(1920, 1080));
}

// A millivolt sounding from the project form to a result window with the keyboard alone.
TEST_F(DialogKeys, EnterAndEscapeLeadFromTheProjectFormToTheResultWindow) {
    app->windows.Show("Frm_OpenFile");
    app->windows.Find("Frm_OpenFile")->findChild<QRadioButton*>("Opt_Units(0)")->click();
    ASSERT_TRUE(ReadThroughFileWindow(test::ProjectFile("samples/STV-03-millivolt-tab.txt")));
    messages.clear(); // the read's report
    auto& titles = Window<Frm_Titles>();

    // Enter in a project box presses OK: a bad elevation is refused as by a click.
    titles.cmbTitle[5]->setEditText("twelve");
    titles.cmbTitle[5]->setFocus();
    Press(titles, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " Data Entry Error in 'Ground Elevation'.. Please ReEnter ");
    titles.cmbTitle[5]->setEditText("12.5");
    Press(titles, Qt::Key_Enter); // the keypad's Enter
    ExpectOpenedOn("Frm_ConeFactors", titles);

    // Escape in the cone factors cancels: still millivolts, the project form on show.
    auto& factors = Window<Frm_ConeFactors>();
    Press(factors, Qt::Key_Escape);
    EXPECT_FALSE(OnShow("Frm_ConeFactors"));
    EXPECT_EQ(Decl().importSettings.UnitsOption, 0);
    EXPECT_TRUE(titles.isVisible());

    // Enter again, then Enter in the tip factor box: Continue converts and plots.
    Press(titles, Qt::Key_Return);
    auto& again = Window<Frm_ConeFactors>();
    ASSERT_TRUE(again.isVisible());
    again.TxtFactor[0]->setFocus();
    Press(again, Qt::Key_Return);
    EXPECT_FALSE(OnShow("Frm_ConeFactors"));
    EXPECT_EQ(Decl().importSettings.UnitsOption, 1);
    ASSERT_TRUE(OnShow("Frm_CPTData3"));
    auto& profile = *app->windows.FindAs<Frm_CPTData3>();

    // The selection: Escape goes Back, and so does Enter on the focused Back button.
    profile.munSubCS[1]->trigger();
    Press(*app->windows.Find("Frm_Select"), Qt::Key_Escape);
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Select"));
    profile.munSubCS[1]->trigger();
    auto* select = app->windows.FindAs<Frm_Select>();
    select->findChild<QPushButton*>("CmdCancel")->setFocus();
    Press(*select, Qt::Key_Return);
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Select"));
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Tumay02"));

    // An open thickness list takes Down and Enter (4 ft is picked); then Enter presses Next.
    profile.munSubCS[1]->trigger();
    select = app->windows.FindAs<Frm_Select>();
    auto* thickness = select->findChild<QComboBox*>("ComboThick");
    OpenList(*thickness);
    Press(*select, Qt::Key_Down);
    Press(*select, Qt::Key_Return);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(thickness->currentText(), "4");
    EXPECT_EQ(Decl().selection.PointsPerLayer, 12);
    EXPECT_TRUE(select->isVisible());
    Press(*select, Qt::Key_Return);
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Select"));
    EXPECT_TRUE(OnShow("Frm_Tumay02"));
    EXPECT_EQ(Decl().selection.PointsPerLayer, 12);
    EXPECT_EQ(messages.size(), 1u);
}

// The comment box takes Enter as a new line and an open list takes it as its pick; Escape
// cancels the form and the file window comes back.
TEST_F(DialogKeys, ProjectFormKeepsEnterForItsCommentAndItsListsAndEscapeCancels) {
    app->windows.Show("Frm_OpenFile");
    ASSERT_TRUE(ReadThroughFileWindow(test::ProjectFile("samples/STV-01-ft-tsf-comma.txt")));
    messages.clear(); // the read's report
    auto& titles = Window<Frm_Titles>();
    titles.TxtComment->setPlainText("first");
    titles.TxtComment->moveCursor(QTextCursor::End);
    titles.TxtComment->setFocus();
    Press(titles, Qt::Key_Return);
    EXPECT_EQ(titles.TxtComment->toPlainText(), "first\n");
    EXPECT_TRUE(titles.isVisible());

    QComboBox& date = *titles.cmbTitle[9]; // offers today's date
    ASSERT_EQ(date.count(), 1);
    date.setFocus();
    OpenList(date);
    Press(titles, Qt::Key_Return);
    EXPECT_EQ(date.currentText(), date.itemText(0));
    EXPECT_TRUE(titles.isVisible());
    EXPECT_FALSE(OnShow("Frm_CPTData3"));

    // Escape cancels: the form goes with the sounding, instance and all.
    QPointer<Frm_Titles> cancelled = &titles;
    Press(titles, Qt::Key_Escape);
    EXPECT_TRUE(cancelled.isNull() || !cancelled->IsLoaded());
    EXPECT_TRUE(OnShow("Frm_OpenFile"));
    EXPECT_FALSE(OnShow("Frm_CPTData3"));
    EXPECT_TRUE(messages.empty());
}

// The soil factors have no Cancel: Escape closes them as their close box does.
TEST_F(DialogKeys, SoilFactorsTakeEnterForOkAndEscapeCloses) {
    SoundingOfLayers(40);
    app->windows.Show("Frm_CPTData3");
    auto& profile = *app->windows.FindAs<Frm_CPTData3>();
    ChooseModulus(profile);
    Press(Window<Frm_SoilFactors>(), Qt::Key_Escape);
    EXPECT_FALSE(app->windows.IsLoaded("Frm_SoilFactors"));
    EXPECT_FALSE(app->windows.IsLoaded("Frm_PlotProperties"));

    ChooseModulus(profile);
    auto& factors = Window<Frm_SoilFactors>();
    factors.TextPhi->setText("30");
    factors.TextPhi->setFocus();
    Press(factors, Qt::Key_Return);
    EXPECT_FALSE(app->windows.IsLoaded("Frm_SoilFactors"));
    EXPECT_TRUE(OnShow("Frm_PlotProperties"));
    EXPECT_NEAR(Decl().props.Phi[1], 0.5235988f, 1e-6f);
    EXPECT_TRUE(messages.empty());
}

TEST_F(DialogKeys, AboutClosesOnEnterAndOnEscape) {
    app->windows.Show("Frm_OpenFile");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key == Qt::Key_Return ? "Enter" : "Escape");
        app->windows.Find("Frm_OpenFile")
            ->findChild<platform::Toolbar*>("Toolbar1")
            ->ButtonByKey("About")
            ->trigger();
        ASSERT_TRUE(OnShow("Frm_About"));
        Press(Window<Frm_About>(), key);
        EXPECT_EQ(app->windows.Find("Frm_About"), nullptr); // OK releases the window
        EXPECT_TRUE(OnShow("Frm_OpenFile"));
    }
}
