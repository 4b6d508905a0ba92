// What the probabilistic and fuzzy result windows work out before they draw: the legend-box
// width, the top of the membership axis, the second half of the layer clean-up, and the
// message about layers that could not be graded.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/charts/CurveChartScale.h"
#include "engine/classification/LayerClassification.h"
#include "engine/classification/UnclassifiedLayers.h"

using namespace strelvan;

TEST(LegendBoxWidth, TwiceAndAThirdTheTwipsPerPixelRoundedHalfToEven) {
    EXPECT_EQ(LegendBoxWidth(15), 34); // 34.5
    EXPECT_EQ(LegendBoxWidth(12), 28); // 27.6
    EXPECT_EQ(LegendBoxWidth(25), 57); // 2.3 x 25 is 57.4999... in double
    EXPECT_EQ(LegendBoxWidth(1), 2);   // 2.3
    EXPECT_EQ(LegendBoxWidth(0), 0);
    EXPECT_EQ(LegendBoxWidth(-15), 0);
    EXPECT_EQ(LegendBoxWidth(std::nan("")), 0);
    EXPECT_EQ(LegendBoxWidth(1e9), 32767);
}

TEST(MembershipAxisMax, LargestSumOverLayersOneToNumLayers) {
    ClassResults r;
    r.MuHPS = {9, 0.2f, 0.0f, 1.0f};
    r.MuHPM = {9, 0.9f, 0.1f, 0.4f};
    r.MuHPC = {9, 0.3f, 1.0f, 0.0f};
    EXPECT_FLOAT_EQ(MembershipAxisMax(r, 3), 1.4f); // layer 1; layer 0 does not count
    EXPECT_FLOAT_EQ(MembershipAxisMax(r, 2), 1.4f);
    EXPECT_FLOAT_EQ(MembershipAxisMax(r, 9), 1.4f) << "never past the arrays";
    EXPECT_EQ(MembershipAxisMax(r, 0), 0.0f);
    EXPECT_EQ(MembershipAxisMax(ClassResults{}, 5), 0.0f);
}

TEST(LayerCleanUp, RatioAndElevationLeaveTipAndSleeveAlone) {
    LayerGrid g;
    g.NumLayers = 2;
    g.LayerDepth = {0, 1.0f, 2.0f};
    g.LayerQc = {0, 1.0241f, 50.0f};
    g.LayerFs = {0, 0.3f, 0.5f};
    g.LayerRatio = {7, 29.29f, 1.0f};
    g.LayerElev = {7, 0, 0};
    UpdateRatioAndElevation(g, kNoElevation);
    EXPECT_EQ(g.LayerRatio[1], 20.0f);
    EXPECT_EQ(g.LayerRatio[2], 0.5f / 50.0f * 100.0f);
    EXPECT_EQ(g.LayerElev[2], 0.0f) << "no ground elevation";
    UpdateRatioAndElevation(g, 8.5f);
    EXPECT_EQ(g.LayerElev[1], 7.5f);
    EXPECT_EQ(g.LayerQc[1], 1.0241f);
    EXPECT_EQ(g.LayerRatio[0], 7.0f);
    EXPECT_EQ(g.LayerElev[0], 7.0f);
}

TEST(UnclassifiedLayers, TheUserIsToldTheZerosAreNoEstimate) {
    EXPECT_FALSE(UnclassifiedLayersMessage(0, IndexGrades::Probabilities));
    const auto one = UnclassifiedLayersMessage(1, IndexGrades::Probabilities);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->text, " 1 soil layer was not classified: qc and the friction ratio give no "
                         "soil classification index there.. It is shown with 0 % sand, 0 % silt "
                         "and 0 % clay, which is no estimate of the soil. ");
    EXPECT_EQ(one->title, " Soil Layer Message");
    EXPECT_EQ(one->icon, MsgIcon::Exclamation);
    const auto three = UnclassifiedLayersMessage(3, IndexGrades::Memberships);
    ASSERT_TRUE(three);
    EXPECT_EQ(three->text.rfind(" 3 soil layers were not classified", 0), 0u);
    EXPECT_NE(three->text.find("They are shown with the memberships HPS, HPM and HPC at 0"),
              std::string::npos);
}
