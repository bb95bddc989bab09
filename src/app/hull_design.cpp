#include "app/hull_design.h"

#include "app/colour.h"
#include "geometry/numeric.h"

namespace bravik {

void ResetToDefaults(HullDesign& d) {
    // 1. Line colours: keel and first chine black, then green, red, blue by k mod 3.
    d.lineColour(0) = static_cast<float>(Rgb(0, 0, 0));
    d.lineColour(1) = static_cast<float>(Rgb(0, 0, 0));
    for (int k = 2; k <= kMaxLine; ++k) {
        switch (k % 3) {
            case 0: d.lineColour(k) = static_cast<float>(Rgb(0, 170, 0)); break;
            case 1: d.lineColour(k) = static_cast<float>(Rgb(200, 0, 0)); break;
            default: d.lineColour(k) = static_cast<float>(Rgb(0, 0, 200)); break;
        }
    }

    // 2.
    d.hullName = "BRAVIK2005";

    // 3.
    d.overlapChoice = 1;
    d.keelAdvanceAngle = 40;
    const std::int16_t angles[] = {12, 45, 70, 85, 90};
    for (int k = 0; k <= 4; ++k) d.plankAngle(k) = angles[k];
    d.bowAngle = 15;
    d.transomAngle = -25;
    d.lastLine = 5;

    // 4. Turn flags of lines 0..5; entries 6..25 are left alone.
    for (int k = 0; k <= 3; ++k) {
        d.bowTurn(k) = 1;
        d.transomTurn(k) = 1;
    }
    d.bowTurn(4) = 1;
    d.transomTurn(4) = -1;
    d.bowTurn(5) = -1;
    d.transomTurn(5) = -1;

    // 5. The bottom.
    d.sternX(0) = 0;
    d.sternX(1) = 0;
    d.lineLength(0) = 6.0;
    d.lineLength(1) = 6.0;
    d.halfWidthFwd(1) = 0;
    d.heightFwd(1) = 0.1;
    d.maxBeamX(1) = 3.0;
    d.halfMaxBeam(1) = 0.95;
    d.heightAtMaxBeam(1) = 0;

    // 6. The keel's derived values.
    d.maxBeamX(0) = d.maxBeamX(1) + d.halfMaxBeam(1) * TanDeg(d.keelAdvanceAngle);
    d.halfMaxBeam(0) = 0;
    d.heightAtMaxBeam(0) = d.heightAtMaxBeam(1) - d.halfMaxBeam(1) * TanDeg(d.plankAngle(0));

    // 7.
    d.halfWidthAft(1) = 0.7;
    d.heightAft(1) = 0.15;
    d.powerFwd = 2.5;
    d.powerAft = 2.1;
    d.sShapeAft = 1.0;
    d.sShapeFwd = 0;

    // 8. Lines 2..5.
    const double fwd[] = {0.3, 0.75, 1.2, 1.25};
    const double mid[] = {0.2, 0.62, 1.0, 1.05};
    const double aft[] = {0.32, 0.7, 1.05, 1.1};
    for (int k = 2; k <= 5; ++k) {
        d.lineLength(k) = 6.0;
        d.heightFwd(k) = fwd[k - 2];
        d.heightAtMaxBeam(k) = mid[k - 2];
        d.heightAft(k) = aft[k - 2];
    }

    // 9. Mass budget inputs.
    const double density[] = {10, 10, 10, 10, 10, 0, 10, 0};
    for (int i = 1; i <= 8; ++i) d.panelDensity(i) = density[i - 1];
    d.floorDensity(1) = 0;
    d.floorDensity(2) = 0;
    d.deckDensity(1) = 10;
    d.deckDensity(2) = 0;
    d.bulkheadX(1) = 3.0;
}

}  // namespace bravik
