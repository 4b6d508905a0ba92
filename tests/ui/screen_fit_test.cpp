// Windows as they open on a laptop screen of 1366 x 768 (screen_fit_test.screen.json); the
// cases are those of every screen (support/WindowsOnScreen.h).
#include "ui/support/WindowsOnScreen.h"

using namespace strelvan;
using strelvan::test::OnScreen;

TEST_F(OnScreen, RunsOnTheLaptopScreen) {
    EXPECT_EQ(area.size(), QSize(1366, 768))
        << "the test runs on its own screen, screen_fit_test.screen.json";
}

// On this screen the long particulars are cut: each cut box shows its start, and its whole
// text as its tool tip.
TEST_F(OnScreen, LongParticularsAreCutToTheirStartWithTheWholeTextAsToolTip) {
    EXPECT_GT(ProjectBoxesOfTheThreeWindows(), 0);
    const auto& profile = *app->windows.FindAs<Frm_CPTData3>();
    EXPECT_EQ(S(profile.TxtTitle->toolTip()), Decl().project.ProjTitle);
}
