#include "drawing/body_plan_view.h"

#include "drawing/view_placement.h"

namespace bravik {

namespace {

// Screen position of section point K of station s on the given half.
struct BodyPoint {
    double x, y;
};

BodyPoint At(const HullDesign& d, int s, int K, bool bowHalf) {
    const ViewMapping v{d};
    const double y = d.sectionY(s, K);
    return {bowHalf ? v.BodyLeftX(y) : v.BodyRightX(y), v.ProfileY(d.sectionZ(s, K))};
}

void MoveTo(Surface& surf, BodyPoint p) { surf.MoveTo(p.x, p.y); }
void LineTo(Surface& surf, BodyPoint p) { surf.LineTo(p.x, p.y); }

// The station drawn before s (joined to it); its points are drawn on the
// same half as s.
int PreviousStation(int s) {
    if (s == 5) return 0;
    if (s == kBowPoint) return 81;
    return s - 4;
}

// A line from a section point to the centre line at its own height: the top
// edge of the transom or bow plate, or its turn-in above a chine.
void ToCentreLine(const HullDesign& d, Surface& surf, int s, int K, bool bowHalf, Colour colour) {
    const ViewMapping v{d};
    surf.SetForeColour(colour);
    MoveTo(surf, At(d, s, K, bowHalf));
    surf.LineTo(v.BodyRightX(0), v.ProfileY(d.sectionZ(s, K)));
}

// The turn-in of the transom (station 0, turn flags transomTurn) or bow
// plate (station 82, bowTurn) when it sits at the second or third chine and
// that chine is the one below the sheer.
void TurnMark(const HullDesign& d, Surface& surf, int s, bool bowHalf) {
    const auto& turn = s == 0 ? d.transomTurn : d.bowTurn;
    if (turn(2) == -1 && d.lastLine == 3)
        ToCentreLine(d, surf, s, 11, bowHalf, LineColour(d, 2));
    else if (turn(3) == -1 && d.lastLine == 4)
        ToCentreLine(d, surf, s, 12, bowHalf, LineColour(d, 3));
}

void DrawBottomSections(const HullDesign& d, Surface& surf) {
    surf.SetForeColour(LineColour(d, 0));
    MoveTo(surf, At(d, 0, 0, false));
    for (int K = 1; K <= 10; ++K) LineTo(surf, At(d, 0, K, false));
    for (int s : BodyPlanStations()) {
        if (s == 0) continue;
        const bool bow = OnBowHalf(s);
        const int p = PreviousStation(s);
        MoveTo(surf, At(d, p, 0, bow));
        for (int K = 0; K <= 10; ++K) LineTo(surf, At(d, s, K, bow));
        LineTo(surf, At(d, p, 10, bow));
    }
}

void DrawSideSections(const HullDesign& d, Surface& surf) {
    const int t = d.lastLine + 9;
    if (t > 35) return;

    // The transom: its side from the first chine up, its top, its turn-in.
    MoveTo(surf, At(d, 0, 10, false));
    for (int K = 11; K <= t; ++K) LineTo(surf, At(d, 0, K, false));
    surf.SetForeColour(LineColour(d, d.lastLine));
    surf.LineTo(ViewMapping{d}.BodyRightX(0), ViewMapping{d}.ProfileY(d.sectionZ(0, t)));
    TurnMark(d, surf, 0, false);

    for (int s : BodyPlanStations()) {
        if (s == 0) continue;
        const bool bow = OnBowHalf(s);
        const int p = PreviousStation(s);
        for (int K = 11; K <= t; ++K) {
            MoveTo(surf, At(d, s, K - 1, bow));
            surf.SetForeColour(LineColour(d, K - 9));
            LineTo(surf, At(d, s, K, bow));
            LineTo(surf, At(d, p, K, bow));
        }
    }

    // The bow plate's top and turn-in.
    ToCentreLine(d, surf, kBowPoint, t, true, LineColour(d, d.lastLine));
    TurnMark(d, surf, kBowPoint, true);
}

}  // namespace

std::vector<int> BodyPlanStations() {
    std::vector<int> stations{0};
    for (int s = 5; s <= 81; s += 4) stations.push_back(s);
    stations.push_back(kBowPoint);
    return stations;
}

bool OnBowHalf(int station) { return station > 41; }

void DrawStageSections(const HullDesign& d, int stage, Surface& plan1) {
    if (!ViewPlacementUsable(d)) return;
    DrawBottomSections(d, plan1);
    if (stage >= 1) DrawSideSections(d, plan1);
}

}  // namespace bravik
