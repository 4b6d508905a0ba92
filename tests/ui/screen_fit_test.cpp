// Windows as they open on a laptop screen of 1366 x 768 (the option --screen=laptop), where
// the project particulars do not fit their boxes. The cases of every screen are in
// windows_on_screen_test.
#include "ui/support/WindowsOnScreen.h"

using namespace strelvan;

namespace {
class ScreenFit : public test::OnScreen {};
} // namespace

TEST_F(ScreenFit, RunsOnTheLaptopScreen) {
    EXPECT_EQ(area.size(), QSize(1366, 768))
        << "the test runs on the laptop screen: --screen=laptop";
}

// On this screen the long particulars are cut: each cut box shows its start, and its whole
// text as its tool tip.
TEST_F(ScreenFit, LongParticularsAreCutToTheirStartWithTheWholeTextAsToolTip) {
    EXPECT_GT(ProjectBoxesOfTheThreeWindows(), 0);
    const auto& profile = *app->windows.FindAs<Frm_CPTData3>();
    EXPECT_EQ(S(profile.TxtTitle->toolTip()), Decl().project.ProjTitle);
}
