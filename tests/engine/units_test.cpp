#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "engine/import/ConeFactors.h"
#include "engine/import/ConeReader.h"
#include "engine/import/ProfileWindow.h"
#include "engine/import/Units.h"
#include "support/RealSoundings.h"

using namespace strelvan;

namespace {
std::unique_ptr<ConeData> Readings(std::initializer_list<std::array<float, 3>> rows) {
    auto cone = std::make_unique<ConeData>();
    int k = 0;
    for (const auto& r : rows) {
        ++k;
        cone->Depth[k] = r[0];
        cone->Qc[k] = r[1];
        cone->Fs[k] = r[2];
    }
    cone->NumPoints = static_cast<int16_t>(k);
    return cone;
}

ImportSettings InUnits(int16_t option) {
    ImportSettings s;
    s.UnitsOption = option;
    return s;
}

// A real sounding (m and MPa) read by the cone data reader, not converted.
std::unique_ptr<ConeData> RealSounding(const char* name, int16_t poreKind = 0) {
    auto cone = std::make_unique<ConeData>();
    EXPECT_TRUE(test::ReadRealMetric(test::RealFileNamed(name), *cone, poreKind)) << name;
    return cone;
}

LayerGrid Layers(std::initializer_list<std::array<float, 3>> rows) {
    LayerGrid g;
    g.NumLayers = static_cast<int16_t>(rows.size());
    g.LayerDepth = {-1.0f};
    g.LayerQc = {-2.0f};
    g.LayerFs = {-3.0f};
    for (const auto& r : rows) {
        g.LayerDepth.push_back(r[0]);
        g.LayerQc.push_back(r[1]);
        g.LayerFs.push_back(r[2]);
    }
    g.LayerQt = g.LayerQc;
    return g;
}
} // namespace

TEST(ConvertMillivolt, OfferedFactorsGiveTsfAndFeetFormedInDouble) {
    auto cone = Readings({{1.0f, 1.0f, 1.0f}, {2.5f, 123.456f, 0.0f}, {3.0f, 4.567f, -2.0f}});
    cone->Depth[0] = 9.0f;
    cone->Qc[4] = 7.0f; // past the last reading
    ImportSettings s = InUnits(0);
    const ConversionResult r = ConvertMillivolt(*cone, s, 50.0f, 0.5f);
    EXPECT_TRUE(r.converted);
    EXPECT_EQ(s.UnitsOption, 1);
    // 1 mV x 50 / 0.09576 tsf, 1 mV x 0.5 / 0.09576 tsf, 1 m = 3.28084 ft
    EXPECT_EQ(cone->Qc[1], 522.138671875f);
    EXPECT_EQ(cone->Fs[1], 5.221386909484863f);
    EXPECT_EQ(cone->Depth[1], 3.2808399200439453f);
    // A single-precision product would give 64461.15625 and 2384.607177734375.
    EXPECT_EQ(cone->Qc[2], 64461.15234375f);
    EXPECT_EQ(cone->Qc[3], 2384.607421875f);
    EXPECT_EQ(cone->Fs[2], 0.0f);
    EXPECT_FLOAT_EQ(cone->Fs[3], -2.0f * 0.5f / 0.09576f);
    EXPECT_EQ(cone->Depth[0], 9.0f);
    EXPECT_EQ(cone->Qc[4], 7.0f);
}

TEST(ConvertMetric, OneMPaAndOneMetre) {
    auto cone = Readings({{1.0f, 1.0f, 1.0f}, {3.3333f, 0.0f, 0.5f}});
    ImportSettings s = InUnits(2);
    EXPECT_TRUE(ConvertMetric(*cone, s).converted);
    EXPECT_EQ(s.UnitsOption, 1);
    EXPECT_EQ(cone->Depth[1], 3.28084f);
    EXPECT_EQ(cone->Qc[1], 10.44277f);
    EXPECT_EQ(cone->Fs[1], 10.44277f);
    // Formed in double: a single-precision factor would give 10.936023712158203.
    EXPECT_EQ(cone->Depth[2], 10.93602466583252f);
    EXPECT_EQ(cone->Qc[2], 0.0f);
}

TEST(ConvertMetric, RealSoundingIsConvertedThroughItsLastReading) {
    auto cone = RealSounding("pygef-cpt4-sand.txt");
    ASSERT_EQ(cone->NumPoints, 2021);
    const float lastQc = cone->Qc[2021];
    ImportSettings s = InUnits(2);
    ASSERT_TRUE(ConvertMetric(*cone, s).converted);
    EXPECT_EQ(cone->Qc[1], 0.0f); // the zero tip resistance of the first reading stays
    EXPECT_NEAR(cone->Depth[2021], 20.20 * 3.28084, 1e-4);
    EXPECT_FLOAT_EQ(cone->Qc[2021], lastQc * 10.44277f);
    EXPECT_EQ(cone->Depth[2022], 0.0f);
}

TEST(ConfirmUnits, EnglishIsNeverConvertedAndSiOnlyOnce) {
    auto cone = Readings({{2.0f, 3.0f, 0.1f}});
    ImportSettings english = InUnits(1);
    EXPECT_EQ(ConfirmUnits(*cone, english), UnitsStep::Ready);
    EXPECT_EQ(cone->Depth[1], 2.0f);
    EXPECT_EQ(cone->Qc[1], 3.0f);

    ImportSettings millivolts = InUnits(0);
    EXPECT_EQ(ConfirmUnits(*cone, millivolts), UnitsStep::ConeFactors);
    EXPECT_EQ(cone->Qc[1], 3.0f);

    ImportSettings si = InUnits(2);
    EXPECT_EQ(ConfirmUnits(*cone, si), UnitsStep::Ready);
    EXPECT_EQ(si.UnitsOption, 1);
    const float once = cone->Qc[1];
    EXPECT_FLOAT_EQ(once, 3.0f * 10.44277f);
    EXPECT_EQ(ConfirmUnits(*cone, si), UnitsStep::Ready);
    EXPECT_EQ(cone->Qc[1], once);

    cone->Qc[1] = 1e38f;
    ImportSettings huge = InUnits(2);
    EXPECT_EQ(ConfirmUnits(*cone, huge), UnitsStep::TooLarge);
    EXPECT_EQ(huge.UnitsOption, 2);
    EXPECT_FLOAT_EQ(cone->Depth[1], 2.0f * 3.28084f); // as the first conversion left it
}

TEST(Conversions, EmptySoundingStillCountsAsConverted) {
    auto cone = Readings({});
    ImportSettings mv = InUnits(0);
    ImportSettings si = InUnits(2);
    EXPECT_TRUE(ConvertMillivolt(*cone, mv, 50.0f, 0.5f).converted);
    EXPECT_TRUE(ConvertMetric(*cone, si).converted);
    EXPECT_EQ(mv.UnitsOption, 1);
    EXPECT_EQ(si.UnitsOption, 1);
}

TEST(Conversions, ValueBeyondFloatRangeConvertsNothing) {
    auto cone = Readings({{1.0f, 1.0f, 1.0f}, {2.0f, 1000.0f, 1.0f}});
    ImportSettings mv = InUnits(0);
    EXPECT_EQ(ConvertMillivolt(*cone, mv, 1e37f, 0.5f).tooLarge, TooLarge::Qc);
    EXPECT_EQ(ConvertMillivolt(*cone, mv, 50.0f, 3e38f).tooLarge, TooLarge::Fs);
    EXPECT_EQ(mv.UnitsOption, 0);
    EXPECT_EQ(cone->Depth[1], 1.0f); // the first reading would have fitted; it stays too
    EXPECT_EQ(cone->Qc[1], 1.0f);

    cone->Depth[2] = 3e38f;
    ImportSettings si = InUnits(2);
    const ConversionResult r = ConvertMetric(*cone, si);
    EXPECT_FALSE(r.converted);
    EXPECT_EQ(r.tooLarge, TooLarge::Depth);
    EXPECT_EQ(si.UnitsOption, 2);
    EXPECT_EQ(cone->Qc[2], 1000.0f);
}

TEST(ConvertMetric, PorePressuresAndCorrectedTipGoToTsfWithQc) {
    // A sounding with a u2 column, read in MPa: qt = qc - 0.41 u2 in MPa as well.
    auto cone = RealSounding("geolibplus-monnickendam-cptu.txt", 2);
    const auto metric = std::make_unique<ConeData>(*cone);
    ImportSettings s = InUnits(2);
    ASSERT_TRUE(ConvertMetric(*cone, s).converted);
    for (int i = 1; i <= cone->NumPoints; ++i) {
        ASSERT_FLOAT_EQ(cone->U2[i], metric->U2[i] * 10.44277f) << i;
        ASSERT_FLOAT_EQ(cone->Qt[i], metric->Qt[i] * 10.44277f) << i;
    }
    EXPECT_LT(cone->Qt[1000], cone->Qc[1000]); // u2 above 0 lowers the corrected value

    // Millivolt pore readings have no factor: they stay as read. A pore pressure too large
    // for ton/ft2 converts nothing.
    auto mv = Readings({{1.0f, 1.0f, 1.0f}});
    mv->U1[1] = 0.25f;
    ImportSettings m = InUnits(0);
    ASSERT_TRUE(ConvertMillivolt(*mv, m, 50.0f, 0.5f).converted);
    EXPECT_EQ(mv->U1[1], 0.25f);
    mv->U3[1] = 3e38f;
    ImportSettings si = InUnits(2);
    EXPECT_EQ(ConvertMetric(*mv, si).tooLarge, TooLarge::PorePressure);
    EXPECT_EQ(mv->U1[1], 0.25f);
    EXPECT_EQ(si.UnitsOption, 2);
}

TEST(WorkUnits, MetricAndBackReturnTheLayersWithinSinglePrecision) {
    LayerGrid g = Layers({{0.328f, 1.0f, 1.0f}, {12.7f, 123.456f, 0.0417f}, {65.6f, 0.01f, -0.3f}});
    const LayerGrid before = g;
    WorkToMetric(g);
    EXPECT_FLOAT_EQ(g.LayerDepth[1], 0.328f * 0.3048f);
    EXPECT_EQ(g.LayerQc[1], 0.976486f);
    EXPECT_EQ(g.LayerFs[1], 0.976486f);
    WorkToEnglish(g);
    for (int i = 1; i <= g.NumLayers; ++i) {
        EXPECT_NEAR(g.LayerDepth[i], before.LayerDepth[i], std::fabs(before.LayerDepth[i]) * 2e-7);
        EXPECT_NEAR(g.LayerQc[i], before.LayerQc[i], std::fabs(before.LayerQc[i]) * 2e-7);
        EXPECT_NEAR(g.LayerFs[i], before.LayerFs[i], std::fabs(before.LayerFs[i]) * 2e-7);
    }
    EXPECT_EQ(g.LayerDepth[0], -1.0f);
    EXPECT_EQ(g.LayerQc[0], -2.0f);
    EXPECT_EQ(g.LayerFs[0], -3.0f);
    EXPECT_EQ(g.LayerQt, before.LayerQt); // no other layer array is converted
}

TEST(WorkUnits, LayerCountPastTheArraysStopsAtTheirEnd) {
    LayerGrid g = Layers({{1.0f, 1.0f, 1.0f}});
    g.NumLayers = 50;
    WorkToMetric(g);
    EXPECT_EQ(g.LayerQc[1], 0.976486f);
    g.LayerFs.clear();
    WorkToEnglish(g); // nothing to convert when an array is missing
    EXPECT_EQ(g.LayerQc[1], 0.976486f);
}

TEST(ProfileWindow, ChosenByThePorePressureKinds) {
    ConeData cone;
    EXPECT_STREQ(ProfileWindowName(cone), "Frm_CPTData3");
    cone.PoreType1 = 2;
    EXPECT_STREQ(ProfileWindowName(cone), "Frm_CPTData4");
    cone.PoreType1 = 0;
    cone.PoreType2 = 1;
    EXPECT_STREQ(ProfileWindowName(cone), "Frm_CPTData4");
    cone.PoreType1 = 3;
    EXPECT_STREQ(ProfileWindowName(cone), "Frm_CPTData5");
}

TEST(ConeFactors, EmptyBoxIsRefusedTipFirst) {
    auto cone = Readings({{1.0f, 2.0f, 3.0f}});
    ImportSettings s = InUnits(0);
    ConeFactorEntry e = ApplyConeFactors("", "", *cone, s);
    ASSERT_TRUE(e.error);
    EXPECT_EQ(e.error->text, " Missing Data Entry .. Please Enter ");
    EXPECT_EQ(e.error->title, "");
    EXPECT_EQ(e.error->icon, MsgIcon::Critical);
    EXPECT_EQ(e.focusBox, 0);
    EXPECT_EQ(ApplyConeFactors("50", "", *cone, s).focusBox, 1);
    EXPECT_EQ(s.UnitsOption, 0);
    EXPECT_EQ(cone->Qc[1], 2.0f);
}

TEST(ConeFactors, FactorBeyondFloatRangeNamesItsBox) {
    auto cone = Readings({{1.0f, 2.0f, 3.0f}});
    ImportSettings s = InUnits(0);
    ConeFactorEntry tip = ApplyConeFactors("1e39", "0.5", *cone, s);
    ASSERT_TRUE(tip.error);
    EXPECT_EQ(tip.error->text,
              " Data Entry Error in 'Cone Tip Resistance Factor'.. Please ReEnter ");
    EXPECT_EQ(tip.error->title, " Data Entry Message");
    EXPECT_EQ(tip.focusBox, 0);
    ConeFactorEntry sleeve = ApplyConeFactors("50", "-4e38", *cone, s);
    ASSERT_TRUE(sleeve.error);
    EXPECT_EQ(sleeve.error->text, " Data Entry Error in 'Cone Sleeve Factor'.. Please ReEnter ");
    EXPECT_EQ(sleeve.focusBox, 1);
    // Fits a float, but carries the readings past it.
    ConeFactorEntry product = ApplyConeFactors("3e38", "0.5", *cone, s);
    ASSERT_TRUE(product.error);
    EXPECT_EQ(product.focusBox, 0);
    EXPECT_EQ(s.UnitsOption, 0);
    EXPECT_EQ(cone->Qc[1], 2.0f);
}

TEST(ConeFactors, GoodFactorsConvertOnce) {
    auto cone = Readings({{1.0f, 2.0f, 3.0f}});
    ImportSettings s = InUnits(0);
    ConeFactorEntry e = ApplyConeFactors(" 47.3 ", "0.123", *cone, s);
    EXPECT_FALSE(e.error);
    EXPECT_EQ(e.TipFactor, 47.3f);
    EXPECT_EQ(e.SleeveFactor, 0.123f);
    EXPECT_EQ(s.UnitsOption, 1);
    const float qc = cone->Qc[1];
    EXPECT_NEAR(qc, 2.0 * 47.3 / 0.09576, 1e-3);
    EXPECT_FALSE(ApplyConeFactors("50", "0.5", *cone, s).error);
    EXPECT_EQ(cone->Qc[1], qc);
}
