#pragma once
// The common scale of the three lines views and their construction grid.
//
// The profile (X right, Z up) fills the upper half of the surface, the plan
// (X right, Y down from its centre line) is centred in the lower half, and
// the body plan stands to the right of the longest line. One scale serves
// every view, chosen so that the hull's length plus the body plan fit the
// width and its depth plus beam fit the height.

#include "app/hull_design.h"
#include "drawing/surface.h"

namespace bravik {

// Computes the view placement for the stages 0..definitionStage, sets the
// surface's user scale to one unit per twip from its top left corner and
// draws the grid and axes. When no finite positive scale exists (a surface
// narrower than 300 or lower than 400 twips, a design of zero extent, lines
// that are not numbers) the placement is marked unusable, nothing is drawn
// and false is returned.
bool ComputeScaleAndDrawGrid(HullDesign& d, int definitionStage, Surface& plan1);

// Draws the grid, the origins and the X, Y and Z axes at the current placement.
void DrawGridAndAxes(const HullDesign& d, Surface& plan1);

}  // namespace bravik
