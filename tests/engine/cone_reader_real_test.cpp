// The eight real soundings (m and MPa, blank-separated, 8 or 9 title lines) read whole.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/import/ConeReader.h"

using namespace strelvan;

namespace {

struct RealSounding {
    const char* file;
    int titleLines;
    int readings;
    int columns;
    float lastDepth, lastQc, lastFs;
};

const RealSounding kSoundings[] = {
    {"geolibplus-bro-179092-short.txt", 8, 98, 4, 3.52f, 0.399f, 0.037f},
    {"geolibplus-bro-predrilled-u1.txt", 9, 915, 4, 20.38f, 10.642f, 0.088f},
    {"geolibplus-monnickendam-cptu.txt", 9, 1192, 4, 25.52f, 15.316f, 0.137f},
    {"liquepy-standard1-cptu.txt", 8, 2765, 4, 27.64f, 4.18f, 0.01024f},
    {"pileresponse-example-cptu.txt", 8, 3506, 4, 17.825f, 18.7004f, 0.1088391f},
    {"pygef-cpt-mos-cptu.txt", 9, 999, 4, 19.97f, 14.698f, 0.05f},
    {"pygef-cpt2-waternet-soft.txt", 8, 1039, 3, 10.38f, 12.6132f, 0.0695f},
    {"pygef-cpt4-sand.txt", 8, 2021, 3, 20.2f, 26.9762420654f, 0.1568971127f},
};

Messages ReadReal(const RealSounding& s, ImportSettings& settings, ConeData& cone) {
    settings.FileName = std::string(STRELVAN_REAL_DATA_DIR) + "/" + s.file;
    settings.NumTitleLines = static_cast<int16_t>(s.titleLines);
    settings.UnitsOption = 2;
    return ReadConeData(settings, cone);
}

TEST(RealSoundings, EveryOneReadsWhole) {
    for (const RealSounding& s : kSoundings) {
        SCOPED_TRACE(s.file);
        ImportSettings settings;
        auto cone = std::make_unique<ConeData>();
        const Messages m = ReadReal(s, settings, *cone);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].text, "Cone Data File: " + settings.FileName +
                                 "\r\n was successfully opened. \r\n Total Number of Lines = " +
                                 std::to_string(s.readings));
        EXPECT_EQ(settings.ImportError, 0);
        EXPECT_EQ(cone->NumPoints, s.readings);
        EXPECT_EQ(settings.NumColumns, s.columns);
        EXPECT_EQ(settings.Separator, " ");
        EXPECT_EQ(cone->Depth[s.readings], s.lastDepth);
        EXPECT_EQ(cone->Qc[s.readings], s.lastQc);
        EXPECT_EQ(cone->Fs[s.readings], s.lastFs);
        EXPECT_EQ(settings.HeaderText.rfind("CPT test input ", 0), 0u);
        EXPECT_EQ(settings.UnitsOption, 2); // the reader does not convert
    }
}

TEST(RealSoundings, OddReadingsAreKeptAsTheyStand) {
    ImportSettings settings;
    auto cone = std::make_unique<ConeData>();
    // Negative fs at 3.50 to 3.60 m stays for the profile window to clean.
    ReadReal(kSoundings[2], settings, *cone);
    bool negativeFs = false;
    for (int i = 1; i <= cone->NumPoints; ++i)
        negativeFs = negativeFs || cone->Fs[i] < 0;
    EXPECT_TRUE(negativeFs);
    // Zero qc of the first reading.
    ReadReal(kSoundings[7], settings, *cone);
    EXPECT_EQ(cone->Qc[1], 0.0f);
    EXPECT_GT(cone->Fs[1], 0.0f);
    // Depths out of order and repeated.
    ReadReal(kSoundings[4], settings, *cone);
    int reversals = 0;
    for (int i = 2; i <= cone->NumPoints; ++i)
        reversals += cone->Depth[i] < cone->Depth[i - 1];
    EXPECT_EQ(reversals, 765);
}

TEST(RealSoundings, PoreColumnByItsKind) {
    ImportSettings settings;
    auto cone = std::make_unique<ConeData>();
    // A u1 column, read as u1: tip resistance needs no correction.
    cone->PoreType1 = 1;
    ReadReal(kSoundings[1], settings, *cone);
    EXPECT_EQ(cone->U1[1], 0.016f);
    EXPECT_EQ(cone->U2[1], 0.0f);
    EXPECT_EQ(cone->Qt[1], cone->Qc[1]);
    // A u2 column: qt = qc - 0.41 u2 where u2 is above 0, qc where it is not.
    cone->PoreType1 = 2;
    ReadReal(kSoundings[0], settings, *cone);
    EXPECT_EQ(cone->U2[1], 0.007f);
    EXPECT_EQ(cone->Qt[1], static_cast<float>(double(3.441f) - 0.41 * double(0.007f)));
    EXPECT_EQ(cone->U2[98], -0.02f);
    EXPECT_EQ(cone->Qt[98], cone->Qc[98]);
}

} // namespace
