// Windows as a desktop user meets them, the same on every screen the tests run on (a desktop
// screen of 1920 x 1080, and a laptop screen of 1366 x 768): every window lies whole within the
// available area, a read-only box shows its text from the first character, and a window opened
// by another opens centred on it, owned by it.
#include "ui/support/WindowsOnScreen.h"

using namespace strelvan;
using strelvan::test::OnScreen;

namespace strelvan::test {

TEST_F(OnScreen, ProjectFormShowsEightyCharacterTitleLinesWhole) {
    const QString line = QString(79, QLatin1Char('x')) + QLatin1Char('|');
    Decl().importSettings.HeaderText = line.toStdString() + "\r\nSecond title\r\n";
    Window<Frm_Titles>().Show();
    ProcessEvents();
    ExpectWhole("Frm_Titles");
    const QPlainTextEdit& comment = *Window<Frm_Titles>().TxtComment;
    const int margins = 2 * static_cast<int>(comment.document()->documentMargin());
    EXPECT_GE(comment.viewport()->width() - margins,
              QFontMetrics(comment.font()).horizontalAdvance(line));
}

// The project boxes of the three windows that show them; a box given the same text again (a
// window loaded again on the same project) still shows its start.
TEST_F(OnScreen, ProjectBoxesShowTheirTextFromTheFirstCharacter) {
    ProjectBoxesOfTheThreeWindows();
    QLineEdit& title = *app->windows.FindAs<Frm_CPTData3>()->TxtTitle;
    title.setText(title.text());
    ExpectShownFromStart(title);
}

// Cut at the last reading, the profile window's depth list ends in a depth of many digits, and
// its elevation list in a negative one: the depth box shows each whole.
TEST_F(OnScreen, DepthBoxShowsEveryDepthOfItsListWhole) {
    Sounding(65.5f);
    ConeData& cone = Decl().cone;
    cone.Depth[static_cast<std::size_t>(cone.NumPoints)] = 65.51837f;
    Decl().project.GroundElev = 12.5f;
    app->windows.Show("Frm_CPTData3");
    ProcessEvents();
    auto& profile = *app->windows.FindAs<Frm_CPTData3>();
    ExpectWhole(profile);
    QComboBox& combo = *profile.Combo1;
    for (const char* last : {"65.51837", "-53.01837"}) {
        SCOPED_TRACE(last);
        ASSERT_EQ(combo.count(), 8);
        EXPECT_EQ(combo.itemText(7), last);
        EXPECT_TRUE(combo.isVisible());
        for (int i = 0; i < combo.count(); ++i) {
            combo.setCurrentIndex(i);
            ExpectShownFromStart(*combo.lineEdit());
        }
        Click(profile, "YAxis"); // the elevations
        ProcessEvents();
    }
}

TEST_F(OnScreen, ProfileResultAndManualWindowsFitTheScreen) {
    SoundingOfLayers(40);
    app->windows.Show("Frm_CPTData3");
    ProcessEvents();
    ExpectWhole("Frm_CPTData3");
    auto& result = Open<Frm_Tumay02>("0 1 3 4");
    Click(result, "Next"); // the manual layer editor
    ExpectWhole("Frm_Tumay02");
    ExpectOpenedOn("Frm_Manual", result);
}

// From the profile window through the selection to a result window, its printer choice, and
// Back to the selection; the soil factors and the property window: each dialog opens on the
// window it was opened from.
TEST_F(OnScreen, DialogsOpenCentredOnTheWindowThatOpenedThem) {
    SoundingOfLayers(40);
    Decl().project.GroundElev = 12.5f;
    app->windows.Show("Frm_CPTData3");
    ProcessEvents();
    auto& profile = *app->windows.FindAs<Frm_CPTData3>();
    profile.munSubCS[1]->trigger();
    ExpectOpenedOn("Frm_Select", profile);

    auto* result = ClassifyThroughSelection<Frm_Tumay02>(2);
    ASSERT_TRUE(result != nullptr && result->isVisible());
    Click(*result, "Export");
    ExpectOpenedOn("Frm_Export", *result);
    app->windows.Unload("Frm_Export");

    // Back closes the result window: the selection opens where it stood, owned by none.
    const QRect stood = result->frameGeometry();
    Click(*result, "Back");
    ProcessEvents();
    ASSERT_FALSE(result->isVisible());
    auto* select = app->windows.FindAs<Frm_Select>();
    ASSERT_TRUE(select != nullptr && select->isVisible());
    EXPECT_NEAR(select->frameGeometry().center().x(), stood.center().x(), 1);
    EXPECT_NEAR(select->frameGeometry().center().y(), stood.center().y(), 1);
    EXPECT_EQ(select->windowHandle()->transientParent(), nullptr);

    // The soil factors open on the profile window, the property window on their OK, and the
    // soil factors again on the property window's Back, where it stood.
    select->findChild<QPushButton*>("CmdCancel")->click();
    ChooseModulus(profile);
    ExpectOpenedOn("Frm_SoilFactors", profile);
    Window<Frm_SoilFactors>().OK->click();
    ProcessEvents();
    auto* properties = app->windows.FindAs<Frm_PlotProperties>();
    ASSERT_TRUE(properties != nullptr && properties->isVisible());
    ExpectWhole(*properties);
    Click(*properties, "Export");
    ExpectOpenedOn("Frm_Export", *properties);
    app->windows.Unload("Frm_Export");
    const QRect stoodHere = properties->frameGeometry();
    Click(*properties, "Back");
    ProcessEvents();
    auto* factors = app->windows.FindAs<Frm_SoilFactors>();
    ASSERT_TRUE(factors != nullptr && factors->isVisible());
    EXPECT_NEAR(factors->frameGeometry().center().x(), stoodHere.center().x(), 1);
    EXPECT_NEAR(factors->frameGeometry().center().y(), stoodHere.center().y(), 1);
}

// The user moved the profile window down to the corner of the screen: the selection opens
// as near its centre as the screen allows, whole.
TEST_F(OnScreen, AWindowOpenedNearTheEdgeStaysWholeOnTheScreen) {
    SoundingOfLayers(40);
    app->windows.Show("Frm_CPTData3");
    ProcessEvents();
    auto& profile = *app->windows.FindAs<Frm_CPTData3>();
    for (const QPoint corner : {area.bottomRight() - QPoint(200, 120), area.topLeft()}) {
        profile.move(corner);
        ProcessEvents();
        profile.munSubCS[2]->trigger();
        ExpectOpenedOn("Frm_Select", profile);
        app->windows.Find("Frm_Select")->findChild<QPushButton*>("CmdCancel")->click();
        ProcessEvents();
    }
}

} // namespace strelvan::test
