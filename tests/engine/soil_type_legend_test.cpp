#include <gtest/gtest.h>

#include "engine/charts/SoilTypeLegend.h"

using namespace strelvan;

TEST(SoilTypeLegend, SchmertmannTypesAndColours) {
    const auto legend = SchmertmannLegend();
    ASSERT_EQ(legend.size(), 16u);
    EXPECT_EQ(legend[1].text, "2.  V. Soft Inorganic CLay");
    EXPECT_EQ(legend[8].text, "9.    Clayey Sand");
    EXPECT_EQ(legend[15].text, "16. Shell Sand/Lime Rock");
    // Colour longs hold red in the low byte, blue in the high one.
    EXPECT_EQ(TypeColor(legend, 16), 0x0000FF);
    EXPECT_EQ(TypeColor(legend, 6), 0xFF0000);
    EXPECT_EQ(TypeColor(legend, 14), 254 | 124 << 8 | 109 << 16);
    EXPECT_EQ(TypeColor(legend, 1), 0); // black is a colour
    // No type, or one outside the legend, has no colour of its own.
    EXPECT_EQ(TypeColor(legend, 0), kNoTypeColor);
    EXPECT_EQ(TypeColor(legend, 17), kNoTypeColor);
    EXPECT_EQ(TypeColor(legend, -1), kNoTypeColor);
}
