#pragma once
// The upper chines n = 2..lastLine: each lies on its chine plane and on the
// section line of the plank below it. The station half-breadth rule, the
// chine planes, the line ends on transom and bow plate (or the centre plane),
// the 83 points of each line and the angles between adjacent panels.

#include <functional>
#include <utility>

#include "app/hull_design.h"

namespace bravik {

// Called once per point while points and chine angles are computed, so a
// front end may animate a busy pointer; may be empty.
using PointProgress = std::function<void(int point)>;

// Station half-breadth rule for line n at the bow, transom and maximum-beam
// stations; each may lower or raise the stored height of line n there.
void SetFwdHalfWidth(HullDesign& d, int n);
void SetAftHalfWidth(HullDesign& d, int n);
void SetMidHalfWidth(HullDesign& d, int n);

void ComputeChinePlane(HullDesign& d, int n);
void ComputeLineEnds(HullDesign& d, int n);
void ComputeLinePoints(HullDesign& d, int n, const PointProgress& progress = {});
void ComputeChineAngles(HullDesign& d, int n, const PointProgress& progress = {});

// For n = 2..lastLine: plane, ends, points, chine angles of line n - 1; then
// the chine angles of the sheer.
void RecomputeUpperLines(HullDesign& d, const PointProgress& progress = {});

// Half-breadth and height of line n at X = x evaluated together, bit-identical
// to LineHalfBreadth and LineHeight but linear in n instead of exponential.
std::pair<double, double> LineHalfBreadthAndHeight(const HullDesign& d, int n, double x);

}  // namespace bravik
