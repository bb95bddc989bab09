#include "geometry/numeric.h"

#include <cmath>
#include <numbers>

namespace bravik {

double TanDeg(double degrees) {
    return std::tan(degrees * std::numbers::pi / 180.0);
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
