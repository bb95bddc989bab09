// The flat helpers: triangle corners, directions, offsets and rotation.

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/plane_angles.h"
#include "geometry/plane_offsets.h"

namespace bravik {
namespace {

constexpr double kPi = 3.14159265358979;

TEST(PlaneAngles, TriangleAngles) {
    struct Case {
        double a, b, c, A, B, C;
    };
    const double third = kPi / 3;
    const Case cases[] = {
        {3, 4, 5, std::atan2(3, 4), std::atan2(4, 3), kPi / 2},   // right angle opposite 5
        {1, 1, 1, third, third, third},
        {0, 0, 0, third, third, third},                           // no perimeter: equilateral
        {2, 1, 1, kPi, 0, 0},                                     // collinear, each side longest in turn
        {1, 2, 1, 0, kPi, 0},
        {1, 1, 2, 0, 0, kPi},
        {2, 1, 1 + 1e-8, kPi, 0, 0},                              // within 1e-7 of flat
    };
    for (const Case& c : cases) {
        const TriangleCorners t = TriangleAngles(c.a, c.b, c.c);
        EXPECT_NEAR(t.A, c.A, 1e-12) << c.a << " " << c.b << " " << c.c;
        EXPECT_NEAR(t.B, c.B, 1e-12) << c.a << " " << c.b << " " << c.c;
        EXPECT_NEAR(t.C, c.C, 1e-12) << c.a << " " << c.b << " " << c.c;
    }
}

TEST(PlaneAngles, DirectionAngleCoversTheFullTurn) {
    struct Case {
        double x2, y2, expected;
    };
    const Case cases[] = {
        {1, 0, 0},           {1, 1, kPi / 4},         {0, 1, 1.570796326795},
        {-1, 1, 3 * kPi / 4}, {-1, 0, 3.14159265359}, {-1, -1, 5 * kPi / 4},
        {0, -1, 4.712388980385}, {1, -1, 7 * kPi / 4}, {0, 0, 0},
    };
    for (const Case& c : cases) EXPECT_NEAR(DirectionAngle(0, 0, c.x2, c.y2), c.expected, 1e-11) << c.x2 << " " << c.y2;
    EXPECT_NEAR(DirectionAngle(2, 3, 3, 4), kPi / 4, 1e-11);
    EXPECT_NEAR(AtnDeg(1), 45, 1e-9);
    EXPECT_NEAR(AtnDeg(-std::sqrt(3.0)), -60, 1e-9);
}

// Distance from p to the line through a and b.
double DistanceToLine(Point2 p, Point2 a, Point2 b) {
    return std::fabs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / std::hypot(b.x - a.x, b.y - a.y);
}
bool OnLine(Point2 p, Point2 a, Point2 b) { return DistanceToLine(p, a, b) < 1e-9; }

TEST(PlaneOffsets, CornersLieOnOneLineAtTheOffsetFromTheOther) {
    const Point2 corners[][3] = {
        {{0, 0}, {1, 0}, {1, 1}},          // right angle
        {{0, 0}, {2, 0.5}, {3, 2}},        // gentle bend to the left
        {{-1, 2}, {0.5, 1}, {2, 1.4}},     // bend to the right
    };
    for (const auto& c : corners) {
        const Point2 onNext = OffsetCornerOnNext(c[0], c[1], c[2], 0.1);
        EXPECT_TRUE(OnLine(onNext, c[1], c[2]));
        EXPECT_NEAR(DistanceToLine(onNext, c[0], c[1]), 0.1, 1e-9);
        const Point2 onPrevious = OffsetCornerOnPrevious(c[0], c[1], c[2], 0.1);
        EXPECT_TRUE(OnLine(onPrevious, c[0], c[1]));
        EXPECT_NEAR(DistanceToLine(onPrevious, c[1], c[2]), 0.1, 1e-9);
    }
    // In line: the corner moves on along the common direction.
    const Point2 straight = OffsetCornerOnNext({0, 0}, {1, 1}, {2, 2}, std::sqrt(2.0));
    EXPECT_NEAR(straight.x, 2, 1e-9);
    EXPECT_NEAR(straight.y, 2, 1e-9);
    const Point2 straightBack = OffsetCornerOnPrevious({0, 0}, {1, 0}, {3, 0}, 0.5);
    EXPECT_NEAR(straightBack.x, 1.5, 1e-12);
    EXPECT_NEAR(straightBack.y, 0, 1e-12);
}

TEST(PlaneOffsets, PerpendicularAndRotation) {
    const Point2 left = OffsetPerpendicular({1, 1}, {4, 5}, 0.5);   // 3-4-5 direction
    EXPECT_NEAR(left.x, 4 - 4 * 0.1, 1e-12);
    EXPECT_NEAR(left.y, 5 + 3 * 0.1, 1e-12);
    const Point2 same = OffsetPerpendicular({2, 3}, {2, 3}, 0.5);
    EXPECT_EQ(same.x, 2);
    EXPECT_EQ(same.y, 3.5);

    struct Case {
        Point2 p, centre;
        double theta;
        Point2 expected;
    };
    const Case cases[] = {
        {{2, 1}, {1, 1}, kPi / 2, {1, 2}},
        {{1, 3}, {1, 1}, kPi / 2, {-1, 1}},     // straight above the centre
        {{1, -1}, {1, 1}, kPi, {1, 3}},         // straight below
        {{0, 1}, {1, 1}, -kPi / 2, {1, 2}},     // to the left of the centre
        {{1, 1}, {1, 1}, 1.0, {1, 1}},          // the centre itself stays
    };
    for (const Case& c : cases) {
        const Point2 r = RotateAbout(c.p, c.centre, c.theta);
        EXPECT_NEAR(r.x, c.expected.x, 1e-12) << c.p.x << " " << c.p.y;
        EXPECT_NEAR(r.y, c.expected.y, 1e-12) << c.p.x << " " << c.p.y;
    }
}

}  // namespace
}  // namespace bravik
