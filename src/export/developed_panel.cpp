#include "export/developed_panel.h"

#include <cmath>

#include "geometry/panel_development.h"

namespace bravik {

int DevelopPanel(HullDesign& d, int k) {
    if (k == 0) {
        DevelopPlank(d, 81, 0, d.bottomLineX, d.bottomLineY, d.bottomLineZ);
        return 83;
    }
    DevelopPlank(d, 80, k, d.X, d.Y, d.Z);
    return 82;
}

bool EndsOnBowPlate(const HullDesign& d) { return d.halfWidthFwd(1) > 0.0001; }

double LabelAngle(const HullDesign& d) {
    // The small shift keeps a vertical chord from dividing by zero.
    return std::atan((d.devLowerY(44) - d.devLowerY(42)) / (d.devLowerX(44) + 0.0001 - d.devLowerX(42)));
}

}  // namespace bravik
