#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/charts/ProfileReadings.h"

using namespace strelvan;

namespace {
// A sounding of the given depths, every reading qc 50 and fs 1.
std::unique_ptr<ConeData> Sounding(const std::vector<float>& depths) {
    auto cone = std::make_unique<ConeData>();
    cone->NumPoints = static_cast<int16_t>(depths.size());
    for (std::size_t k = 0; k < depths.size(); ++k) {
        cone->Depth[k + 1] = depths[k];
        cone->Qc[k + 1] = 50;
        cone->Fs[k + 1] = 1;
    }
    return cone;
}

using List = std::vector<std::string>;
} // namespace

TEST(CleanReadings, TipFrictionRatioAndMaxima) {
    auto cone = Sounding({1, 2, 3, 4, 5, 6});
    cone->Qc[1] = 0; // qc 0 -> 1, ratio with 1
    cone->Fs[1] = 0.1f;
    cone->Qc[2] = -3; // negative qc -> 1
    cone->Fs[2] = 0.5f;
    cone->Fs[3] = -0.2f; // negative fs -> 0, ratio 0
    cone->Qc[4] = 10;    // ratio exactly 20 stays
    cone->Fs[4] = 2;
    cone->Qc[5] = 10; // 20.1 becomes 20
    cone->Fs[5] = 2.01f;
    cone->Qc[6] = 120;
    cone->Fs[6] = 3;
    ProjectInfo project; // no ground elevation
    const ReadingMaxima m = CleanReadings(*cone, project);
    EXPECT_EQ(cone->Qc[1], 1);
    EXPECT_FLOAT_EQ(cone->Ratio[1], 10.0f);
    EXPECT_EQ(cone->Qc[2], 1);
    EXPECT_EQ(cone->Ratio[2], kRatioCap); // 50 %, capped
    EXPECT_EQ(cone->Fs[3], 0);
    EXPECT_EQ(cone->Ratio[3], 0);
    EXPECT_EQ(cone->Ratio[4], 20.0f);
    EXPECT_EQ(cone->Ratio[5], 20.0f);
    EXPECT_FLOAT_EQ(cone->Ratio[6], 2.5f);
    EXPECT_EQ(cone->Elev[1], 0); // untouched without a ground elevation
    EXPECT_EQ(m.MaxQc, 120);
    EXPECT_EQ(m.MaxFs, 3);
    EXPECT_EQ(m.MaxRatio, 20);
    // The ratio is the quotient rounded once to a single.
    EXPECT_EQ(cone->Ratio[6], static_cast<float>(3.0 * 100.0 / 120.0));
}

TEST(CleanReadings, ElevationAndIdempotence) {
    auto cone = Sounding({0.5f, 10, 64.5f});
    ProjectInfo project;
    project.GroundElev = 100;
    const ReadingMaxima first = CleanReadings(*cone, project);
    EXPECT_EQ(cone->Elev[1], 99.5f);
    EXPECT_EQ(cone->Elev[3], 35.5f);
    const ConeData before = *cone;
    const ReadingMaxima again = CleanReadings(*cone, project);
    EXPECT_EQ(again.MaxQc, first.MaxQc);
    EXPECT_EQ(again.MaxRatio, first.MaxRatio);
    EXPECT_EQ(cone->Ratio, before.Ratio);
    EXPECT_EQ(cone->Elev, before.Elev);
}

TEST(CleanReadings, NoReadingsNoMaxima) {
    auto cone = Sounding({});
    const ReadingMaxima m = CleanReadings(*cone, ProjectInfo{});
    EXPECT_EQ(m.MaxQc, 0);
    EXPECT_EQ(cone->Qc[0], 0); // index 0 is never a reading
}

TEST(DepthList, SixStepsAndTheLastDepthWhenTheyFallShort) {
    ProjectInfo project;
    EXPECT_EQ(DepthStep(*Sounding({1, 60})), 10);
    EXPECT_EQ(DepthList(*Sounding({1, 60}), project, 1),
              List({"0", "10", "20", "30", "40", "50", "60"}));
    EXPECT_EQ(DepthList(*Sounding({1, 64.5f}), project, 1),
              List({"0", "10", "20", "30", "40", "50", "60", "64.5"}));
    // A shallow sounding: step 0, and the last depth after seven zeros.
    EXPECT_EQ(DepthList(*Sounding({0.5f, 3.52f}), project, 1),
              List({"0", "0", "0", "0", "0", "0", "0", "3.52"}));
}

TEST(DepthList, ElevationsFromTheGround) {
    auto cone = Sounding({1, 64.5f});
    ProjectInfo project;
    project.GroundElev = 12.5f;
    CleanReadings(*cone, project);
    EXPECT_EQ(DepthList(*cone, project, -1),
              List({"12.5", "2.5", "-7.5", "-17.5", "-27.5", "-37.5", "-47.5", "-52"}));
}

TEST(CutAtDepth, FirstReadingAtOrBelowTheChosenDepth) {
    auto cone = Sounding({0.5f, 1, 1.5f, 2, 2.5f});
    EXPECT_EQ(CutAtDepth(*cone, 1, "1.2").plotCount, 3);
    EXPECT_EQ(CutAtDepth(*cone, 1, "1").plotCount, 2);
    EXPECT_EQ(CutAtDepth(*cone, 1, " 2.5 ").plotCount, 5);
    // Above the first reading: one reading is plotted.
    EXPECT_EQ(CutAtDepth(*cone, 1, "0").plotCount, 1);
    // Beyond the last reading: the count stays as it is.
    const DepthCut beyond = CutAtDepth(*cone, 1, "30");
    EXPECT_EQ(beyond.plotCount, std::nullopt);
    EXPECT_FALSE(beyond.error);
}

TEST(CutAtDepth, EmptyTextChoosesTheLastReading) {
    auto cone = Sounding({0.5f, 1, 1.5f});
    const DepthCut cut = CutAtDepth(*cone, 1, "");
    EXPECT_EQ(cut.text, "1.5");
    EXPECT_EQ(cut.plotCount, 3);
    ProjectInfo project;
    project.GroundElev = 20;
    CleanReadings(*cone, project);
    const DepthCut up = CutAtDepth(*cone, -1, "");
    EXPECT_EQ(up.text, "18.5");
    EXPECT_EQ(up.plotCount, 3);
    EXPECT_EQ(CutAtDepth(*cone, -1, "19").plotCount, 2); // first elevation at or below 19
    EXPECT_EQ(CutAtDepth(*cone, -1, "25").plotCount, 1);
    EXPECT_EQ(CutAtDepth(*cone, -1, "10").plotCount, std::nullopt);
}

TEST(CutAtDepth, TextThatIsNotANumberIsRefused) {
    auto cone = Sounding({0.5f, 1});
    for (const char* bad : {"ten", "1,5", "12 ft", "1e999"}) {
        SCOPED_TRACE(bad);
        const DepthCut cut = CutAtDepth(*cone, 1, bad);
        ASSERT_TRUE(cut.error);
        EXPECT_EQ(cut.error->text, " The depth to plot to must be a number. ");
        EXPECT_EQ(cut.error->title, " Data Plot Message");
        EXPECT_EQ(cut.plotCount, std::nullopt);
        EXPECT_EQ(cut.text, bad);
    }
    EXPECT_EQ(CutAtDepth(*cone, -1, "x").error->text,
              " The elevation to plot to must be a number. ");
}
