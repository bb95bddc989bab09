#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "geometry/bottom.h"
#include "geometry/station_sections.h"
#include "sample_hulls.h"

namespace bravik {
namespace {

void ComputeAllSections(HullDesign& d) {
    for (int s = 0; s <= 82; ++s) ComputeStationSection(d, s);
}

TEST(LineIntersection2D, MeetsOrAveragesWhenTheLinesCannotMeet) {
    struct Case { double x1, y1, x2, y2, x3, y3, x4, y4, x, y; };
    const Case cases[] = {
        {0, 0, 2, 2, 0, 2, 2, 0, 1, 1},      // crossing
        {0, 0, 1, 1, 0, 1, 1, 2, 0.5, 1},    // parallel: mean of the four points
        {0, 1, 2, 5, 3, 0, 3, 9, 3, 7},      // second vertical
        {1, 0, 1, 4, 0, 2, 2, 4, 1, 3},      // first vertical
        {1, 0, 1, 4, 3, 2, 3, 6, 2, 3},      // both vertical
    };
    for (const Case& c : cases) {
        const Point2 p = LineIntersection2D(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4);
        EXPECT_DOUBLE_EQ(p.x, c.x) << c.x1 << "," << c.y1 << " " << c.x3 << "," << c.y3;
        EXPECT_DOUBLE_EQ(p.y, c.y) << c.x1 << "," << c.y1 << " " << c.x3 << "," << c.y3;
    }
}

TEST(ComputeStationSection, RunsFromKeelAcrossTheBottomAndUpEveryChine) {
    HullDesign d = sample::DefaultHull(true);
    d.sectionX.Fill(-7);
    ComputeAllSections(d);
    for (int s = 0; s <= 81; ++s) {
        EXPECT_EQ(d.sectionX(s, 0), d.X(0, s));
        EXPECT_EQ(d.sectionY(s, 0), 0.0);
        EXPECT_EQ(d.sectionZ(s, 0), d.Z(0, s));
        EXPECT_DOUBLE_EQ(d.sectionY(s, 10), d.Y(1, s));
        EXPECT_NEAR(d.sectionZ(s, 10), d.Z(1, s), 1e-12) << s;
        for (int k = 1; k <= 10; ++k)
            EXPECT_GE(d.sectionY(s, k), d.sectionY(s, k - 1)) << s << " " << k;
    }
    for (int s = 0; s <= 82; ++s) {
        for (int j = 2; j <= d.lastLine; ++j) {
            EXPECT_EQ(d.sectionX(s, j + 9), d.X(j, s));
            EXPECT_EQ(d.sectionY(s, j + 9), d.Y(j, s));
            EXPECT_EQ(d.sectionZ(s, j + 9), d.Z(j, s));
        }
        EXPECT_EQ(d.sectionX(s, d.lastLine + 10), -7);  // above the sheer: left alone
    }
    EXPECT_EQ(d.sectionX(83, 0), -7);
}

TEST(ComputeStationSection, WithOnlyTheBottomASectionHasElevenPoints) {
    HullDesign d = sample::Bottom();
    d.lastLine = 1;
    d.sectionZ.Fill(5);
    ComputeAllSections(d);
    for (int s = 0; s <= 82; ++s) {
        EXPECT_NE(d.sectionZ(s, 10), 5) << s;
        EXPECT_EQ(d.sectionZ(s, 11), 5) << s;
    }
}

TEST(ComputeStationSection, PramBowEndStepsEvenlyInHeight) {
    HullDesign d = sample::DefaultHull(true);
    ComputeAllSections(d);
    const double z0 = d.Z(0, 82), z1 = d.Z(1, 82);
    ASSERT_GT(z1 - z0, 0.01);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_NEAR(d.sectionZ(82, k), z0 + (z1 - z0) * k / 10, 1e-12);
        EXPECT_GE(d.sectionY(82, k), 0);
        EXPECT_LE(d.sectionY(82, k), d.Y(1, 82));
        if (k > 0) {
            EXPECT_GT(d.sectionY(82, k), d.sectionY(82, k - 1)) << k;
        }
    }
    EXPECT_EQ(d.sectionY(82, 0), 0.0);
    EXPECT_EQ(d.sectionY(82, 10), d.Y(1, 82));
}

TEST(ComputeStationSection, PointedBowEndAndClosedChineLieOnTheCentrePlane) {
    HullDesign d = sample::DefaultHull();
    ComputeAllSections(d);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(d.sectionY(82, k), 0.0) << k;
        EXPECT_DOUBLE_EQ(d.sectionX(82, k), d.lineLength(0));
        EXPECT_DOUBLE_EQ(d.sectionZ(82, k), d.heightFwd(1));
    }
    // Point 81 is the stem station, where the chine has closed.
    ASSERT_EQ(d.Y(1, 81), 0.0);
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(d.sectionY(81, k), 0.0);
}

TEST(BottomHalfBreadth, ClampsAboveTheChineAndBelowTheKeel) {
    HullDesign d = sample::Bottom();
    for (double x : {1.0, 3.4, 5.0}) {
        EXPECT_EQ(BottomHalfBreadth(d, x, LineHeight(d, 1, x) + 0.1), LineHalfBreadth(d, 1, x));
        EXPECT_EQ(BottomHalfBreadth(d, x, BottomHeight(d, x, 0) - 0.1), 0.0);
    }
    // A flat bottom: keel and chine at one height, nothing below it.
    d.plankAngle(0) = 0;
    d.keelAdvanceAngle = 0;
    d.maxBeamX(0) = d.maxBeamX(1);
    d.heightAtMaxBeam(0) = 0;
    for (double x : {1.0, 4.0}) EXPECT_EQ(BottomHalfBreadth(d, x, LineHeight(d, 1, x) - 0.01), 0.0);
}

// Largest |BottomHalfBreadth(x, BottomHeight(x, y)) - y| over stations
// [from, to] and half-breadths strictly between keel and chine.
double InverseResidual(const HullDesign& d, double from, double to) {
    double worst = 0;
    for (int i = 0; i <= 40; ++i) {
        const double x = from + (to - from) * i / 40;
        const double chine = LineHalfBreadth(d, 1, x);
        for (int j = 1; j <= 9; ++j) {
            const double y = chine * j / 10;
            worst = std::max(worst, std::abs(BottomHalfBreadth(d, x, BottomHeight(d, x, y)) - y));
        }
    }
    return worst;
}

TEST(BottomHalfBreadth, InvertsBottomHeight) {
    const HullDesign d = sample::Bottom();
    EXPECT_LT(InverseResidual(d, 0, d.maxBeamX(1)), 1e-12);
    // Forward of the maximum beam neither side is exact: BottomHeight's seven
    // fixed-point passes have not settled near the stem, and the inverse's
    // seven secant passes in a ±1 % bracket stop at a 1e-5 height tolerance.
    // On this hull they disagree by up to 1.24 mm, worst near the keel
    // just aft of the stem.
    EXPECT_LT(InverseResidual(d, d.maxBeamX(1) + 0.01, d.lineLength(0) - 0.01), 2e-3);
}

}  // namespace
}  // namespace bravik
