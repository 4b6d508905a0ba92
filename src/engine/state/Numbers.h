#pragma once
// Number and text helpers shared by the whole program. One syntax decides both whether a
// text is numeric and what number it is: optional blanks, an optional sign, digits with at
// most one decimal point (at least one digit), an optional exponent (e or E, optional sign,
// digits), optional blanks. The C locale is used: the decimal point is always '.'.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace strelvan {

// True when the text has the number syntax above and its value is a finite double.
bool IsNumeric(std::string_view text);
// True when the text has the number syntax above, whatever the size of its value ("1e400"
// is written as a number, though no double holds it).
bool HasNumberSyntax(std::string_view text);
// True when the text is a number written with a decimal comma in place of the point: one
// comma between two digits, and the number syntax once it is read as a point ("1,5",
// "-0,25", "2,5e3"). Such a text is not numeric: the decimal sign is always the point.
bool IsDecimalCommaNumber(std::string_view text);
// True when typing more characters into the text can make it numeric: every numeric text,
// any text made of one by leaving characters out ("-", ".5", "1e", "1-3"), and the empty
// text. A box that takes a number accepts such texts while the user types.
bool MayBecomeNumeric(std::string_view text);
// The value of a numeric text; nullopt exactly when IsNumeric is false.
std::optional<double> ToNumber(std::string_view text);
// The value as a single-precision number (through SingleOf); nullopt when the text is not
// numeric or its value lies outside the range of a float (it would overflow).
std::optional<float> ToSingle(std::string_view text);
// A double stored as a single-precision number; nullopt when it is not a number or lies
// beyond the range of a float (it would be stored as an infinity).
std::optional<float> SingleOf(double value);
// The value as a 16-bit integer, rounded half to even; nullopt when not numeric or out of
// range.
std::optional<int16_t> ToInt16(std::string_view text);

// Int(): the largest whole number not above x.
double Int(double x);
// Rounding to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double x);
// Half-to-even rounding into a 16-bit integer; nullopt when the result does not fit.
std::optional<int16_t> CInt(double x);

// A single-precision number as the program shows it: its shortest digits rounded to at
// most 7 significant digits (a half to the even digit), the precision a float carries,
// without trailing zeros or a leading blank: 64.5 -> "64.5", 3.0 -> "3", 4.7560005 ->
// "4.756", 1/3 -> "0.3333333". From 1E+07 up and below 1E-05 an exponent is written
// ("1E+20", "1.234568E+08").
std::string SingleText(float value);
// The float that the shown text of a value reads back as: what a user who picks or types
// that text means.
float ShownSingle(float value);
// The same for a double (shortest text that reads back as the same double).
std::string DoubleText(double value);
// A number as printed in a list of printed items: a blank in place of the sign when it is
// not negative (" 12.5", "-3").
std::string SignedText(float value);

// Blanks (spaces only; tabs stay) removed at both ends, at the start, or at the end.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeftBlanks(std::string_view text);
std::string_view TrimRightBlanks(std::string_view text);

} // namespace strelvan
