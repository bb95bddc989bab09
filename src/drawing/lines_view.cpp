#include "drawing/lines_view.h"

#include "drawing/dimensions.h"
#include "drawing/view_placement.h"

namespace bravik {

namespace {

void PrintValue(Surface& s, double metres) { s.Print(DimensionText(metres)); }

// The bottom: plan and profile outlines with the position and half-breadth
// of the maximum beam, the hull length and the keel depth.
void DrawBottomLines(const HullDesign& d, int r, Surface& s) {
    const ViewMapping v{d};
    s.SetForeColour(LineColour(d, 0));

    // 1. Position of the maximum beam, with its value left of the arrow.
    const double beamX = v.ScreenX(d.X(1, r));
    s.Line(beamX, v.PlanY(0) - 50, beamX, v.PlanY(0));
    arrowRight(s);
    std::string text = DimensionText(d.X(1, r));
    s.MoveTo(beamX - 120 - s.TextWidth(text), v.PlanY(0) - s.TextHeight(text));
    s.Print(text);

    // 2. Half maximum beam, its value halfway between centre line and chine.
    s.MoveTo(beamX, v.PlanY(0));
    s.LineBy(0, d.Y(1, r) * d.viewScaleY);
    arrowDown(s);
    s.MoveTo(beamX + 50, v.PlanY(0) + d.Y(1, r) * d.viewScaleY / 2);
    PrintValue(s, d.Y(1, r));

    // 3. Length, at the bow in profile.
    const double bowX = v.ScreenX(d.lineLength(0));
    s.Line(bowX, v.ProfileY(d.Z(0, kBowPoint)) + 100, bowX, v.ProfileY(d.Z(0, 64)));
    arrowRight(s);
    const double tipX = s.CurrentX(), tipY = s.CurrentY();
    s.LineBy(-300, 0);
    text = DimensionText(d.lineLength(0));
    s.MoveTo(tipX - 120 - s.TextWidth(text), tipY + 60);
    s.Print(text);

    // 4. Plan outline of the bottom: keel stern, first chine, keel bow, back.
    s.MoveTo(v.ScreenX(d.X(0, 0)), v.PlanY(d.Y(0, 0)));
    for (int i = 0; i <= kBowPoint; ++i) s.LineTo(v.ScreenX(d.X(1, i)), v.PlanY(d.Y(1, i)));
    s.LineTo(v.ScreenX(d.X(0, kBowPoint)), v.PlanY(d.Y(0, kBowPoint)));
    s.LineTo(v.ScreenX(d.X(0, 0)), v.PlanY(d.Y(0, 0)));

    // 5. Profile: the first chine between the keel's ends, then the keel.
    s.MoveTo(v.ScreenX(d.X(0, 0)), v.ProfileY(d.Z(0, 0)));
    for (int i = 0; i <= kBowPoint; ++i) s.LineTo(v.ScreenX(d.X(1, i)), v.ProfileY(d.Z(1, i)));
    s.LineTo(v.ScreenX(d.X(0, kBowPoint)), v.ProfileY(d.Z(0, kBowPoint)));
    s.MoveTo(v.ScreenX(d.X(0, 0)), v.ProfileY(d.Z(0, 0)));
    for (int i = 1; i <= kBowPoint; ++i) s.LineTo(v.ScreenX(d.X(0, i)), v.ProfileY(d.Z(0, i)));

    // 6. Keel depth at the maximum beam, from the baseline down.
    if (d.midshipIndex >= 0 && d.midshipIndex <= kBowPoint) {
        const int m = d.midshipIndex;
        s.Line(v.ScreenX(d.X(0, m)), v.ProfileY(0), v.ScreenX(d.X(0, m)), v.ProfileY(d.Z(0, m)));
        arrowDown(s);
        s.MoveBy(-150, 50);
        PrintValue(s, d.Z(0, m));
    }
}

// The side planks: bow length, stern overhang, beam and bow height of the
// higher of the two top lines, then every upper chine in profile and plan
// with the transom and bow edges where the turn changes.
void DrawPlankLines(const HullDesign& d, int r, Surface& s) {
    const ViewMapping v{d};
    const int n = d.lastLine;
    if (n < 2) return;
    const double zeroHeight = s.TextHeight("0");

    // 1. Bow length.
    int j = d.X(n, kBowPoint) >= d.X(n - 1, kBowPoint) ? n : n - 1;
    s.SetForeColour(LineColour(d, j));
    s.MoveTo(v.ScreenX(d.X(j, kBowPoint)), v.PlanY(d.Y(j, kBowPoint)) + 100);
    s.LineBy(0, 500);
    arrowRight(s);
    s.LineBy(-300, 0);
    s.MoveBy(0, zeroHeight / 2);
    PrintValue(s, d.X(j, kBowPoint));

    // 2. Stern overhang, measured back to X = 0.
    j = d.X(n, 0) >= d.X(n - 1, 0) ? n - 1 : n;
    s.SetForeColour(LineColour(d, j));
    s.MoveTo(v.ScreenX(d.X(j, 0)), v.PlanY(d.Y(j, 0)) + 100);
    s.LineBy(0, 400);
    arrowLeft(s);
    s.LineBy(-d.X(j, 0) * d.viewScale, 0);
    s.MoveTo(v.ScreenX(d.X(j, 0)), s.CurrentY() + zeroHeight / 2);
    PrintValue(s, d.X(j, 0));

    // 3. Beam at the reference point.
    j = d.Y(n, r) > d.Y(n - 1, r) ? n : n - 1;
    s.SetForeColour(LineColour(d, j));
    const double bx = v.ScreenX(d.X(j, r)), by = v.PlanY(d.Y(j, r));
    s.MoveTo(bx - 50, by + 100);
    s.LineBy(50, -100);
    s.LineBy(50, 100);
    s.MoveTo(bx, by);
    s.LineBy(0, 300);
    s.MoveTo(bx + 50, by + 150);
    PrintValue(s, d.Y(j, r));

    // 4. Bow height of the sheer.
    s.SetForeColour(LineColour(d, n));
    s.MoveTo(v.ScreenX(d.X(n, kBowPoint)) + 50, v.ProfileY(d.Z(n, kBowPoint)));
    s.LineBy(200, 0);
    arrowDown(s);
    s.LineBy(0, -400);
    const std::string text = DimensionText(d.Z(n, kBowPoint));
    s.MoveTo(s.CurrentX() - 50 - s.TextWidth(text), s.CurrentY());
    s.Print(text);

    // 5. Every upper chine, closed on the line below it at both ends.
    for (j = 2; j <= n; ++j) {
        s.SetForeColour(LineColour(d, j));
        s.MoveTo(v.ScreenX(d.X(j - 1, 0)), v.ProfileY(d.Z(j - 1, 0)));
        for (int i = 0; i <= kBowPoint; ++i) s.LineTo(v.ScreenX(d.X(j, i)), v.ProfileY(d.Z(j, i)));
        s.LineTo(v.ScreenX(d.X(j - 1, kBowPoint)), v.ProfileY(d.Z(j - 1, kBowPoint)));

        if (d.transomTurn(j) != d.transomTurn(j - 1) || j == n)
            s.Line(v.ScreenX(d.X(j, 0)), v.PlanY(0), v.ScreenX(d.X(j, 0)), v.PlanY(d.Y(j, 0)));

        s.MoveTo(v.ScreenX(d.X(j - 1, 0)), v.PlanY(d.Y(j - 1, 0)));
        for (int i = 0; i <= kBowPoint; ++i) s.LineTo(v.ScreenX(d.X(j, i)), v.PlanY(d.Y(j, i)));
        s.LineTo(v.ScreenX(d.X(j - 1, kBowPoint)), v.PlanY(d.Y(j - 1, kBowPoint)));

        if (d.bowTurn(j) != d.bowTurn(j - 1) || j == n)
            s.Line(v.ScreenX(d.X(j, kBowPoint)), v.PlanY(0), v.ScreenX(d.X(j, kBowPoint)),
                   v.PlanY(d.Y(j, kBowPoint)));
    }
}

}  // namespace

void DrawStageLines(const HullDesign& d, int stage, Surface& plan1) {
    if (!ViewPlacementUsable(d)) return;
    // The reference point of the dimensions is taken on the keel's length.
    const int r = NearestPointIndex(d.maxBeamX(1) / d.lineLength(0) * 80);
    if (r < 0) return;
    if (stage == 0)
        DrawBottomLines(d, r, plan1);
    else
        DrawPlankLines(d, r, plan1);
}

}  // namespace bravik
