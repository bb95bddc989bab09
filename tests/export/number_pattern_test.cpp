#include "export/number_pattern.h"

#include <gtest/gtest.h>

#include "app/number_text.h"

namespace bravik {
namespace {

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(NumberPattern, WritesEveryPatternTheFilesAndPrintsUse) {
    const PatternCase cases[] = {
        // Two sections: the sign is the section's own text.
        {0.0, " +0.##0 ; -0.##0 ", " +0.000 "},
        {-0.25, " +0.##0 ; -0.##0 ", " -0.250 "},
        {1.23456, " +0.##0 ; -0.##0 ", " +1.235 "},
        {-0.00001, " +0.##0 ; -0.##0 ", " -0.000 "},
        {12.5, " +0.##0 ; -0.##0 ", " +12.500 "},
        // One section with a leading blank: the minus sits before the digits.
        {1.5, " 0.##0 ", " 1.500 "},
        {-1.5, " 0.##0 ", " -1.500 "},
        {0.0, " 0.000 ", " 0.000 "},
        {-0.1234, " 0.000 ", " -0.123 "},
        {5, " 00 ", " 05 "},
        {83, " 00 ", " 83 "},
        {123, " 00 ", " 123 "},
        // Optional decimals.
        {1.5, "0.0##", "1.5"},
        {1.25, "0.0##", "1.25"},
        {1.2346, "0.0##", "1.235"},
        {2, "0.0##", "2.0"},
        {-0.05, "0.0##", "-0.05"},
        {0.12345, "#0.0000", "0.1235"},
        {-3.14159, "#0.0000", "-3.1416"},
        {7, "#0", "7"},
        {0, "#0", "0"},
        {2.5, "#0", "3"},
        {1.0006, "0.000", "1.001"},
        {0.95, "0.0", "0.9"},   // 0.95 lies just below the halfway point in binary
        {0.96, "0.0", "1.0"},
        {9.96, "0.0", "10.0"},
        {7, "00", "07"},
        {-7, "00", "-07"},
        {41, "0", "41"},
        {-0.4, "0", "-0"},
        {1234567.891, "0.000", "1234567.891"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " with \"" << c.pattern << '"';
}

TEST(NumberPattern, ExactHalfwayRoundsAwayFromZero) {
    // Binary-exact halves: a tie at the last written decimal.
    EXPECT_EQ(FormatNumber(0.0625, "0.000"), "0.063");
    EXPECT_EQ(FormatNumber(-0.0625, "0.000"), "-0.063");
    EXPECT_EQ(FormatNumber(0.5, "0"), "1");
    EXPECT_EQ(FormatNumber(2.5, "0"), "3");
    EXPECT_EQ(FormatNumber(-2.5, "0"), "-3");
    EXPECT_EQ(FormatNumber(0.125, "0.00"), "0.13");
    EXPECT_EQ(FormatNumber(1.03125, "0.0000"), "1.0313");
    // Values whose binary form lies just below a decimal half stay below it.
    EXPECT_EQ(FormatNumber(1.0005 - 1e-15, "0.000"), "1.000");
    EXPECT_EQ(FormatNumber(0.15, "0.0"), "0.1");   // 0.1499999999999999944...
    EXPECT_EQ(FormatNumber(0.35, "0.0"), "0.3");   // 0.3499999999999999778...
    EXPECT_EQ(FormatNumber(0.45, "0.0"), "0.5");   // 0.4500000000000000111...
}

TEST(NumberPattern, NonFiniteValuesAreWrittenAsZero) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), " 0.000 "), " 0.000 ");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "0.0##"), "0.0");
    EXPECT_EQ(FormatNumber(1e300, "0").size(), 301u);
}

TEST(NumberPattern, LocaleVariantUsesTheUsersSeparator) {
    SetLocaleDecimalSeparator(',');
    EXPECT_EQ(FormatLocaleNumber(-0.25, " +0.##0 ; -0.##0 "), " -0,250 ");
    EXPECT_EQ(FormatNumber(-0.25, " +0.##0 ; -0.##0 "), " -0.250 ");
    SetLocaleDecimalSeparator('.');
    EXPECT_EQ(FormatLocaleNumber(-0.25, " +0.##0 ; -0.##0 "), " -0.250 ");
}

}  // namespace
}  // namespace bravik
