#pragma once
// Numbers as text: what the user types and what the program writes back.

#include <string>
#include <string_view>

namespace bravik {

// Every comma becomes a point and every blank is dropped, so that "1,25",
// "1.25" and "1 .25" all read as one and a quarter whatever the locale.
std::string NormaliseNumberText(std::string_view text);

// The locale-independent form used in the project file and in written-back
// fields: 15 significant digits, no trailing zeros, a point as decimal
// separator, a leading blank for zero and positive values, a minus sign for
// negative ones, no zero before the point below 1 (" .5", "-.25", " 6").
// Very large or very small magnitudes take an exponent (" 1.5E-07").
std::string PlainNumberText(double x);

// x rounded to `digits` significant digits and written as PlainNumberText
// writes (same sign, point and exponent rules).
std::string PlainNumberText(double x, int digits);

// x rounded to `digits` significant digits, as a box shows it after the
// program wrote it with PlainNumberText. Comparing two numbers "as the boxes
// show them" compares both sides rounded this way.
double RoundToDigits(double x, int digits = 15);

// The lenient conversion: the number at the start of the text, 0 when there
// is none. Blanks are skipped, a point is the decimal separator and an e or E
// exponent is accepted; only ASCII digits count. Never NaN or infinity:
// "nan", "inf" and numbers beyond the range of a double read as 0.
double LenientNumber(std::string_view text);

// Typed whole degrees: rounded half to even (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

// The decimal separator of the user's locale, used where the program writes
// numbers in the user's own format (screen boxes, XYZ listings). One
// process-wide setting so that tests can run under a point or a comma.
char LocaleDecimalSeparator();
void SetLocaleDecimalSeparator(char separator);

// Replaces the decimal point of a formatted number by the locale separator.
std::string WithLocaleSeparator(std::string text);

// The user's own number format, used where a screen fills its boxes from the
// design: 15 significant digits without trailing zeros, no leading blank, a
// zero before the point below 1 ("0.95", "-0.25", "6", "1.5E-07"), and the
// locale decimal separator.
std::string LocaleNumberText(double x);

}  // namespace bravik
