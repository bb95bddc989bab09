#pragma once
// The wetted part of one station of the hull below a given height.

#include "app/hull_design.h"

namespace bravik {

struct ImmersedSectionResult {
    double yw = 0;     // half-breadth at the waterline (0 when the water is over the sheer)
    double area = 0;   // immersed area, both sides, m²
    double xw = 0;     // X where the water cuts the station, or of its highest wet point
    double zc = 0;     // height of the centroid of that area
    int top = -1;      // highest wet line: 0 the keel only, -1 when the keel is dry
};

// Station p is the polyline through point p of lines 0..lastLine, mirrored
// about the centre plane; zw is the water height there. A point exactly at
// the water height counts as wet.
ImmersedSectionResult ImmersedSection(const HullDesign& d, int p, double zw);

}  // namespace bravik
