#include "drawing/waterline_view.h"

#include "drawing/view_placement.h"

namespace bravik {

namespace {

constexpr Colour kBlue = Rgb(0, 0, 255);

// Starts a polyline with a dot in the foreground colour, then sets the blue pen.
void StartPolyline(Surface& s, double x, double y, Colour foreground) {
    s.SetForeColour(foreground);
    s.Point(x, y);
    s.SetForeColour(kBlue);
}

// A circle with a diagonal cross: the circle in `circleColour`, the cross blue.
void CentreMark(Surface& s, double x, double y, Colour circleColour) {
    s.SetForeColour(circleColour);
    s.Circle(x, y, 60);
    s.SetForeColour(kBlue);
    s.Line(x + 40, y + 40, x - 40, y - 40);
    s.Line(x + 40, y - 40, x - 40, y + 40);
}

}  // namespace

void DrawWaterline(const HullDesign& d, Surface& plan1) {
    if (!ViewPlacementUsable(d)) return;
    const ViewMapping v{d};
    Surface& s = plan1;
    const Colour foreground = s.ForeColour();
    const auto& wx = d.waterlineX;
    const auto& wy = d.waterlineY;
    const auto& wz = d.waterlineZ;

    s.SetDrawWidth(2);

    // 1. Plan, from the centre line at the stern round to the centre line at the bow.
    StartPolyline(s, v.ScreenX(wx(0)), v.PlanY(0), foreground);
    for (int p = 0; p <= kBowPoint; ++p) s.LineTo(v.ScreenX(wx(p)), v.PlanY(wy(p)));
    s.LineTo(v.ScreenX(wx(kBowPoint)), v.PlanY(0));

    // 2. Profile.
    StartPolyline(s, v.ScreenX(wx(0)), v.ProfileY(wz(0)), foreground);
    for (int p = 0; p <= kBowPoint; ++p) s.LineTo(v.ScreenX(wx(p)), v.ProfileY(wz(p)));

    // 3. Body plan: the aft half on the right, the forward half on the left.
    StartPolyline(s, v.BodyRightX(0), v.ProfileY(wz(0)), foreground);
    for (int p = 0; p <= 40; ++p) s.LineTo(v.BodyRightX(wy(p)), v.ProfileY(wz(p)));
    StartPolyline(s, v.BodyLeftX(wy(40)), v.ProfileY(wz(40)), foreground);
    for (int p = 41; p <= kBowPoint; ++p) s.LineTo(v.BodyLeftX(wy(p)), v.ProfileY(wz(p)));
    s.LineTo(v.BodyRightX(0), v.ProfileY(wz(kBowPoint)));

    // 4. Centre of displacement in plan and profile.
    s.SetDrawWidth(1);
    CentreMark(s, v.ScreenX(d.buoyancyX), v.PlanY(d.buoyancyY), kBlue);
    CentreMark(s, v.ScreenX(d.buoyancyX), v.ProfileY(d.buoyancyZ), LineColour(d, 4));
    s.SetForeColour(foreground);
}

}  // namespace bravik
