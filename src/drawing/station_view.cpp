#include "drawing/station_view.h"

#include <cmath>

#include "drawing/view_placement.h"

namespace bravik {

std::int16_t SnapStation(const HullDesign& d, double x) {
    if (x <= d.X(1, 1)) return 1;
    if (x >= d.X(1, 81)) return 81;
    // Strictly between the two ends the quotient is finite; the clamp keeps
    // a first chine that does not start at X = 0 within the regular points.
    const double index = std::floor(x * 80 / (d.X(1, 81) - d.X(1, 1)) + 0.5) + 1;
    if (!(index >= 1)) return 1;
    if (index > 81) return 81;
    return static_cast<std::int16_t>(index);
}

void DrawStation(const HullDesign& d, int s, Surface& plan1) {
    if (!ViewPlacementUsable(d) || s < 0 || s > kBowPoint) return;
    const int top = d.lastLine + 9;
    if (top > 35) return;
    const ViewMapping v{d};
    const double f = s <= 40 ? 1.0 : -1.0;
    Surface& p = plan1;

    p.SetDrawStyle(LineStyle::Solid);
    p.SetForeColour(LineColour(d, 4));
    p.MoveTo(v.ScreenX(d.sectionX(s, 0)), v.ProfileY(d.sectionZ(s, 0)));
    for (int K = 1; K <= top; ++K)
        p.LineTo(v.ScreenX(f * d.sectionY(s, K) + d.sectionX(s, K)), v.ProfileY(d.sectionZ(s, K)));
    p.LineTo(v.ScreenX(d.sectionX(s, top)), v.ProfileY(d.sectionZ(s, top)));

    p.SetDrawStyle(LineStyle::DashDot);
    const double cx = v.ScreenX(d.sectionX(s, 0));
    p.Line(cx, v.ProfileY(d.sectionZ(s, top)) - 100, cx, v.ProfileY(d.sectionZ(s, 0)) + 100);

    p.SetDrawStyle(LineStyle::Solid);
    p.SetForeColour(LineColour(d, 0));
}

}  // namespace bravik
