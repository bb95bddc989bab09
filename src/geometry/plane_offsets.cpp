#include "geometry/plane_offsets.h"

#include <cmath>

#include "geometry/plane_angles.h"

namespace bravik {

Point2 OffsetCornerOnNext(Point2 p1, Point2 p2, Point2 p3, double d) {
    const double a1 = DirectionAngle(p1.x, p1.y, p2.x, p2.y);
    const double a2 = DirectionAngle(p2.x, p2.y, p3.x, p3.y);
    if (a2 == a1) return {p2.x + d * std::cos(a1), p2.y + d * std::sin(a1)};
    const double r = d / std::sin(a2 - a1);
    return {p2.x - r * std::cos(a2), p2.y - r * std::sin(a2)};
}

Point2 OffsetCornerOnPrevious(Point2 p1, Point2 p2, Point2 p3, double d) {
    const double a1 = DirectionAngle(p1.x, p1.y, p2.x, p2.y);
    const double a2 = DirectionAngle(p2.x, p2.y, p3.x, p3.y);
    if (a2 == a1) return {p2.x + d * std::cos(a1), p2.y + d * std::sin(a1)};
    const double r = d / std::sin(a2 - a1);
    return {p2.x + r * std::cos(a1), p2.y + r * std::sin(a1)};
}

Point2 OffsetPerpendicular(Point2 p1, Point2 p2, double d) {
    const double length = std::sqrt((p2.x - p1.x) * (p2.x - p1.x) + (p2.y - p1.y) * (p2.y - p1.y));
    if (length == 0) return {p1.x, p1.y + d};
    return {p2.x - (p2.y - p1.y) * d / length, p2.y + (p2.x - p1.x) * d / length};
}

Point2 RotateAbout(Point2 p1, Point2 p2, double theta) {
    constexpr double kPi = 3.14159265358979;
    constexpr double kHalfPi = 1.570796326794895;
    const double length = std::sqrt((p1.x - p2.x) * (p1.x - p2.x) + (p1.y - p2.y) * (p1.y - p2.y));
    double phi;   // direction from P2 to P1
    if (p1.x == p2.x) {
        phi = p1.y > p2.y ? kHalfPi : (p1.y < p2.y ? -kHalfPi : 0);
    } else {
        phi = std::atan((p1.y - p2.y) / (p1.x - p2.x));
        if (p1.x < p2.x) phi += kPi;
    }
    return {p2.x + length * std::cos(theta + phi), p2.y + length * std::sin(theta + phi)};
}

}  // namespace bravik
