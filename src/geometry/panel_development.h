#pragma once
// Flat shapes of the panels between two edge lines (bottom, side planks) and
// of the half decks, written into the record's developed outline
// (devLowerX/Y, devUpperX/Y). Each call overwrites the previous outline.

#include "app/hull_design.h"

namespace bravik {

// Develops the strip between rows k and k + 1 of the point arrays, points
// 0 to n + 2, by laying its triangles flat outwards from the rung at point 10.
// The bottom is DevelopPlank(d, 81, 0, d.bottomLineX, d.bottomLineY,
// d.bottomLineZ); side plank k is DevelopPlank(d, 80, k, d.X, d.Y, d.Z).
// The result is turned so that a reference chord lies along X (the keel
// around midshipIndex for the bottom, the lower edge for plank 1, the upper
// edge above it) and moved so its smallest X and Y are 0.
void DevelopPlank(HullDesign& d, int n, int k, const LineTable& X, const LineTable& Y, const LineTable& Z);
void DevelopPlank(HullDesign& d, int n, int k, const decltype(HullDesign::bottomLineX)& X,
                  const decltype(HullDesign::bottomLineY)& Y, const decltype(HullDesign::bottomLineZ)& Z);

// Develops the half deck between the centre line and line j, points 0 to
// n + 2: its length runs along line j in the side view, its width is the
// half-breadth. Only X is moved to start at 0.
void DevelopDeck(HullDesign& d, int n, int j, const LineTable& X, const LineTable& Y, const LineTable& Z);

}  // namespace bravik
