#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "geometry/bottom.h"
#include "geometry/numeric.h"
#include "sample_hulls.h"

namespace bravik {
namespace {

std::string Digits(double v, int significant) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", significant, v);
    return text;
}

TEST(TanDeg, UsesPiAtFullPrecision) {
    EXPECT_EQ(TanDeg(45), std::tan(std::numbers::pi / 4));
    EXPECT_EQ(TanDeg(0), 0.0);
    for (int a = -400; a <= 400; ++a) EXPECT_EQ(TanDegWhole(a), TanDeg(a)) << a;
}

TEST(SecantStep, ReachesTheOrdinateOrFallsBackToTheMidpoint) {
    struct Case { double y0, x1, y1, x2, y2, expected; };
    const Case cases[] = {
        {0, 1, -1, 3, 1, 2},      // root between the two points
        {4, 0, 0, 1, 2, 2},       // beyond them
        {5, 1, 3, 1, 7, 1},       // equal abscissae
        {5, 1, 3, 4, 3, 2.5},     // equal ordinates
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(SecantStep(c.y0, c.x1, c.y1, c.x2, c.y2), c.expected) << c.x1 << " " << c.x2;
}

TEST(DefaultBottom, KeelStationAndDepthAreTheStatedNumbers) {
    const HullDesign d = sample::Bottom();
    EXPECT_EQ(Digits(d.maxBeamX(0), 16), "3.797144649618416");
    // The keel lies below the chine at the first chine's maximum beam.
    EXPECT_EQ(Digits(LineHeight(d, 1, d.maxBeamX(1)) - BottomHeight(d, d.maxBeamX(1), 0), 15),
              "0.201928733586521");
    EXPECT_EQ(Digits(d.heightAtMaxBeam(0), 15), "-0.201928733586521");
    EXPECT_EQ(d.midshipIndex, 41);
}

TEST(FirstChineLaws, TakeTheStationValuesAtTheirEnds) {
    for (bool pram : {false, true}) {
        HullDesign d = sample::Bottom(pram);
        d.sShapeFwd = 0.7;  // an S-shaped rise must still end on the station heights
        const double xm = d.maxBeamX(1), l = d.lineLength(0);
        EXPECT_EQ(LineHalfBreadth(d, 1, xm), d.halfMaxBeam(1));
        EXPECT_EQ(LineHeight(d, 1, xm), 0.0);
        EXPECT_DOUBLE_EQ(LineHalfBreadth(d, 1, l), d.halfWidthFwd(1));
        EXPECT_DOUBLE_EQ(LineHeight(d, 1, l), d.heightFwd(1));
        EXPECT_DOUBLE_EQ(LineHalfBreadth(d, 1, 0), d.halfWidthAft(1));
        EXPECT_DOUBLE_EQ(LineHeight(d, 1, 0), d.heightAft(1));
    }
}

TEST(FirstChineLaws, ContinueStraightBeyondTheStemAndTransom) {
    const HullDesign d = sample::Bottom();
    // The continuation joins the power law with its slope: a small step past
    // each end agrees with the law's own derivative there.
    for (double end : {d.lineLength(0), 0.0}) {
        const double dir = end > d.maxBeamX(1) ? 1 : -1;
        const double h = 1e-6;
        const double slopeIn = (LineHalfBreadth(d, 1, end) - LineHalfBreadth(d, 1, end - dir * h)) / h;
        const double slopeOut = (LineHalfBreadth(d, 1, end + dir * 0.5) - LineHalfBreadth(d, 1, end)) / 0.5;
        EXPECT_NEAR(slopeIn, slopeOut, 1e-4);
        const double riseIn = (LineHeight(d, 1, end) - LineHeight(d, 1, end - dir * h)) / h;
        const double riseOut = (LineHeight(d, 1, end + dir * 0.5) - LineHeight(d, 1, end)) / 0.5;
        EXPECT_NEAR(riseIn, riseOut, 1e-4);
    }
    // Well past the pointed stem the half-breadth is negative.
    EXPECT_LT(LineHalfBreadth(d, 1, d.lineLength(0) + 0.2), 0);
}

TEST(BottomHeight, IsTheChineOnTheChineAndTheKeelOnTheCentrePlane) {
    const HullDesign d = sample::Bottom();
    for (int i = 1; i <= 81; ++i) {
        const double x = d.X(1, i);
        EXPECT_DOUBLE_EQ(BottomHeight(d, x, LineHalfBreadth(d, 1, x)), LineHeight(d, 1, x)) << i;
        EXPECT_EQ(d.Z(0, i), BottomHeight(d, x, 0));
        EXPECT_LE(d.Z(0, i), d.Z(1, i) + 1e-12) << "keel above chine at point " << i;
    }
    // Between the two maximum-beam stations the midship section carries on
    // below the wedge edge.
    const double x = (d.maxBeamX(0) + d.maxBeamX(1)) / 2;
    EXPECT_DOUBLE_EQ(BottomHeight(d, x, 0.2), d.heightAtMaxBeam(0) * (1 - 0.2 / d.halfMaxBeam(1)));
}

TEST(ComputeBottom, WithoutKeelAdvanceTheGeneratorsAreTransverse) {
    HullDesign d = sample::Bottom();
    d.keelAdvanceAngle = 0;
    d.maxBeamX(0) = d.maxBeamX(1);
    ComputeBottom(d);
    for (int i = 0; i <= 81; ++i) {
        EXPECT_EQ(d.bottomLineX(1, i), d.X(1, i));
        EXPECT_EQ(d.bottomLineY(1, i), d.Y(1, i));
        EXPECT_EQ(d.bottomLineZ(1, i), d.Z(1, i));
        EXPECT_EQ(d.bottomLineY(0, i), 0.0);
    }
    // Each station section is the straight deadrise line from the chine.
    for (int i = 1; i <= 81; ++i)
        EXPECT_NEAR(d.Z(1, i) - d.Z(0, i), d.Y(1, i) * TanDeg(d.plankAngle(0)), 1e-12) << i;
}

TEST(ComputeBottom, KeelAdvanceMovesTheChineEndsOfForwardGeneratorsAft) {
    const HullDesign d = sample::Bottom();
    for (int i = d.midshipIndex + 1; i <= 82; ++i) {
        const double x = d.bottomLineX(1, i);
        EXPECT_LE(x, d.bottomLineX(0, i)) << i;
        EXPECT_GE(x, d.X(1, d.midshipIndex)) << i;
        EXPECT_EQ(d.bottomLineY(1, i), LineHalfBreadth(d, 1, x));
        EXPECT_EQ(d.bottomLineZ(1, i), LineHeight(d, 1, x));
    }
    EXPECT_EQ(d.bottomLineX(0, 83), d.X(1, 82));
    EXPECT_EQ(d.bottomLineZ(1, 83), d.Z(1, 82));
    EXPECT_DOUBLE_EQ(d.bottomLineX(0, 82), (d.X(0, 82) + d.X(1, 82)) / 2);
}

TEST(ComputeBottom, FillsTheStationsAndEndsOfLinesZeroAndOne) {
    const HullDesign d = sample::Bottom();
    for (int i = 0; i <= 80; ++i) EXPECT_DOUBLE_EQ(d.X(0, i + 1), 6.0 * i / 80);
    EXPECT_EQ(d.X(1, 0), d.sternX(1));
    EXPECT_EQ(d.X(1, 82), d.lineLength(1));
    // The raked transom puts the chine's stern end aft of X = 0.
    EXPECT_LT(d.sternX(1), 0);
    EXPECT_NEAR(d.sternX(1), TanDeg(-25) * (d.Z(1, 0) - d.heightAft(0)), 1e-9);
    // Keel heights copied to lines 2..4 as lower bounds, and their stations.
    for (int n = 2; n <= 4; ++n) {
        EXPECT_GE(d.heightAft(n), d.heightAft(n - 1));
        EXPECT_EQ(d.lineLength(n), 6.0);
        EXPECT_EQ(d.maxBeamX(n), 3.0);
    }
}

TEST(ComputeFirstChineEnds, PointedDefaultBowKeepsItsRake) {
    // Keel and chine both end at 0.1 on the pointed stem: nothing to lower.
    const HullDesign d = sample::Bottom();
    EXPECT_EQ(d.bowAngle, 15);
    EXPECT_DOUBLE_EQ(d.heightFwd(0), 0.1);
    EXPECT_DOUBLE_EQ(d.lineLength(1), 6.0);
}

TEST(ComputeFirstChineEnds, LowersTheStemRakeUntilTheChineReachesIt) {
    // A narrow pram bow with a steep forward law: at a strong rake the
    // chine closes on the centre plane before it reaches the plate.
    HullDesign d = sample::Bottom(true);
    d.halfWidthFwd(1) = 0.02;
    d.powerFwd = 10;
    d.plankAngle(0) = 30;
    d.keelAdvanceAngle = 0;
    d.maxBeamX(0) = d.maxBeamX(1);
    d.bowAngle = 45;
    ComputeBottom(d);
    EXPECT_LT(d.bowAngle, 45);
    EXPECT_GT(d.bowAngle, 0);
    EXPECT_GE(LineHalfBreadth(d, 1, d.lineLength(1)), 0);
    EXPECT_GT(d.lineLength(1), d.lineLength(0));
}

TEST(ComputeFirstChineEnds, StopsAtAnUprightStem) {
    // A chine already closed at the stem station would close before any
    // stem: the search ends upright and keeps that pass.
    HullDesign d = sample::Bottom(true);
    d.halfWidthFwd(1) = -0.05;
    ComputeBottom(d);
    EXPECT_EQ(d.bowAngle, 0);
    EXPECT_EQ(d.lineLength(1), d.lineLength(0));
}

}  // namespace
}  // namespace bravik
