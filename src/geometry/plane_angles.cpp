#include "geometry/plane_angles.h"

#include <cmath>

namespace bravik {

TriangleCorners TriangleAngles(double a, double b, double c) {
    constexpr double kPi = 3.14159265358979;
    if (a + b + c < 0.000001) return {kPi / 3, kPi / 3, kPi / 3};
    // Half-angle formulas on the semi-perimeter; a side within 1e-7 of the
    // semi-perimeter means the three corners are in line.
    const double s = (a + b + c) / 2;
    const double eps = 0.0000001 * s;
    if (s - a < eps) return {kPi, 0, 0};
    if (s - b < eps) return {0, kPi, 0};
    if (s - c < eps) return {0, 0, kPi};
    return {2 * std::atan(std::sqrt((s - b) * (s - c) / (s * (s - a)))),
            2 * std::atan(std::sqrt((s - a) * (s - c) / (s * (s - b)))),
            2 * std::atan(std::sqrt((s - a) * (s - b) / (s * (s - c))))};
}

double DirectionAngle(double x1, double y1, double x2, double y2) {
    constexpr double kPi = 3.14159265359;
    if (x2 == x1) {
        if (y2 > y1) return 1.570796326795;
        if (y2 == y1) return 0;
        return 4.712388980385;
    }
    const double angle = std::atan((y2 - y1) / (x2 - x1));
    if (x2 > x1) return y2 < y1 ? angle + 6.28318530718 : angle;
    return angle + kPi;
}

double AtnDeg(double x) {
    return std::atan(x) * 180 / 3.14159265359;
}

}  // namespace bravik
