#include "geometry/panel_areas.h"

#include <cmath>

namespace bravik {

namespace {

// Keeps the centre finite for a panel of no area.
constexpr double kAreaGuard = 0.0000001;

double Girth(const HullDesign& d, int k, int i) {
    const double dz = d.Z(k + 1, i) - d.Z(k, i);
    const double dy = d.Y(k + 1, i) - d.Y(k, i);
    return std::sqrt(dz * dz + dy * dy);
}

}  // namespace

AreaAndCentre PlankArea(const HullDesign& d, int k) {
    double A = 0, M = 0;
    for (int i = 1; i <= kBowPoint; ++i) {
        const double dx = (d.X(k, i) + d.X(k + 1, i)) / 2 - (d.X(k, i - 1) + d.X(k + 1, i - 1)) / 2;
        const double xm = (d.X(k, i - 1) + d.X(k + 1, i - 1) + d.X(k + 1, i) + d.X(k, i)) / 4;
        const double dA = (Girth(d, k, i) + Girth(d, k, i - 1)) * dx / 2;
        A += dA;
        M += xm * dA;
    }
    return {2 * A, M / (A + kAreaGuard)};
}

AreaAndCentre StationPlateArea(const HullDesign& d, int p) {
    double A = 0, M = 0;
    for (int j = 1; j <= d.lastLine; ++j) {
        // The strip between the centre plane and the segment from line j - 1
        // to line j, both sides: its height is measured along the plate's
        // raked profile (the side view), as the plate is developed.
        const double dz = d.Z(j, p) - d.Z(j - 1, p);
        const double dx = d.X(j, p) - d.X(j - 1, p);
        const double dA = (d.Y(j - 1, p) + d.Y(j, p)) * std::sqrt(dz * dz + dx * dx);
        A += dA;
        M += (d.X(j - 1, p) + d.X(j, p)) * dA / 2;
    }
    return {A, M / (A + kAreaGuard)};
}

AreaAndCentre PlanAreaInside(const HullDesign& d, int L) {
    double A = 0, M = 0;
    for (int i = 1; i <= kBowPoint; ++i) {
        const double dA = (d.X(L, i) - d.X(L, i - 1)) * (d.Y(L, i) + d.Y(L, i - 1));
        A += dA;
        M += (d.X(L, i - 1) + d.X(L, i)) * dA / 2;
    }
    return {A, M / (A + kAreaGuard)};
}

}  // namespace bravik
