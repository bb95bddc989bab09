#pragma once
// Numbers written through a display pattern, as the listings and printed
// tables show them.
//
// Pattern language: '0' is a digit that is always written, '#' a digit
// written only when it carries value, '.' the decimal point; every other
// character is written as it stands. A ';' starts a second section used for
// negative values, which then carries its own sign as text (" +0.##0 ; -0.##0 ").
// With a single section a negative value gets its minus sign right before its
// first digit (" -1.500 " for " 0.000 "), so that spreadsheets read it as a
// number. The sign follows the value, not its rounded text: -0.00001 written
// with "0.000" is "-0.000".
//
// Decimals: as many as the pattern has placeholders after the point, trailing
// zeros dropped down to the last '0' ("0.0##": 1.5 -> "1.5", 1.2346 -> "1.235").
// A value exactly halfway between two results rounds away from zero, as a
// person rounds by hand (0.0625 with three decimals is 0.063).

#include <string>
#include <string_view>

namespace bravik {

// A whole number with a blank standing in for the plus sign (" 41", "-3").
inline constexpr const char* kSignedWholePattern = " 0;-0";

// The decimal separator is always a point.
std::string FormatNumber(double v, std::string_view pattern);

// The same with the user's locale decimal separator (LocaleDecimalSeparator).
std::string FormatLocaleNumber(double v, std::string_view pattern);

// |v| with exactly `decimals` decimals and at least one integer digit, a point
// as separator, halfway values rounded away from zero. Not-a-number and
// infinities read as 0.
std::string RoundedMagnitude(double v, int decimals);

}  // namespace bravik
