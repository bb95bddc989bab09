#include "drawing/development_view.h"

#include <utility>

#include "drawing/view_placement.h"
#include "geometry/panel_development.h"
#include "geometry/plate_development.h"

namespace bravik {

namespace {

// The outline of the developed panel, through a mapping of flat points.
template <class Map>
void DrawOutline(const HullDesign& d, int N, Surface& s, Map map) {
    s.SetDrawStyle(LineStyle::Dot);
    auto moveTo = [&](double x, double y) { auto [a, b] = map(x, y); s.MoveTo(a, b); };
    auto lineTo = [&](double x, double y) { auto [a, b] = map(x, y); s.LineTo(a, b); };
    moveTo(d.devLowerX(0), d.devLowerY(0));
    for (int i = 0; i <= N; ++i) lineTo(d.devLowerX(i), d.devLowerY(i));
    moveTo(d.devUpperX(0), d.devUpperY(0));
    for (int i = 0; i <= N; ++i) lineTo(d.devUpperX(i), d.devUpperY(i));
    lineTo(d.devLowerX(N), d.devLowerY(N));
    s.SetDrawStyle(LineStyle::Solid);
}

// A half plate (transom or bow plate) laid in the plan: its developed
// length along screen X from `startX` in the direction `sense`, its
// half-breadth downward, closed on the centre line, with a mark where it
// turns in above the second or third chine.
void DrawPlate(const HullDesign& d, const decltype(HullDesign::transomDev)& dev, const LineIntArray& turn,
               double startX, double sense, Surface& s) {
    const ViewMapping v{d};
    const int top = d.lastLine + 9;
    auto screenX = [&](int K) { return startX + sense * dev(1, K) * d.viewScale; };

    s.SetDrawStyle(LineStyle::Solid);
    s.SetForeColour(LineColour(d, 1));
    s.MoveTo(startX, d.planOriginY);
    for (int K = 1; K <= top; ++K) s.LineTo(screenX(K), v.PlanY(dev(2, K)));
    s.LineTo(screenX(top), d.planOriginY);

    int mark = 0;
    if (turn(2) == -1)
        mark = 2;
    else if (turn(3) == -1)
        mark = 3;
    if (mark != 0) {
        const int K = mark + 9;
        s.SetForeColour(LineColour(d, mark));
        s.Line(screenX(K), d.planOriginY, screenX(K), v.PlanY(dev(2, K)));
    }
}

}  // namespace

void DrawBottomDevelopment(const HullDesign& d, int N, Surface& plan1) {
    const ViewMapping v{d};
    plan1.SetForeColour(LineColour(d, 0));
    DrawOutline(d, N, plan1, [&](double x, double y) { return std::pair{v.ScreenX(x), v.PlanY(y)}; });
}

void DrawPlankDevelopment(const HullDesign& d, int N, int c, double dx, double dy, Surface& plan1) {
    const ViewMapping v{d};
    plan1.SetForeColour(LineColour(d, c));
    DrawOutline(d, N, plan1, [&](double x, double y) { return std::pair{v.ScreenX(x + dx), v.ProfileY(y + dy)}; });
    plan1.SetForeColour(LineColour(d, 0));
}

void DrawDevelopments(HullDesign& d, int definitionStage, Surface& plan1) {
    if (!ViewPlacementUsable(d) || d.lastLine + 9 > 35) return;

    DevelopPlank(d, 81, 0, d.bottomLineX, d.bottomLineY, d.bottomLineZ);
    DrawBottomDevelopment(d, 83, plan1);
    if (definitionStage == 0) {
        plan1.SetDrawStyle(LineStyle::Solid);
        plan1.SetForeColour(LineColour(d, 0));
        return;
    }

    // Each plank lifted by its lower chine's height amidships, a little more
    // for each plank up, so that the shapes stack without overlapping.
    for (int k = 1; k <= d.lastLine - 1; ++k) {
        DevelopPlank(d, 80, k, d.X, d.Y, d.Z);
        DrawPlankDevelopment(d, 82, k + 1, d.X(k + 1, 0), (1 + 0.1 * k) * d.Z(k, 40), plan1);
    }

    // The transom 300 twips forward of X = 0; the bow plate aft from the
    // keel's point 80 when the bottom ends on one.
    DevelopTransom(d);
    DrawPlate(d, d.transomDev, d.transomTurn, d.viewOriginX + 300, 1, plan1);
    if (d.halfWidthFwd(1) > 0.001) {
        DevelopBowPlate(d);
        DrawPlate(d, d.bowPlateDev, d.bowTurn, ViewMapping{d}.ScreenX(d.X(0, 80)), -1, plan1);
    }

    plan1.SetDrawStyle(LineStyle::Solid);
    plan1.SetForeColour(LineColour(d, 0));
}

}  // namespace bravik
