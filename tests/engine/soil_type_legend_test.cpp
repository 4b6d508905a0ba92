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

TEST(SoilTypeLegend, RobertsonZonesAndDouglasOlsenTypes) {
    const auto robertson = Robertson86Legend();
    ASSERT_EQ(robertson.size(), 12u);
    EXPECT_EQ(robertson[0].text, "1.  Sensetive Fines Grained");
    EXPECT_EQ(robertson[3].text, "4. Silty Clay to Clay");
    EXPECT_EQ(robertson[9].text, "10. Gravel to Sand");
    EXPECT_EQ(TypeColor(robertson, 8), 255 | 40 << 8 | 4 << 16);
    EXPECT_EQ(TypeColor(robertson, 5), 128 | 0 << 8 | 255 << 16);
    EXPECT_EQ(TypeColor(robertson, 13), kNoTypeColor);

    const auto olsen = OlsenLegend();
    ASSERT_EQ(olsen.size(), 4u);
    EXPECT_EQ(olsen[0].text, "1.  CL-CH");
    EXPECT_EQ(olsen[3].text, "4. SM-SP");
    EXPECT_EQ(TypeColor(olsen, 3), 225 | 125 << 8);
    EXPECT_EQ(TypeColor(olsen, 5), kNoTypeColor);
}
