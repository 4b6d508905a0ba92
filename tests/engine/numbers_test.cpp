#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/state/Numbers.h"

using namespace strelvan;

TEST(NumberSyntax, AcceptsSignDigitsPointAndExponent) {
    for (const char* t : {"0", "12", "-3", "+4", "12.5", ".5", "5.", "-.25", "1e3", "1E-3",
                          "2.5e+2", "  7  ", "0000.1000"})
        EXPECT_TRUE(IsNumeric(t)) << t;
}

TEST(NumberSyntax, RejectsEverythingElse) {
    for (const char* t : {"", " ", "-", "+", ".", "-.", "e5", "1e", "1e+", "1.2.3", "1,5",
                          "12a", "a12", "1 2", "\t5", "5\t", "--1", "1e5.5", "0x10", "inf",
                          "nan", "1e400"})
        EXPECT_FALSE(IsNumeric(t)) << t;
}

TEST(NumberSyntax, TestAndConversionAgree) {
    for (const char* t : {"12.5", "abc", "-", "1e400", "1e-400", " 3 ", "+.5e1"})
        EXPECT_EQ(IsNumeric(t), ToNumber(t).has_value()) << t;
}

TEST(NumberConversion, ReadsValues) {
    EXPECT_DOUBLE_EQ(*ToNumber("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(*ToNumber("-.25"), -0.25);
    EXPECT_DOUBLE_EQ(*ToNumber("+4"), 4.0);
    EXPECT_DOUBLE_EQ(*ToNumber("2.5e+2"), 250.0);
    EXPECT_DOUBLE_EQ(*ToNumber("1e-400"), 0.0); // underflow reads as zero
}

TEST(NumberConversion, SingleRangeIsChecked) {
    EXPECT_FLOAT_EQ(*ToSingle("3.28"), 3.28f);
    EXPECT_FALSE(ToSingle("1e39").has_value());
    EXPECT_FALSE(ToSingle("-1e39").has_value());
    EXPECT_TRUE(ToSingle("3e38").has_value());
}

TEST(NumberConversion, Int16RoundsHalfToEvenAndChecksRange) {
    EXPECT_EQ(*ToInt16("2.5"), 2);
    EXPECT_EQ(*ToInt16("3.5"), 4);
    EXPECT_EQ(*ToInt16("-2.5"), -2);
    EXPECT_EQ(*ToInt16("32767"), 32767);
    EXPECT_FALSE(ToInt16("32767.5").has_value()); // rounds to 32768
    EXPECT_EQ(*ToInt16("-32768"), -32768);
    EXPECT_FALSE(ToInt16("40000").has_value());
}

TEST(Rounding, IntIsFloor) {
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Int(-2.2), -3.0);
    EXPECT_EQ(Int(5.0), 5.0);
}

TEST(Rounding, HalfToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5001), 3.0);
    EXPECT_EQ(*CInt(34.5), 34);
    EXPECT_FALSE(CInt(std::numeric_limits<double>::infinity()).has_value());
}

TEST(NumberText, ShortestTextOfASingle) {
    EXPECT_EQ(SingleText(64.5f), "64.5");
    EXPECT_EQ(SingleText(3.0f), "3");
    EXPECT_EQ(SingleText(0.1f), "0.1");
    EXPECT_EQ(SingleText(-12.25f), "-12.25");
    EXPECT_EQ(SingleText(0.0f), "0");
    EXPECT_EQ(SingleText(1e20f), "1E+20");
    const float third = 1.0f / 3.0f;
    EXPECT_EQ(*ToSingle(SingleText(third)), third); // reads back as the same float
    EXPECT_EQ(SignedText(12.5f), " 12.5");
    EXPECT_EQ(SignedText(-3.0f), "-3");
}

TEST(NumberText, TrimsBlanksOnly) {
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("\t a \t"), "\t a \t");
    EXPECT_EQ(TrimLeftBlanks("  x "), "x ");
    EXPECT_EQ(TrimRightBlanks("  x "), "  x");
    EXPECT_EQ(TrimBlanks("   "), "");
}
