#pragma once
// Areas of the hull's panels for the mass budget, with the X of their
// centres, from the computed lines. Areas count both sides of the hull.

#include "app/hull_design.h"

namespace bravik {

struct AreaAndCentre {
    double area = 0;      // m², both sides
    double centreX = 0;   // m
};

// Plank k (0 the bottom), between lines k and k + 1: girths across the
// plank at each point, integrated along the mean of its two edges.
AreaAndCentre PlankArea(const HullDesign& d, int k);

// The plate closing the hull at point index p (0 the transom, 82 the bow
// plate, a regular station for a bulkhead): the section through point p of
// lines 0..lastLine closed to the centre plane, measured in the plane of the
// plate (heights along its raked profile).
AreaAndCentre StationPlateArea(const HullDesign& d, int p);

// Plan area inside line L (a floor or a deck at the height of that line).
AreaAndCentre PlanAreaInside(const HullDesign& d, int L);

}  // namespace bravik
