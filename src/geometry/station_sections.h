#pragma once
// Transverse sections of the hull at each point index: keel, ten steps across
// the bottom, first chine, then every upper chine up to the sheer.

#include "app/hull_design.h"

namespace bravik {

struct Point2 {
    double x = 0, y = 0;
};

// Fills sectionX/Y/Z(s, K) for station s = 0..82.
void ComputeStationSection(HullDesign& d, int s);

// Half-breadth of the bottom surface at station X = x and height Z = z.
double BottomHalfBreadth(const HullDesign& d, double x, double z);

// Intersection of the line through (x1, y1), (x2, y2) with the line through
// (x3, y3), (x4, y4); averaged points for parallel or vertical lines.
Point2 LineIntersection2D(double x1, double y1, double x2, double y2,
                          double x3, double y3, double x4, double y4);

}  // namespace bravik
