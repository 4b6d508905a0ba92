#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "engine/classification/LayerSoilTypes.h"
#include "engine/classification/SoilNames.h"

using namespace strelvan;

namespace {

// A run of grid layers 1.. built from (type, count) groups; layer 0 stays without a type.
std::vector<int16_t> Layers(std::initializer_list<std::pair<int16_t, int>> groups) {
    std::vector<int16_t> types(1, 0);
    for (const auto& [type, count] : groups)
        types.insert(types.end(), static_cast<std::size_t>(count), type);
    return types;
}

struct Describe {
    ClassResults results;
    ChartSelection selection;

    // Describes layers 1 to the last one under the method, the same types in each array.
    std::string operator()(int16_t method, const std::vector<int16_t>& types,
                           int16_t pointsPerLayer = 10) {
        results.TypeTumay02 = results.TypeRobert86 = results.TypeOlsen = types;
        selection.MethodCode = method;
        selection.PointsPerLayer = pointsPerLayer;
        return LayerSoilTypes(1, static_cast<int16_t>(types.size() - 1), results, selection);
    }
};

constexpr int16_t kTumay = 2, kRobertson = 3, kOlsen = 4;

} // namespace

TEST(SoilNames, TablesHoldTheExactNamesBlanksIncluded) {
    EXPECT_EQ(SoilNameTumay(1), "Organic Clay ");
    EXPECT_EQ(SoilNameTumay(5), "Stiff Clay");
    EXPECT_EQ(SoilNameTumay(10), "Clayey Sand/Silt ");
    EXPECT_EQ(SoilNameTumay(16), "Shell Sand/Lime Rock ");
    EXPECT_EQ(SoilNameRobert86(1), "Sensitive Fine Grained ");
    EXPECT_EQ(SoilNameRobert86(3), "Clay");
    EXPECT_EQ(SoilNameRobert86(10), "Gravely to Sand ");
    EXPECT_EQ(SoilNameRobert86(12), "Sand to Clayey Sand");
    EXPECT_EQ(SoilNameOlsen(2), "Silt and Mixtures");
    EXPECT_EQ(SoilNameOlsen(4), "Sand");
    for (int16_t outside : {int16_t{0}, int16_t{-1}, int16_t{17}, int16_t{32767}})
        EXPECT_EQ(SoilNameTumay(outside), "") << outside;
    EXPECT_EQ(SoilNameRobert86(13), "");
    EXPECT_EQ(SoilNameOlsen(5), "");
    EXPECT_EQ(SoilNameOlsen(0), "");
}

TEST(LayerText, WordingFollowsTheDifferenceOfThePercentages) {
    EXPECT_EQ(LayerTextTumay(14, 60, 13, 40), "Sand  and Silty Sand "); // d = 20
    EXPECT_EQ(LayerTextTumay(14, 70, 13, 30), "Sand  with layers of Silty Sand ");
    EXPECT_EQ(LayerTextTumay(14, 90, 13, 10), "Sand ");                     // d = 80
    EXPECT_EQ(LayerTextTumay(14, 50, 13, 0), "Sand ");                      // no second type
    EXPECT_EQ(LayerTextTumay(15, 80.5f, 16, 0.5f), "Dense/Cemented Sand "); // d = 80
    EXPECT_EQ(LayerTextTumay(15, 80.5f, 16, 0.75f), "Dense Sand with layers of Shell Sand");
    EXPECT_EQ(LayerTextTumay(15, 20.5f, 16, 0.5f), "Dense Sand and Shell Sand"); // d = 20
    EXPECT_EQ(LayerTextTumay(15, 20.5f, 16, 0.25f), "Dense Sand with layers of Shell Sand");
    // Short names only where two names are joined, and never for Douglas and Olsen.
    EXPECT_EQ(LayerTextRobert86(1, 50, 2, 50), "Sensitive Fines and Org. Soil");
    EXPECT_EQ(LayerTextRobert86(11, 50, 5, 40), "V. Stiff Fines and Clayey Silt");
    EXPECT_EQ(LayerTextRobert86(3, 50, 4, 40), "Clay and Silty Clay to Clay");
    EXPECT_EQ(LayerTextOlsen(2, 50, 3, 40), "Silt and Mixtures and Sand and Mixtures");
    // A name outside the table joins as nothing.
    EXPECT_EQ(LayerTextOlsen(9, 50, 1, 40), " and Clay");
}

TEST(LayerSoilTypes, DescribesABlockOfTenBySchmertmannTypes) {
    Describe describe;
    EXPECT_EQ(describe(kTumay, Layers({{5, 10}})), "Stiff Clay");
    EXPECT_EQ(describe(kTumay, Layers({{2, 5}, {3, 5}})), "Soft Clay  and V. Soft Clay ");
    EXPECT_EQ(describe(kTumay, Layers({{3, 5}, {2, 5}})), "Soft Clay  and V. Soft Clay ");
    EXPECT_EQ(describe(kTumay, Layers({{14, 6}, {13, 4}})), "Sand  and Silty Sand ");
    EXPECT_EQ(describe(kTumay, Layers({{13, 3}, {14, 7}})), "Sand  with layers of Silty Sand ");
    EXPECT_EQ(describe(kTumay, Layers({{14, 9}, {13, 1}})), "Sand ");
    EXPECT_EQ(describe(kTumay, Layers({{15, 8}, {16, 2}})), "Dense Sand with layers of Shell Sand");
    // Three types: the two most frequent are named, and the tie between the second ones
    // goes to the higher number.
    EXPECT_EQ(describe(kTumay, Layers({{4, 2}, {7, 4}, {1, 2}, {12, 2}})),
              "Silty Clay  and Loose Sand ");
}

TEST(LayerSoilTypes, DescribesRobertsonAndOlsenBlocks) {
    Describe describe;
    EXPECT_EQ(describe(kRobertson, Layers({{6, 6}, {7, 4}})), "Sandy Silt and Silty Sand");
    EXPECT_EQ(describe(kRobertson, Layers({{7, 1}, {6, 9}})), "Sandy Silt to Clayey Silt ");
    EXPECT_EQ(describe(kRobertson, Layers({{9, 5}, {10, 5}})), "Gravely Sand and Sand");
    EXPECT_EQ(describe(kOlsen, Layers({{4, 6}, {3, 4}})), "Sand and Sand and Mixtures");
    EXPECT_EQ(describe(kOlsen, Layers({{1, 10}})), "Clay");
}

TEST(LayerSoilTypes, PercentagesAreOfPointsPerLayerWhateverTheRunLength) {
    Describe describe;
    // A short last block of seven: 70 % and nothing else gives the full name.
    EXPECT_EQ(describe(kTumay, Layers({{15, 7}})), "Dense/Cemented Sand ");
    // Short block of six with 4 and 2: 40 % and 20 %, d = 20.
    EXPECT_EQ(describe(kTumay, Layers({{15, 4}, {16, 2}})), "Dense Sand and Shell Sand");
    // A manual layer of 30: 200 % and 100 %, d = 100, the first name alone.
    EXPECT_EQ(describe(kTumay, Layers({{8, 20}, {11, 10}})), "Sandy Clay ");
    // The same layer measured against 30 grid layers per described layer: d = 33.3.
    EXPECT_EQ(describe(kTumay, Layers({{8, 20}, {11, 10}}), 30),
              "Sandy Clay  with layers of Clayey Silt ");
    // Layers without a type lower the others: 4 and 2 of ten with four untyped, d = 20.
    EXPECT_EQ(describe(kRobertson, Layers({{0, 4}, {8, 4}, {5, 2}})),
              "Sand to Silty Sand and Clayey Silt");
}

TEST(LayerSoilTypes, RunsThatCannotBeDescribedGiveNoText) {
    Describe describe;
    for (int16_t method : {int16_t{0}, int16_t{1}, int16_t{5}, int16_t{6}})
        EXPECT_EQ(describe(method, Layers({{3, 10}})), "") << method;
    EXPECT_EQ(describe(kTumay, Layers({{3, 10}}), 0), "");
    EXPECT_EQ(describe(kTumay, Layers({{3, 10}}), -10), "");
    // Types outside the method's range.
    EXPECT_EQ(describe(kOlsen, Layers({{4, 9}, {5, 1}})), "");
    EXPECT_EQ(describe(kRobertson, Layers({{13, 1}, {9, 9}})), "");
    EXPECT_EQ(describe(kTumay, Layers({{-1, 1}, {9, 9}})), "");
    // A run in which no layer has a type names no soil.
    EXPECT_EQ(describe(kTumay, Layers({{0, 10}})), "");
    EXPECT_EQ(describe(kOlsen, Layers({{0, 3}})), "");
}

TEST(LayerSoilTypes, NeverReadsOutsideTheTypeArray) {
    ClassResults results;
    results.TypeTumay02 = Layers({{3, 10}});
    ChartSelection selection;
    selection.MethodCode = kTumay;
    EXPECT_EQ(LayerSoilTypes(1, 10, results, selection), "Soft Clay ");
    EXPECT_EQ(LayerSoilTypes(1, 11, results, selection), "");
    EXPECT_EQ(LayerSoilTypes(-1, 10, results, selection), "");
    EXPECT_EQ(LayerSoilTypes(32000, 32767, results, selection), "");
    EXPECT_EQ(LayerSoilTypes(0, 10, results, selection), "Soft Clay "); // layer 0 exists
    EXPECT_EQ(LayerSoilTypes(5, 4, results, selection), "");            // an empty run
    results.TypeTumay02.clear();
    EXPECT_EQ(LayerSoilTypes(1, 1, results, selection), "");
}
