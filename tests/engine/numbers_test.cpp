#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "engine/state/Numbers.h"

using namespace strelvan;

TEST(NumberSyntax, AcceptsSignDigitsPointAndExponent) {
    for (const char* t : {"0", "12", "-3", "+4", "12.5", ".5", "5.", "-.25", "1e3", "1E-3",
                          "2.5e+2", "  7  ", "0000.1000"})
        EXPECT_TRUE(IsNumeric(t)) << t;
}

TEST(NumberSyntax, RejectsEverythingElse) {
    for (const char* t :
         {"",    " ",   "-",   "+",   ".",   "-.",  "e5",    "1e",   "1e+", "1.2.3", "1,5",
          "12a", "a12", "1 2", "\t5", "5\t", "--1", "1e5.5", "0x10", "inf", "nan",   "1e400"})
        EXPECT_FALSE(IsNumeric(t)) << t;
}

TEST(NumberSyntax, TestAndConversionAgree) {
    for (const char* t : {"12.5", "abc", "-", "1e400", "1e-400", " 3 ", "+.5e1"})
        EXPECT_EQ(IsNumeric(t), ToNumber(t).has_value()) << t;
}

TEST(NumberSyntax, DecimalCommaNumbersAreToldApartButNotNumeric) {
    for (const char* t : {"1,5", "-0,25", "+12,0", "2,5e3", " 3,25 "}) {
        EXPECT_TRUE(IsDecimalCommaNumber(t)) << t;
        EXPECT_FALSE(IsNumeric(t)) << t;
    }
    for (const char* t : {"1.5", "15", ",5", "5,", "1,2,3", "1,5.2", "1.5,2", "a,b", "1,5x", ""})
        EXPECT_FALSE(IsDecimalCommaNumber(t)) << t;
    // The number syntax, whatever the size of the value.
    EXPECT_TRUE(HasNumberSyntax("1e400"));
    EXPECT_TRUE(HasNumberSyntax(" -1e39 "));
    EXPECT_FALSE(HasNumberSyntax("1,5"));
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
    EXPECT_FALSE(ToSingle("3.4028236e38").has_value()); // rounds to an infinity
    EXPECT_EQ(*ToSingle("3.4028235e38"), std::numeric_limits<float>::max());
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

TEST(NumberText, ASingleShowsAtMostSevenSignificantDigits) {
    for (auto [value, text] :
         {std::pair{4.7560005f, "4.756"}, // 4.75600052 in binary: a half at the 8th digit
          {22.795984f, "22.79598"},
          {64.5f, "64.5"},
          {3.0f, "3"},
          {0.1f, "0.1"},
          {-12.25f, "-12.25"},
          {0.0f, "0"},
          {1.0f / 3.0f, "0.3333333"},
          {2.9999998f, "3"},
          {-99999.0f, "-99999"},
          {1234567.0f, "1234567"},
          {9999999.6f, "1E+07"},
          {123456789.0f, "1.234568E+08"},
          {1e20f, "1E+20"},
          {std::numeric_limits<float>::max(), "3.402823E+38"}, // not up
          {0.00001f, "0.00001"},
          {0.000012345678f, "0.00001234568"},
          {0.0000012f, "1.2E-06"}}) {
        EXPECT_EQ(SingleText(value), text) << value;
        // What is shown reads back as a number within the seventh digit.
        const std::optional<float> back = ToSingle(SingleText(value));
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_NEAR(*back, value, std::fabs(value) * 5e-7) << value;
        EXPECT_EQ(ShownSingle(value), *back);
    }
    EXPECT_EQ(SignedText(12.5f), " 12.5");
    EXPECT_EQ(SignedText(-3.0f), "-3");
}

TEST(NumberTyping, TextsOnTheWayToANumberAreAcceptedTheRestIsNot) {
    for (const char* t : {"", " ", "-", "+", ".", "-.", ".5", "1e", "1e-", "1E+3", "e5", "5.",
                          "1-3", "12.5 ", "  -0.25e-3  "})
        EXPECT_TRUE(MayBecomeNumeric(t)) << t;
    for (const char* t :
         {"5,", "5,0", "1.2.3", "1e5e", "1 2", "a", "12a", "\t5", "0x1", "1e.5", "..", "5 -"})
        EXPECT_FALSE(MayBecomeNumeric(t)) << t;
}

TEST(NumberText, TrimsBlanksOnly) {
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("\t a \t"), "\t a \t");
    EXPECT_EQ(TrimLeftBlanks("  x "), "x ");
    EXPECT_EQ(TrimRightBlanks("  x "), "  x");
    EXPECT_EQ(TrimBlanks("   "), "");
}
