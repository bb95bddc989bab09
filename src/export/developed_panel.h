#pragma once
// Developing one hull panel by its number, as the development exports walk
// through them.

#include "app/hull_design.h"

namespace bravik {

// Develops panel k (0 the bottom, k >= 1 side plank k) into devLowerX/Y and
// devUpperX/Y and returns the index of its last point: 83 for the bottom,
// whose outline closes across the bow, 82 for a side plank.
int DevelopPanel(HullDesign& d, int k);

// Whether the exports develop a bow plate: the first chine ends more than
// 0.1 mm off the centre plane at the bow.
bool EndsOnBowPlate(const HullDesign& d);

// The direction of the developed lower edge around its middle (points 42 to
// 44), in radians: the angle labels are written at.
double LabelAngle(const HullDesign& d);

}  // namespace bravik
