#pragma once
// The keel (line 0) and the first chine (line 1): the first chine's
// half-breadth and height laws, the bottom surface of constant deadrise, and
// the five procedures that fill lines 0 and 1 and the bottom-line tables, in
// the order the bottom screen runs them.

#include "app/hull_design.h"

namespace bravik {

// Half-breadth and height of line n (n >= 1) at X = x. For n = 1 the first
// chine's laws; for n >= 2 the upper chine on its plane (upper_chines.h).
// n = 0 gives the keel: half-breadth 0 and BottomHeight(d, x, 0).
double LineHalfBreadth(const HullDesign& d, int n, double x);
double LineHeight(const HullDesign& d, int n, double x);

// Height of the bottom surface at (x, y); BottomHeight(d, x, 0) is the keel.
double BottomHeight(const HullDesign& d, double x, double y);

void ComputeKeelHeights(HullDesign& d);
void ComputeFirstChinePlane(HullDesign& d);
void ComputeFirstChineEnds(HullDesign& d);   // may lower bowAngle
void ComputeBottomPoints(HullDesign& d);
void ComputeBottomLines(HullDesign& d);      // needs midshipIndex

// The five procedures above, in order.
void ComputeBottom(HullDesign& d);

}  // namespace bravik
