#include "drawing/view_placement.h"

#include <cmath>

namespace bravik {

bool ViewPlacementUsable(const HullDesign& d) {
    for (double v : {d.viewScale, d.viewScaleY, d.viewScaleZ, d.viewOriginX, d.planOriginY, d.profileOriginY,
                     d.bodyCentreX})
        if (!std::isfinite(v)) return false;
    return d.viewScale > 0 && d.viewScaleY > 0;
}

void ForgetViewPlacement(HullDesign& d) {
    d.viewScale = d.viewScaleY = d.viewScaleZ = 0;
}

Colour LineColour(const HullDesign& d, int k) {
    const double c = d.lineColour(k);
    if (!(c >= 0)) return kBlack;
    if (c > 0xFFFFFF) return Rgb(255, 255, 255);
    return static_cast<Colour>(c);
}

int NearestPointIndex(double quotient80) {
    const double r = std::floor(quotient80 + 0.5) + 1;
    if (!std::isfinite(r)) return -1;
    if (r < 0) return 0;
    if (r > kBowPoint) return kBowPoint;
    return static_cast<int>(r);
}

}  // namespace bravik
