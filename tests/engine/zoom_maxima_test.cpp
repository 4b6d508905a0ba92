// The value-axis tops of the linked zoom: the maxima of the readings from reading 10 down to
// the zoomed range, and their turning into 16-bit whole numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/charts/PoreCharts.h"
#include "engine/charts/ProfileReadings.h"
#include "engine/charts/ZoomMaxima.h"
#include "engine/support/ReadingRows.h"
#include "engine/support/RealSoundings.h"

using namespace strelvan;

namespace {

// A profile window's sounding: its readings and what it plots (readings 1 to count, against
// depth or elevation).
struct Sounding {
    ConeData cone;
    ProjectInfo project;
    int32_t count = 0;
    int16_t mode = 1;

    // The window's row with its pore-pressure charts.
    ZoomRow Row() const { return test::ReadingRow(cone, count, mode, project.GroundElev); }
    std::optional<int16_t> Top(int position, double low, double high) const {
        return ZoomValueTop(position, Row(), low, high);
    }
    std::optional<int16_t> Bottom(int position, double low, double high) const {
        return ZoomValueBottom(position, Row(), low, high);
    }
    // Elevation mode below a ground at this elevation.
    void Elevation(float ground) {
        project.GroundElev = ground;
        for (int i = 1; i <= cone.NumPoints; ++i)
            cone.Elev[i] = ground - cone.Depth[i];
        mode = -1;
    }
};

// Readings every 0.5 ft from 0.5 ft, qc = 20 + depth (rising), fs 1, ratio 2, all plotted.
std::unique_ptr<Sounding> Rising(int n) {
    auto s = std::make_unique<Sounding>();
    ConeData& cone = s->cone;
    for (int i = 1; i <= n; ++i) {
        cone.Depth[i] = 0.5f * static_cast<float>(i);
        cone.Qc[i] = 20.0f + cone.Depth[i];
        cone.Fs[i] = 1.0f;
        cone.Ratio[i] = 2.0f;
    }
    cone.NumPoints = static_cast<int16_t>(n);
    s->count = n;
    return s;
}

} // namespace

TEST(ZoomMaxima, ScanRunsFromReadingTenDownToTheLimit) {
    auto d = Rising(100); // 0.5 .. 50 ft
    const ConeData& cone = d->cone;
    // Reading 60 is the first at or below 30 ft: qc 50, and 50 + 10.5 rounds down to 60.
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 30), 60);
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 29.9), 60);
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 30.1), 61); // reading 61 at 30.5 ft: qc 50.5
    // A large qc above reading 10, or below the stop, plays no part.
    d->cone.Qc[9] = 500;
    d->cone.Qc[62] = 500;
    EXPECT_EQ(MaxTipToDepth(d->cone, d->count, 30), 60);
    d->cone.Qc[60] = 500; // the reading the scan stops at counts
    EXPECT_EQ(MaxTipToDepth(d->cone, d->count, 30), 510);
    // Reading 10 (5 ft) at or below the limit: reading 10 alone.
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 5), 35);
    EXPECT_EQ(MaxTipToDepth(cone, d->count, -40), 35);
    // Beyond the last reading the scan ends at PlotPoints.
    EXPECT_EQ(MaxSleeveToDepth(cone, d->count, 1000), 1);
    d->count = 40;                                    // a depth cut at 20 ft
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 30), 50); // qc 40 at reading 40
    d->count = 7;                                     // reading 10 alone
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 30), 35);
}

TEST(ZoomMaxima, RoundingOfEachQuantity) {
    auto d = Rising(20);
    ConeData& cone = d->cone;
    cone.Qc[10] = 89.5f;
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 0), 100);
    cone.Fs[10] = 2.5f;
    EXPECT_EQ(MaxSleeveToDepth(cone, d->count, 0), 3);
    cone.Fs[10] = 2.49f;
    EXPECT_EQ(MaxSleeveToDepth(cone, d->count, 0), 2);
    cone.Ratio[10] = 20.0f; // a capped ratio
    EXPECT_EQ(MaxRatioToDepth(cone, d->count, 0), 20);
    cone.Ratio[11] = 7.6f;
    EXPECT_EQ(MaxRatioToDepth(cone, d->count, 1000), 20);
    // A column that is negative all along (pore pressures may be) rounds down.
    cone.PoreType1 = 2;
    for (int i = 1; i <= 20; ++i)
        cone.U2[i] = -1.2f;
    EXPECT_EQ(MaxPore1ToDepth(cone, d->count, 1000), -1);
}

TEST(ZoomMaxima, PoreKindChoosesTheColumn) {
    auto d = Rising(30);
    ConeData& cone = d->cone;
    for (int i = 1; i <= 30; ++i) {
        cone.U1[i] = 1.0f;
        cone.U2[i] = 2.0f;
        cone.U3[i] = 3.0f;
    }
    const double limit = 1000;
    for (int16_t kind : {1, 2, 3}) {
        cone.PoreType1 = kind;
        cone.PoreType2 = static_cast<int16_t>(4 - kind);
        EXPECT_EQ(MaxPore1ToDepth(cone, d->count, limit), kind) << kind;
        EXPECT_EQ(MaxPore2ToDepth(cone, d->count, limit), 4 - kind) << kind;
        EXPECT_EQ(ZoomMaximum(4, d->Row().charts[3], limit), kind);
        EXPECT_EQ(ZoomMaximum(5, d->Row().charts[4], limit), 4 - kind);
    }
    // No pore-pressure column of a known kind: 0, whatever the columns hold.
    for (int16_t kind : {0, 4, -1}) {
        cone.PoreType1 = kind;
        cone.PoreType2 = kind;
        EXPECT_EQ(MaxPore1ToDepth(cone, d->count, limit), 0) << kind;
        EXPECT_EQ(MaxPore2ToDepth(cone, d->count, limit), 0) << kind;
    }
    EXPECT_EQ(ZoomMaximum(1, d->Row().charts[0], limit), 45); // qc 35 of reading 30
    EXPECT_EQ(ZoomMaximum(2, d->Row().charts[1], limit), 1);
    EXPECT_EQ(ZoomMaximum(3, d->Row().charts[2], limit), 2);
    EXPECT_EQ(ZoomMaximum(6, d->Row().charts[0], limit), 0);
}

TEST(ZoomMaxima, ReadsOnlyReadingsThatExist) {
    // Values of an earlier, longer sounding stay in the columns beyond NumPoints.
    auto d = Rising(100);
    ConeData& cone = d->cone;
    cone.NumPoints = 6;
    d->count = 6;
    // Fewer than 10 readings: the scan starts at the last reading (qc 23).
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 30), 33);
    // PlotPoints left from that longer sounding does not take the scan beyond NumPoints.
    d->count = 100;
    cone.NumPoints = 20;
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 1000), 40); // qc 30 of reading 20
    d->count = 100000;
    cone.NumPoints = ConeData::kMaxPoints;
    for (int i = 1; i <= ConeData::kMaxPoints; ++i)
        cone.Depth[i] = static_cast<float>(i);
    EXPECT_EQ(MaxSleeveToDepth(cone, d->count, 1e9), 1);
    // No readings at all, or a negative count: 0, nothing read.
    cone.NumPoints = 0;
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 30), 0);
    cone.NumPoints = -5;
    EXPECT_EQ(MaxRatioToDepth(cone, d->count, 30), 0);
    cone.NumPoints = 20;
    d->count = -3; // reading 10 alone
    EXPECT_EQ(MaxTipToDepth(cone, d->count, 30), 35);
}

TEST(ZoomMaxima, AxisTopFitsSixteenBitsOrIsLeftWhole) {
    auto d = Rising(20);
    ConeData& cone = d->cone;
    EXPECT_EQ(d->Top(1, 0, 5), 35);
    cone.Qc[10] = 32756.5f; // + 10.5 = 32767, the largest that fits
    EXPECT_EQ(d->Top(1, 0, 5), 32767);
    cone.Qc[10] = 32757.5f;
    EXPECT_EQ(d->Top(1, 0, 5), std::nullopt);
    cone.Qc[10] = 3e38f; // a float reading no cone gives, yet a reader accepts
    EXPECT_EQ(d->Top(1, 0, 5), std::nullopt);
    cone.Fs[10] = INFINITY;
    EXPECT_EQ(d->Top(2, 0, 5), std::nullopt);
    cone.PoreType2 = 1;
    for (int i = 1; i <= 20; ++i)
        cone.U1[i] = -32768.5f; // + 0.5 = -32768, the smallest that fits
    EXPECT_EQ(d->Top(5, 0, 5), -32768);
    for (int i = 1; i <= 20; ++i)
        cone.U1[i] = -32770.0f;
    EXPECT_EQ(d->Top(5, 0, 5), std::nullopt);
    EXPECT_EQ(ZoomTooLargeMessage().title, " Data Plot Message");
}

TEST(ZoomMaxima, AxisTopKeepsEveryReadingOnShowVisible) {
    auto d = Rising(100); // qc = 20 + depth, 0.5 .. 50 ft
    // The scan from reading 10 down to 30 ft alone gives Int(50 + 10.5) = 60, below the qc of
    // 60 at 40 ft on show; the top covers it.
    EXPECT_EQ(MaxTipToDepth(d->cone, d->count, 30), 60);
    EXPECT_EQ(d->Top(1, 30, 40), 70);
    // A range whose readings lie below the scan's maximum keeps the scan's maximum.
    d->cone.Qc[10] = 500.0f;
    EXPECT_EQ(d->Top(1, 30, 40), 510);
    // Unsorted depths: a deep reading stored early still counts when it is on show.
    d->cone.Depth[3] = 35.0f;
    d->cone.Qc[3] = 900.0f;
    EXPECT_EQ(d->Top(1, 30, 40), 910);
    // Only plotted readings count: reading 3 lies beyond a cut at 2 readings.
    d->count = 2;
    EXPECT_EQ(d->Top(1, 30, 40), 510);
    // Elevation mode: elevations -28 .. -18 below a ground at 12 ft are depths 30 .. 40.
    d->count = 100;
    d->Elevation(12.0f);
    EXPECT_EQ(d->Top(1, -28, -18), 910);
}

TEST(ZoomMaxima, AxisBottomKeepsNegativePorePressuresOnShowVisible) {
    auto d = Rising(100); // 0.5 .. 50 ft
    ConeData& cone = d->cone;
    cone.PoreType2 = 2;
    for (int i = 1; i <= 100; ++i)
        cone.U2[i] = 0.1f * static_cast<float>(i) - 7.0f; // -6.9 at the top, 3 at 50 ft
    EXPECT_EQ(d->Bottom(5, 10, 20), -5);                  // -5.0 at 10 ft is the lowest on show
    EXPECT_EQ(d->Bottom(5, 40, 50), 0);                   // all positive there
    EXPECT_EQ(d->Bottom(1, 10, 20), 0);                   // qc
    EXPECT_EQ(d->Bottom(4, 10, 20), 0);                   // no column of PoreType1
    EXPECT_EQ(d->Top(5, 10, 20), -3);                     // -3.0 at 20 ft, Int(-3 + 0.5) = -3
    d->Elevation(0);                                      // elevations 0 - depth
    EXPECT_EQ(d->Bottom(5, -20, -10), -5);
    cone.U2[30] = -40000.0f; // 15 ft: no 16-bit bottom, the axis is left whole
    EXPECT_EQ(d->Bottom(5, -20, -10), std::nullopt);
}

TEST(ZoomMaxima, ElevationRangeScansToTheSameReadings) {
    auto d = Rising(100);
    // 30 to 40 ft deep on show: elevations -28 to -18 in elevation mode.
    const auto byDepth = d->Top(1, 30, 40);
    d->Elevation(12.0f);
    EXPECT_DOUBLE_EQ(ZoomLimit(d->mode, d->project.GroundElev, -28, -18), 30);
    EXPECT_EQ(d->Top(1, -28, -18), byDepth);
    EXPECT_EQ(byDepth, 70); // qc 60 at 40 ft on show
    d->mode = 1;
    EXPECT_DOUBLE_EQ(ZoomLimit(d->mode, d->project.GroundElev, -28, -18), -28);
}

TEST(ZoomMaxima, ResultWindowRowScansTheLayersItPlots) {
    // Layers of 0.328 ft whose qc rises to 400 near the bottom: the row reads the layer arrays,
    // which is what a result window plots.
    LayerGrid grid;
    const int n = 120;
    grid.NumLayers = n;
    for (auto* a :
         {&grid.LayerDepth, &grid.LayerQc, &grid.LayerFs, &grid.LayerRatio, &grid.LayerElev})
        a->assign(n + 1, 0.0f);
    for (int k = 1; k <= n; ++k) {
        grid.LayerDepth[k] = 0.328f * static_cast<float>(k);
        grid.LayerElev[k] = 5.0f - grid.LayerDepth[k];
        grid.LayerQc[k] = k < 100 ? 30.0f : 400.0f;
        grid.LayerFs[k] = 0.01f * static_cast<float>(k);
        grid.LayerRatio[k] = 2.0f;
    }
    // What a result window plots: the qc, fs and ratio layers against depth or elevation.
    const auto layerRow = [&grid](int16_t mode, float ground) {
        ZoomRow row{{}, mode, ground};
        row.at(ZoomChart::Tip) = LayerSeries(grid, grid.LayerQc, mode);
        row.at(ZoomChart::Sleeve) = LayerSeries(grid, grid.LayerFs, mode);
        row.at(ZoomChart::Ratio) = LayerSeries(grid, grid.LayerRatio, mode);
        return row;
    };
    ZoomRow row = layerRow(1, kNoElevation);
    EXPECT_EQ(row.at(ZoomChart::Tip).count, n);
    EXPECT_EQ(ZoomValueTop(1, row, 5, 10), 40);   // qc 30 from layer 10 on: Int(40.5)
    EXPECT_EQ(ZoomValueTop(1, row, 32, 35), 410); // layers 100 .. 106 on show: 400
    EXPECT_EQ(ZoomValueTop(2, row, 35, 40), 2);   // fs up to 1.2 on show stays under
    EXPECT_EQ(ZoomValueTop(3, row, 0, 100), 2);   // every layer
    EXPECT_EQ(ZoomValueTop(4, row, 0, 100), 0);   // no pore-pressure chart
    // Elevation mode plots the layers' elevations: 5 - 35 .. 5 - 32 is the same view.
    row = layerRow(-1, 5.0f);
    EXPECT_EQ(ZoomValueTop(1, row, -30, -27), 410);
    // A grid whose arrays do not hold every layer has no profile, and cuts nothing from it.
    grid.LayerFs.resize(50);
    row = layerRow(1, kNoElevation);
    EXPECT_EQ(row.at(ZoomChart::Sleeve).count, 0);
    EXPECT_EQ(ZoomValueTop(2, row, 0, 100), 0);
    EXPECT_EQ(row.at(ZoomChart::Tip).count, n);
}

TEST(ZoomMaxima, RealSoundingsGiveTopsOverTheScannedAndShownReadings) {
    int soundings = 0;
    for (const auto& file : std::filesystem::directory_iterator(STRELVAN_REAL_DATA_DIR)) {
        if (file.path().extension() != ".txt")
            continue;
        ++soundings;
        SCOPED_TRACE(file.path().filename().string());
        auto d = std::make_unique<Sounding>();
        const std::string name = file.path().filename().string();
        ASSERT_TRUE(test::ReadRealSounding(test::RealFileNamed(name), d->cone));
        CleanReadings(d->cone, d->project);
        const ConeData& cone = d->cone;
        const int n = cone.NumPoints;
        d->count = n;
        // A limit halfway down the sounding (its depths need not be in order).
        const double limit = (cone.Depth[1] + cone.Depth[n]) / 2.0;
        int stop = 10;
        while (stop < n && cone.Depth[stop] < limit)
            ++stop;
        const ConeData::Column* columns[] = {&cone.Qc, &cone.Fs, &cone.Ratio};
        const double margins[] = {10.5, 0.5, 0.5};
        for (int position = 1; position <= 3; ++position) {
            const auto top = d->Top(position, limit, limit + 1);
            ASSERT_TRUE(top.has_value()) << position;
            const ConeData::Column& column = *columns[position - 1];
            float largest = column[10];
            for (int i = 10; i <= stop; ++i) {
                largest = std::max(largest, column[i]);
                EXPECT_LE(column[i] + margins[position - 1] - 1, *top) << position << " " << i;
            }
            // At least the scan's maximum, and every plotted reading on show fits under it.
            EXPECT_GE(*top, std::floor(largest + margins[position - 1])) << position;
            for (int i = 1; i <= n; ++i) {
                if (cone.Depth[i] >= limit && cone.Depth[i] <= limit + 1) {
                    EXPECT_LE(column[i], *top) << position << " " << i;
                }
            }
        }
    }
    EXPECT_EQ(soundings, 8);
}
