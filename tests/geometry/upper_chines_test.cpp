#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "geometry/bottom.h"
#include "geometry/numeric.h"
#include "geometry/upper_chines.h"
#include "sample_hulls.h"

namespace bravik {
namespace {

// The upper-chine definition written literally: the half-breadth and the
// height of line n each evaluate both values of line n - 1 on their own.
double LiteralHeight(const HullDesign& d, int n, double x);

double LiteralHalfBreadth(const HullDesign& d, int n, double x) {
    if (n == 1) return LineHalfBreadth(d, 1, x);
    const double t = TanDeg(90 - d.plankAngle(n - 1));
    const double y = LiteralHalfBreadth(d, n - 1, x), z = LiteralHeight(d, n - 1, x);
    return ((d.chinePlaneZ0(n) + d.chinePlaneSlopeX(n) * x) * t + (y - z * t)) /
           (1 - t * d.chinePlaneSlopeY(n));
}

double LiteralHeight(const HullDesign& d, int n, double x) {
    if (n == 1) return LineHeight(d, 1, x);
    const double t = TanDeg(90 - d.plankAngle(n - 1));
    const double y = LiteralHalfBreadth(d, n - 1, x), z = LiteralHeight(d, n - 1, x);
    return ((y - z * t) * d.chinePlaneSlopeY(n) + (d.chinePlaneZ0(n) + d.chinePlaneSlopeX(n) * x)) /
           (1 - t * d.chinePlaneSlopeY(n));
}

struct NamedHull {
    const char* name;
    HullDesign d;
};

std::vector<NamedHull> Hulls() {
    std::vector<NamedHull> hulls;
    hulls.push_back({"default", sample::DefaultHull()});
    hulls.push_back({"default, pram bow", sample::DefaultHull(true)});
    HullDesign planked = sample::Bottom();
    sample::AddPlanks(planked, 11);
    hulls.push_back({"ten planks", planked});
    HullDesign pram = sample::Bottom(true);
    sample::AddPlanks(pram, 6, 20, 2.0);
    hulls.push_back({"five planks, pram bow", pram});
    return hulls;
}

TEST(LineHalfBreadthAndHeight, IsBitIdenticalToTheLiteralRecursion) {
    HullDesign d = sample::Bottom(true);
    sample::AddPlanks(d, 6);
    for (int n = 1; n <= 6; ++n) {
        for (int step = -10; step <= 130; ++step) {
            const double x = step * 0.05 + 0.013;  // also beyond the line's ends
            const auto [y, z] = LineHalfBreadthAndHeight(d, n, x);
            EXPECT_EQ(y, LiteralHalfBreadth(d, n, x)) << "line " << n << " x " << x;
            EXPECT_EQ(z, LiteralHeight(d, n, x)) << "line " << n << " x " << x;
            EXPECT_EQ(LineHalfBreadth(d, n, x), y);
            EXPECT_EQ(LineHeight(d, n, x), z);
        }
    }
}

TEST(RecomputeUpperLines, EveryChinePointLiesOnItsPlaneAndOnThePlankBelow) {
    for (const auto& [name, d] : Hulls()) {
        for (int n = 2; n <= d.lastLine; ++n) {
            const double t = TanDeg(90 - d.plankAngle(n - 1));
            for (int i = 0; i <= 82; ++i) {
                const double x = d.X(n, i), y = d.Y(n, i), z = d.Z(n, i);
                const double plane = d.chinePlaneZ0(n) + d.chinePlaneSlopeX(n) * x + d.chinePlaneSlopeY(n) * y;
                EXPECT_NEAR(z, plane, 1e-9) << name << " line " << n << " point " << i;
                const double yBelow = LineHalfBreadth(d, n - 1, x), zBelow = LineHeight(d, n - 1, x);
                EXPECT_NEAR(y, yBelow + t * (z - zBelow), 1e-9) << name << " line " << n << " point " << i;
                EXPECT_GE(x, d.sternX(n));
                EXPECT_LE(x, d.lineLength(n));
            }
            // The plane passes through the three station points.
            EXPECT_NEAR(d.chinePlaneZ0(n) + d.chinePlaneSlopeX(n) * d.maxBeamX(1) +
                            d.chinePlaneSlopeY(n) * d.halfMaxBeam(n),
                        d.heightAtMaxBeam(n), 1e-9) << name;
            EXPECT_NEAR(d.chinePlaneZ0(n) + d.chinePlaneSlopeX(n) * d.lineLength(0) +
                            d.chinePlaneSlopeY(n) * d.halfWidthFwd(n),
                        d.heightFwd(n), 1e-9) << name;
        }
    }
}

TEST(ComputeLineEnds, PramBowChinesEndOnTheRakedPlate) {
    HullDesign d = sample::DefaultHull(true);
    for (int n = 2; n <= d.lastLine; ++n) {
        const double rake = TanDeg(d.bowTurn(n - 1) * d.bowAngle);
        EXPECT_GE(d.lineLength(n), d.lineLength(0));
        EXPECT_GT(d.Y(n, 82), 0) << n;
        EXPECT_NEAR(d.lineLength(n), d.lineLength(n - 1) + rake * (d.Z(n, 82) - d.Z(n - 1, 82)), 1e-6) << n;
        EXPECT_GT(d.lineLength(n), d.lineLength(n - 1)) << "raked forward, line " << n;
    }
    // Turned in above line 3, line 4 ends aft of line 3's bow end.
    d.bowTurn(3) = -1;
    RecomputeUpperLines(d);
    EXPECT_LT(d.lineLength(4), d.lineLength(3));
    EXPECT_GE(d.lineLength(4), d.lineLength(0));
    // Turned in right above the bottom, the plate would reach aft of the
    // keel's bow end: the chine is held there.
    d.bowTurn(1) = -1;
    d.bowAngle = 60;
    RecomputeUpperLines(d);
    EXPECT_EQ(d.lineLength(2), d.lineLength(0));
}

TEST(ComputeLineEnds, PointedBowChinesEndOnTheCentrePlane) {
    for (const auto& [name, d] : Hulls()) {
        if (d.halfWidthFwd(1) > 0) continue;
        for (int n = 2; n <= d.lastLine; ++n) {
            EXPECT_GE(d.lineLength(n), d.lineLength(0)) << name;
            EXPECT_NEAR(d.Y(n, 82), 0, 1e-4) << name << " line " << n;
        }
    }
}

TEST(ComputeLineEnds, TransomTurnedInBringsTheChineForwardButNotPastTheKeel) {
    // The default hull turns the transom in above line 4.
    const HullDesign d = sample::DefaultHull();
    ASSERT_EQ(d.transomTurn(4), -1);
    for (int n = 2; n <= d.lastLine; ++n) {
        const double rake = TanDeg(d.transomTurn(n - 1) * d.transomAngle);
        EXPECT_LE(d.sternX(n), d.sternX(0));
        EXPECT_NEAR(d.sternX(n), d.sternX(n - 1) + rake * (d.Z(n, 0) - d.Z(n - 1, 0)), 1e-6) << n;
    }
    for (int n = 2; n <= 4; ++n) EXPECT_LT(d.sternX(n), d.sternX(n - 1)) << n;
    EXPECT_GT(d.sternX(5), d.sternX(4));

    // Turned in right above the bottom, the chine would end forward of the
    // keel's stern end: it is held there.
    HullDesign in = sample::DefaultHull();
    in.transomTurn(1) = -1;
    in.transomAngle = -60;
    RecomputeUpperLines(in);
    EXPECT_EQ(in.sternX(2), in.sternX(0));
}

TEST(StationHalfWidthRule, AHeightBelowTheCentrePlaneCrossingIsReplaced) {
    HullDesign d = sample::Bottom();
    d.plankAngle(1) = 60;  // the plank climbs tan 30° of half-breadth per unit of height
    d.heightAft(2) = -2;
    d.heightAtMaxBeam(2) = -2;
    SetAftHalfWidth(d, 2);
    SetMidHalfWidth(d, 2);
    // Crossings at 0.15 - 0.7/tan 30° and 0 - 0.95/tan 30°.
    EXPECT_DOUBLE_EQ(d.heightAft(2), -1.06245);
    EXPECT_EQ(d.halfWidthAft(2), 0.0);
    EXPECT_DOUBLE_EQ(d.heightAtMaxBeam(2), -1.6455);
    EXPECT_EQ(d.halfMaxBeam(2), 0.001);
}

TEST(StationHalfWidthRule, ChineIsNeverNarrowerAmidshipsThanAtTheTransom) {
    HullDesign d = sample::Bottom();
    d.plankAngle(1) = 60;
    d.heightAft(2) = 0.5;
    d.heightAtMaxBeam(2) = -0.1;
    SetAftHalfWidth(d, 2);
    SetMidHalfWidth(d, 2);
    EXPECT_GT(d.heightAtMaxBeam(2), -0.1);
    EXPECT_GE(d.halfMaxBeam(2), d.halfWidthAft(2));
    EXPECT_LT(d.halfMaxBeam(2) - d.halfWidthAft(2), 0.0001);
    // Above the crossing the rule only sets the half-breadth.
    d.heightFwd(2) = 0.7;
    SetFwdHalfWidth(d, 2);
    EXPECT_EQ(d.heightFwd(2), 0.7);
    EXPECT_DOUBLE_EQ(d.halfWidthFwd(2), TanDeg(30) * 0.6);
}

TEST(ComputeChinePlane, EqualHalfBreadthsGiveAPlaneAlongY) {
    HullDesign d = sample::Bottom(true);
    d.lastLine = 2;
    d.halfWidthAft(2) = d.halfMaxBeam(2) = d.halfWidthFwd(2) = 0.8;
    d.heightAft(2) = 0.5;
    d.heightAtMaxBeam(2) = 0.4;
    d.heightFwd(2) = 0.6;
    RecomputeUpperLines(d);
    EXPECT_EQ(d.chinePlaneSlopeX(2), 0.0);
    EXPECT_TRUE(std::isfinite(d.lineLength(2)));
    EXPECT_TRUE(std::isfinite(d.sternX(2)));
    for (int i = 0; i <= 82; ++i) {
        EXPECT_NEAR(d.Y(2, i), 0.8, 2e-3) << i;
        EXPECT_TRUE(std::isfinite(d.Z(2, i)));
    }
}

TEST(ComputeChineAngles, AnglesBetweenThePanels) {
    const HullDesign d = sample::DefaultHull();
    for (int i = 0; i <= 82; ++i) {
        EXPECT_EQ(d.chineAngle(d.lastLine, i), std::numbers::pi / 2);
        for (int n = 2; n < d.lastLine; ++n)
            EXPECT_DOUBLE_EQ(d.chineAngle(n, i), (d.plankAngle(n) - d.plankAngle(n - 1)) * std::numbers::pi / 180);
    }
}

TEST(ComputeChineAngles, FirstChineComparesTheTwoLowestSidePlanks) {
    HullDesign d = sample::Bottom();
    d.lastLine = 2;
    d.plankAngle(1) = 80;
    d.plankAngle(2) = 70;  // stored, though plank 2 does not exist
    RecomputeUpperLines(d);
    for (int i = 0; i <= 82; ++i) EXPECT_EQ(d.chineAngle(1, i), std::numbers::pi / 2);

    d.plankAngle(2) = 85;
    RecomputeUpperLines(d);
    // Aft of the maximum beam the bottom falls at its deadrise from the chine.
    for (int i : {5, 20, int{d.midshipIndex}})
        EXPECT_NEAR(d.chineAngle(1, i), (80 - d.plankAngle(0)) * std::numbers::pi / 180, 1e-9) << i;
    for (int i = 0; i <= 82; ++i) EXPECT_LT(d.chineAngle(1, i), 80 * std::numbers::pi / 180) << i;
}

TEST(RecomputeUpperLines, ReportsEveryPointOfEveryPass) {
    HullDesign d = sample::Bottom();
    for (int n = 2; n <= d.lastLine; ++n) {
        SetFwdHalfWidth(d, n);
        SetAftHalfWidth(d, n);
        SetMidHalfWidth(d, n);
    }
    std::vector<int> seen(83, 0);
    RecomputeUpperLines(d, [&seen](int point) { ++seen.at(point); });
    // Points of lines 2..5 and chine angles of lines 1..5.
    for (int i = 0; i <= 82; ++i) EXPECT_EQ(seen[i], 4 + 5) << i;
}

}  // namespace
}  // namespace bravik
