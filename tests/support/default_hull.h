#pragma once
// The default 6 m hull with every line and station section computed, as the
// drawing board holds it after the planks screen and a redraw; and a
// pram-bow variant of it.

#include "app/hull_design.h"
#include "geometry/bottom.h"
#include "geometry/station_sections.h"
#include "geometry/upper_chines.h"

namespace bravik::testing {

// The upper lines as validating the side planks screen computes them from
// the stored heights: the station half-breadth rule, then the lines.
inline void ComputeSidePlanks(HullDesign& d) {
    for (int j = 2; j <= d.lastLine; ++j) {
        d.maxBeamX(j) = d.maxBeamX(j - 1);
        SetFwdHalfWidth(d, j);
        SetAftHalfWidth(d, j);
        SetMidHalfWidth(d, j);
    }
    RecomputeUpperLines(d);
}

// What validating the bottom and the side planks screens with their values
// computes, then the sections a redraw computes.
inline void ComputeWholeHull(HullDesign& d) {
    ComputeBottom(d);
    ComputeSidePlanks(d);
    for (int s = 0; s <= kBowPoint; ++s) ComputeStationSection(d, s);
}

inline HullDesign DefaultHull() {
    HullDesign d;
    ResetToDefaults(d);
    d.midshipIndex = 41;
    ComputeWholeHull(d);
    return d;
}

// The default hull ending on a bow plate 0.7 m wide at the first chine.
inline HullDesign PramBowHull() {
    HullDesign d;
    ResetToDefaults(d);
    d.midshipIndex = 41;
    d.halfWidthFwd(1) = 0.35;
    ComputeWholeHull(d);
    return d;
}

}  // namespace bravik::testing
