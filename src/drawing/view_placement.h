#pragma once
// Where the lines views sit on the drawing surface: the mapping from hull
// metres to surface twips held in the record's view fields (viewScale,
// viewOriginX, planOriginY, profileOriginY, bodyCentreX). Profile and body
// plan have Z up (viewScaleZ is negative), the plan has Y down from its
// centre line, the body plan stands about X = bodyCentreX.

#include "app/colour.h"
#include "app/hull_design.h"

namespace bravik {

struct ViewMapping {
    const HullDesign& d;

    double ScreenX(double x) const { return x * d.viewScale + d.viewOriginX; }
    double PlanY(double y) const { return y * d.viewScaleY + d.planOriginY; }
    double ProfileY(double z) const { return z * d.viewScaleZ + d.profileOriginY; }
    // Body plan: the right half (stern stations) at bodyCentreX + y, the left
    // half (bow stations) at bodyCentreX - y.
    double BodyRightX(double y) const { return (d.bodyCentreX + y) * d.viewScale + d.viewOriginX; }
    double BodyLeftX(double y) const { return (d.bodyCentreX - y) * d.viewScale + d.viewOriginX; }
};

// True when the view fields describe a drawable placement: every field
// finite and the scale positive. A failed scale computation leaves it false
// and every view then draws nothing.
bool ViewPlacementUsable(const HullDesign& d);

// Marks the placement as unusable (scale 0).
void ForgetViewPlacement(HullDesign& d);

// The drawing colour of line k as a colour value (the record keeps it as a
// single-precision number).
Colour LineColour(const HullDesign& d, int k);

// Int(q + 0.5) + 1 for q = x·80/length: the regular point nearest to X = x
// on a line of that length, kept within the points 0..82; -1 when q is not
// a finite number.
int NearestPointIndex(double quotient80);

}  // namespace bravik
