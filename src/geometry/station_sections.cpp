#include "geometry/station_sections.h"

#include <algorithm>
#include <cmath>

#include "geometry/bottom.h"
#include "geometry/numeric.h"

namespace bravik {

namespace {

// Half-breadth of the bottom forward of the maximum beam, where its straight
// generators leave the chine and run forward and inward at the keel advance.
// Returns the half-breadth at (x, z).
double AdvancedBottomHalfBreadth(const HullDesign& d, double x, double z) {
    const double xm1 = d.maxBeamX(1), xm0 = d.maxBeamX(0);
    const double advance = TanDegWhole(d.keelAdvanceAngle);
    double low, high;
    if (x >= xm0) {
        low = x - advance * d.halfMaxBeam(1);
        high = x;
    } else {
        const double zk = d.heightAtMaxBeam(0);
        const double zl = (x - xm1) * zk / (xm0 - xm1);
        // Below the wedge edge the midship section carries on unchanged.
        if (z <= zl) return d.halfMaxBeam(1) * (1 - z / zk);
        low = xm1;
        high = x;
    }
    // In the X-Z projection a generator falls with slope -m towards the bow.
    const double m = std::tan(std::atan(TanDegWhole(d.plankAngle(0)) / advance));
    double xc = x;
    // At most seven passes: the count bounds the work at the stem, where the
    // bracket stops short of the tolerance.
    for (int pass = 0; pass < 7; ++pass) {
        const Point2 p = LineIntersection2D(0, z + m * x, x, z, low, LineHeight(d, 1, low), high,
                                            LineHeight(d, 1, high));
        xc = p.x;
        if (std::abs(p.y - LineHeight(d, 1, xc)) < 0.00001) break;
        high = 1.01 * xc;
        low = 0.99 * xc;
    }
    return LineHalfBreadth(d, 1, xc) - (x - xc) / advance;
}

}  // namespace

Point2 LineIntersection2D(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4) {
    const bool firstVertical = x1 == x2, secondVertical = x3 == x4;
    if (!firstVertical && !secondVertical) {
        const double m1 = (y2 - y1) / (x2 - x1), m2 = (y4 - y3) / (x4 - x3);
        const double b1 = y1 - m1 * x1, b2 = y3 - m2 * x3;
        if (m1 == m2) return {(x1 + x2 + x3 + x4) / 4, (y1 + y2 + y3 + y4) / 4};
        const double x = (b2 - b1) / (m1 - m2);
        return {x, b1 + m1 * x};
    }
    if (!firstVertical) {
        const double m1 = (y2 - y1) / (x2 - x1);
        return {x3, m1 * (x3 - x1) + y1};
    }
    if (!secondVertical) {
        const double m2 = (y4 - y3) / (x4 - x3);
        return {x1, m2 * (x1 - x3) + y3};
    }
    return {(x1 + x3) / 2, (y1 + y2 + y3 + y4) / 4};
}

double BottomHalfBreadth(const HullDesign& d, double x, double z) {
    const double chineY = LineHalfBreadth(d, 1, x);
    const double chineZ = LineHeight(d, 1, x);
    if (z >= chineZ) return chineY;
    if (z <= BottomHeight(d, x, 0)) return 0;
    if (x > d.maxBeamX(1) && d.keelAdvanceAngle != 0) return AdvancedBottomHalfBreadth(d, x, z);
    if (d.plankAngle(0) != 0) return chineY - (chineZ - z) / TanDegWhole(d.plankAngle(0));
    return 0;  // flat bottom
}

void ComputeStationSection(HullDesign& d, int s) {
    const double x0 = d.X(0, s), x1 = d.X(1, s);
    for (int k = 0; k <= 10; ++k) {
        const double x = x0 + (x1 - x0) * k / 10;
        d.sectionX(s, k) = x;
        if (s == kBowPoint) {
            // At the bow end the chine may have no half-breadth or end on a
            // bow plate: step evenly in height and find the half-breadth.
            const double z = d.Z(0, s) + (d.Z(1, s) - d.Z(0, s)) * k / 10;
            d.sectionZ(s, k) = z;
            d.sectionY(s, k) = BottomHalfBreadth(d, x, z);
        } else {
            const double y = k * d.Y(1, s) / 10;
            d.sectionY(s, k) = y;
            d.sectionZ(s, k) = BottomHeight(d, x, y);
        }
    }
    const int last = std::min<int>(d.lastLine, kMaxLine);
    for (int j = 2; j <= last; ++j) {
        d.sectionX(s, j + 9) = d.X(j, s);
        d.sectionY(s, j + 9) = d.Y(j, s);
        d.sectionZ(s, j + 9) = d.Z(j, s);
    }
}

}  // namespace bravik
