#pragma once
// The waterline found by the hydrostatics, drawn over the drawing board's
// lines views: in plan, in profile and in the body plan (aft half on the
// right, forward half on the left), with the centre of displacement marked
// in plan and profile. Reads the waterline tables and the centre of
// displacement of the last hydrostatic computation.

#include "app/hull_design.h"
#include "drawing/surface.h"

namespace bravik {

void DrawWaterline(const HullDesign& d, Surface& plan1);

}  // namespace bravik
