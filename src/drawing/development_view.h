#pragma once
// The developed panels drawn over the lines views at their scale: the
// bottom in the plan area, each side plank in the profile area near the
// height it sits at, the transom at the stern and the pram bow plate at the
// bow of the plan. Each panel is developed just before it is drawn.

#include "app/hull_design.h"
#include "drawing/surface.h"

namespace bravik {

// Develops and draws every panel of the stages 0..definitionStage.
void DrawDevelopments(HullDesign& d, int definitionStage, Surface& plan1);

// The developed outline (devLower/devUpper, points 0..N) dotted: lower edge,
// upper edge, closed at the bow. The bottom in plan, y growing downward.
void DrawBottomDevelopment(const HullDesign& d, int N, Surface& plan1);
// A plank in the profile area, y growing upward, moved by (dx, dy) metres.
void DrawPlankDevelopment(const HullDesign& d, int N, int c, double dx, double dy, Surface& plan1);

}  // namespace bravik
