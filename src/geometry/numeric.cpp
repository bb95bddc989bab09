#include "geometry/numeric.h"

#include <array>
#include <cmath>
#include <numbers>

namespace bravik {

double TanDeg(double degrees) {
    return std::tan(degrees * std::numbers::pi / 180.0);
}

double TanDegWhole(int degrees) {
    constexpr int kRange = 360;
    static const std::array<double, 2 * kRange + 1> table = [] {
        std::array<double, 2 * kRange + 1> t{};
        for (int a = -kRange; a <= kRange; ++a) t[static_cast<std::size_t>(a + kRange)] = TanDeg(a);
        return t;
    }();
    if (degrees < -kRange || degrees > kRange) return TanDeg(degrees);
    return table[static_cast<std::size_t>(degrees + kRange)];
}

double SecantStep(double y0, double x1, double y1, double x2, double y2) {
    if (x1 != x2 && y1 != y2) {
        const double m = (y2 - y1) / (x2 - x1);
        const double b = y1 - m * x1;
        return (y0 - b) / m;
    }
    return (x1 + x2) / 2.0;
}

}  // namespace bravik
