#pragma once
// Half developments of the transom (station 0) and the pram bow plate
// (station 82) from the station sections of the last Redraw: for each
// section point K, the true length along the raked profile from the keel
// point, (1, K), against the half-breadth, (2, K). Entries 0..lastLine + 9.

#include "app/hull_design.h"

namespace bravik {

void DevelopTransom(HullDesign& d);
void DevelopBowPlate(HullDesign& d);

}  // namespace bravik
