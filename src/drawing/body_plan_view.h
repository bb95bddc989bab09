#pragma once
// The body plan: station sections seen along the hull, the stern half on
// the right of the body-plan centre line (stations 0, 5, 9, ..., 41) and
// the bow half on the left (45, 49, ..., 81 and 82). Consecutive stations
// are joined at the keel and at every chine, so the keel, chines and sheer
// show in the body plan too. Reads the station sections of the last Redraw.

#include <vector>

#include "app/hull_design.h"
#include "drawing/surface.h"

namespace bravik {

// The stations the body plan draws, in drawing order.
std::vector<int> BodyPlanStations();
// True for the stations drawn on the left (bow) half.
bool OnBowHalf(int station);

// Stage 0 draws the bottom sections; stages 1 and up the bottom and the sides.
void DrawStageSections(const HullDesign& d, int stage, Surface& plan1);

}  // namespace bravik
