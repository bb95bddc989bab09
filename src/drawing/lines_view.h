#pragma once
// The hull lines of one definition stage in plan and profile, with their
// dimensions: stage 0 the bottom (keel and first chine), stages 1 and up the
// side planks (upper chines and sheer).

#include "app/hull_design.h"
#include "drawing/surface.h"

namespace bravik {

void DrawStageLines(const HullDesign& d, int stage, Surface& plan1);

}  // namespace bravik
