#pragma once
// What the project data file holds, shared by its writer and its reader.

#include "app/hull_design.h"

namespace bravik {

// Product name written after the hull name on the title line.
inline constexpr const char* kProductName = "Bravik2005";

// The twelve values of a line's block, in file order, after its plank angle.
inline constexpr LineArray HullDesign::* kLineBlockFields[12] = {
    &HullDesign::lineLength,   &HullDesign::halfWidthFwd,    &HullDesign::heightFwd,
    &HullDesign::maxBeamX,     &HullDesign::halfMaxBeam,     &HullDesign::heightAtMaxBeam,
    &HullDesign::sternX,       &HullDesign::halfWidthAft,    &HullDesign::heightAft,
    &HullDesign::chinePlaneZ0, &HullDesign::chinePlaneSlopeX, &HullDesign::chinePlaneSlopeY,
};

}  // namespace bravik
