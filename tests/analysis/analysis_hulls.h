#pragma once
// Hulls for the analysis tests: the default design computed as the drawing
// board leaves it, and prismatic boxes written straight into the lines.

#include <cmath>

#include "app/hull_design.h"
#include "default_hull.h"

namespace bravik::analysis_test {

using testing::DefaultHull;

// X of point i of a line running from 0 to length with the regular station
// spacing: point 0 at 0, points 1..81 every length/80, point 82 at length.
inline double StationPointX(int i, double length) {
    if (i == 0) return 0;
    if (i == kBowPoint) return length;
    return (i - 1) * length / 80;
}

// A box of the given length, full breadth and depth: keel (line 0) and chine
// (line 1) on a flat bottom at Z = 0, sheer (line 2) straight above the chine.
inline HullDesign BoxHull(double length, double breadth, double depth) {
    HullDesign d;
    d.lastLine = 2;
    d.lineLength(0) = d.lineLength(1) = d.lineLength(2) = length;
    d.halfMaxBeam(1) = breadth / 2;
    const double y[3] = {0, breadth / 2, breadth / 2};
    const double z[3] = {0, 0, depth};
    for (int k = 0; k <= 2; ++k) {
        for (int i = 0; i <= kBowPoint; ++i) {
            d.X(k, i) = StationPointX(i, length);
            d.Y(k, i) = y[k];
            d.Z(k, i) = z[k];
        }
    }
    return d;
}

}  // namespace bravik::analysis_test
