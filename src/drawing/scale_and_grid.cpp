#include "drawing/scale_and_grid.h"

#include <algorithm>
#include <cmath>

#include "drawing/dimensions.h"
#include "drawing/view_placement.h"

namespace bravik {

namespace {

constexpr Colour kCyan = Rgb(0, 255, 255);

// Length of line k seen in plan, from its stern end to its bow end.
double PlanLength(const HullDesign& d, int k) {
    double length = 0;
    for (int i = 1; i <= kBowPoint; ++i)
        length += std::hypot(d.X(k, i) - d.X(k, i - 1), d.Y(k, i) - d.Y(k, i - 1));
    return length;
}

}  // namespace

bool ComputeScaleAndDrawGrid(HullDesign& d, int definitionStage, Surface& plan1) {
    const double W = plan1.WidthTwips();
    const double H = plan1.HeightTwips();
    ForgetViewPlacement(d);

    const int r = NearestPointIndex(d.maxBeamX(1) * 80 / d.lineLength(1));
    if (r < 0) return false;

    double Lh = std::max(PlanLength(d, 1), 1.15 * d.lineLength(1));
    if (definitionStage > 0) {
        if (d.lastLine >= 3) Lh = std::max(Lh, PlanLength(d, 3));
        if (d.lastLine >= 4) Lh = std::max(Lh, PlanLength(d, 4));
    }

    double Xmin = -0.1 * d.lineLength(1);
    double Zmax = d.halfMaxBeam(1);
    double Bmax = 1.5 * d.halfMaxBeam(1);
    if (definitionStage > 0) {
        for (int j = 2; j <= d.lastLine; ++j) {
            Xmin = std::min(Xmin, d.X(j, 0));
            Zmax = std::max({Zmax, d.Z(j, kBowPoint), d.Z(j, 0)});
            Bmax = std::max(Bmax, d.Y(j, r));
        }
    }

    const double keelDepth = std::fabs(d.Z(0, r));
    const double sx = (W - 300) / (1.05 * (Lh - Xmin) + 2.2 * Bmax);
    const double sy = (H - 400) / (1.1 * keelDepth + 1.1 * (Zmax + Bmax));
    const double scale = std::min(sx, sy);
    // A comparison with NaN is false, so a scale that is not a number stops here too.
    if (!(scale > 0) || !std::isfinite(scale)) return false;

    plan1.SetScale(0, 0, W, H);
    d.viewScale = d.viewScaleY = scale;
    d.viewScaleZ = -scale;
    d.viewOriginX = 150 - scale * Xmin;
    d.planOriginY = (H / 2 - 1.1 * Bmax * scale) / 2 + H / 2;
    d.profileOriginY = H / 2 - 100 - (keelDepth + 0.05 * Zmax) * scale;
    d.bodyCentreX = 1.12 * Bmax + 1.05 * Lh;
    if (!ViewPlacementUsable(d)) {
        ForgetViewPlacement(d);
        return false;
    }

    DrawGridAndAxes(d, plan1);
    return true;
}

void DrawGridAndAxes(const HullDesign& d, Surface& plan1) {
    if (!ViewPlacementUsable(d)) return;
    const ViewMapping v{d};
    Surface& s = plan1;

    const double dx = d.lineLength(0) / 10;
    double largestHalfBeam = d.halfMaxBeam(1);
    for (int j = 2; j <= d.lastLine; ++j) largestHalfBeam = std::max(largestHalfBeam, d.halfMaxBeam(j));
    const double dy = largestHalfBeam / 5;
    const double dz = d.heightAtMaxBeam(std::clamp<int>(d.lastLine, 0, kMaxLine)) / 4;

    // 1. The profile origin.
    s.SetForeColour(LineColour(d, 4));
    s.SetDrawStyle(LineStyle::Solid);
    s.Circle(v.ScreenX(0), v.ProfileY(0), 50);

    // 2. The grid: stations in plan and profile, the 45-degree transfer net
    //    between plan and body plan, waterlines in profile and body plan.
    s.SetForeColour(kCyan);
    for (int n = -1; n <= 11; ++n) s.Line(v.ScreenX(n * dx), v.PlanY(0), v.ScreenX(n * dx), v.PlanY(5 * dy));
    for (int n = -1; n <= 11; ++n)
        s.Line(v.ScreenX(n * dx), v.ProfileY(-dz), v.ScreenX(n * dx), v.ProfileY(5 * dz));
    for (int n = -5; n <= 5; ++n)
        s.Line(v.BodyRightX(n * dy), v.ProfileY(5 * dz), v.BodyRightX(n * dy), v.PlanY(std::abs(n) * dy));
    for (int n = 0; n <= 5; ++n) s.Line(v.ScreenX(-dx), v.PlanY(n * dy), v.BodyRightX(n * dy), v.PlanY(n * dy));
    for (int n = -1; n <= 5; ++n) {
        s.Line(v.ScreenX(-dx), v.ProfileY(n * dz), v.ScreenX(11 * dx), v.ProfileY(n * dz));
        s.Line(v.BodyRightX(-5 * dy), v.ProfileY(n * dz), v.BodyRightX(5 * dy), v.ProfileY(n * dz));
    }

    // 3. The body-plan centre line and the Z axis.
    const double top = s.ScaleTop();
    if (d.profileOriginY + 300 > top) {
        s.SetDrawStyle(LineStyle::DashDot);
        s.Line(v.BodyRightX(0), v.PlanY(0) - 100, v.BodyRightX(0), top + 300);
        s.Line(v.ScreenX(0), v.ProfileY(-dz), v.ScreenX(0), top + 300);
        arrowUp(s);
        s.MoveBy(-s.TextWidth("00"), 0);
        s.Print("Z");
    }

    // 4. The baseline.
    s.SetDrawStyle(LineStyle::DashDot);
    s.Line(v.ScreenX(-dx), v.ProfileY(0), s.ScaleLeft() + s.ScaleWidth() - 100, v.ProfileY(0));

    // 5. The plan origin.
    s.SetDrawStyle(LineStyle::Solid);
    s.Circle(v.ScreenX(0), v.PlanY(0), 50);

    // 6. The Y axis, when the plan leaves room for it.
    const double bottom = s.ScaleTop() + s.ScaleHeight();
    if (d.planOriginY + 400 < s.ScaleHeight()) {
        s.SetDrawStyle(LineStyle::DashDot);
        s.Line(v.ScreenX(0), v.PlanY(0) - 100, v.ScreenX(0), bottom - 300);
        arrowDown(s);
        s.Print(" Y");
    }

    // 7. The X axis along the plan centre line.
    s.SetDrawStyle(LineStyle::DashDot);
    s.Line(v.ScreenX(-dx), v.PlanY(0), v.ScreenX(1.25 * d.lineLength(1)), v.PlanY(0));
    arrowRight(s);
    s.MoveBy(-s.TextWidth("0"), -1.5 * s.TextHeight("0"));
    s.Print("X");
    s.SetDrawStyle(LineStyle::Solid);
}

}  // namespace bravik
