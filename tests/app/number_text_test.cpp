#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/number_text.h"

namespace bravik {
namespace {

TEST(NormaliseNumberText, CommasBecomePointsAndBlanksDrop) {
    EXPECT_EQ(NormaliseNumberText("1,25"), "1.25");
    EXPECT_EQ(NormaliseNumberText(" 1 .25 "), "1.25");
    EXPECT_EQ(NormaliseNumberText("a,b c"), "a.bc");
    for (const char* typed : {"1,25", "1.25", "1 .25"})
        EXPECT_EQ(LenientNumber(NormaliseNumberText(typed)), 1.25) << typed;
}

TEST(PlainNumberText, WritesAsTheProjectFileExpects) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {3.797144649618416, " 3.79714464961842"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {6, " 6"},
        {0, " 0"},
        {-25, "-25"},
        {0.1, " .1"},
        {-0.201928733586521, "-.201928733586521"},
        {1.2000000000000002, " 1.2"},
        {0.30000000000000004, " .3"},
        {123456789012345.0, " 123456789012345"},
        {1e15, " 1E+15"},
        {0.0001, " .0001"},
        {0.00001, " .00001"},
        {1.5e-7, " 1.5E-07"},
        {-2.5e-17, "-2.5E-17"},
        {100, " 100"},
        {1050.5, " 1050.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlainNumberText(c.x), c.text) << c.x;
}

TEST(PlainNumberText, ReadsBackToFifteenDigits) {
    for (double x : {3.797144649618416, -0.201928733586521, 1e-9, 12345.678901234567, -7.5e20}) {
        const double back = LenientNumber(PlainNumberText(x));
        EXPECT_NEAR(back, x, std::abs(x) * 1e-14) << x;
    }
}

TEST(PlainNumberText, FewerDigits) {
    EXPECT_EQ(PlainNumberText(6.099999904632568, 7), " 6.1");
    EXPECT_EQ(PlainNumberText(0.0060999999, 7), " .0061");
}

TEST(LenientNumber, ReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"  2.5m", 2.5},
        {"-.5", -0.5},
        {"+3", 3},
        {"1 2", 12},
        {"1.2.3", 1.2},
        {"5.", 5},
        {"1e3", 1000},
        {"1E-2x", 0.01},
        {"2e", 2},
        {"2e+", 2},
        {".", 0},
        {"-", 0},
        {"e5", 0},
        {"nan", 0},
        {"inf", 0},
        {"-infinity", 0},
        {"1e999", 0},
        {"-1e999", 0},
        {"1e-999", 0},
        {"0x10", 0},
        {"\t7\n", 7},
    };
    for (const auto& c : cases) EXPECT_EQ(LenientNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(RoundHalfEven, TiesGoToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(12.4), 12);
    EXPECT_EQ(RoundHalfEven(12.6), 13);
}

TEST(LocaleSeparator, IsInjectable) {
    SetLocaleDecimalSeparator(',');
    EXPECT_EQ(WithLocaleSeparator("1.25"), "1,25");
    SetLocaleDecimalSeparator('.');
    EXPECT_EQ(WithLocaleSeparator("1.25"), "1.25");
}

}  // namespace
}  // namespace bravik
