#pragma once
// One station drawn over the profile: the position typed by the user is
// snapped to the nearest computed point of the lines, and the transverse
// section at that point is drawn standing at its own X, folded towards the
// middle of the hull so that it stays within the profile.

#include <cstdint>

#include "app/hull_design.h"
#include "drawing/surface.h"

namespace bravik {

// The point index (1..81) of the regular station nearest to X = x, from the
// first chine's points 1 and 81.
std::int16_t SnapStation(const HullDesign& d, double x);

// Draws the section of station s (from the last Redraw) over the profile:
// towards the bow for stations in the aft half (s <= 40), towards the stern
// for the others, closed to the centre plane, with its dash-dot centre line.
void DrawStation(const HullDesign& d, int s, Surface& plan1);

}  // namespace bravik
