#pragma once
// The cut shape of a lap-strake plank: the developed (net) outline grown by
// the extra material a builder leaves on it. The transom end moves out by
// the transom's thickness, the bow end by the bow plate's (when the hull has
// one), and a side plank's lower edge moves away from its upper edge by the
// lap width, the strip that lies under the plank below.

#include <vector>

#include "app/hull_design.h"
#include "geometry/station_sections.h"   // Point2

namespace bravik {

struct PanelOutline {
    std::vector<Point2> edge1, edge2;   // points 0..N, transom end to bow end
};

// The developed outline of the panel last developed, points 0..n.
PanelOutline DevelopedOutline(const HullDesign& d, int n);

// The cut shape of panel k (0 the bottom) from its developed outline, points
// 0..n, using transomThickness, bowPlateThickness and lapWidth(k, i).
PanelOutline LapStrakeCutShape(const HullDesign& d, int k, const PanelOutline& net);

}  // namespace bravik
