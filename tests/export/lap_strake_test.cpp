#include "export/lap_strake.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace bravik {
namespace {

// A flat rectangular plank, 82 long and 1 wide: edge 1 along y = 0, edge 2
// along y = 1, one point per unit of length.
PanelOutline Rectangle() {
    PanelOutline o;
    for (int i = 0; i <= 82; ++i) {
        o.edge1.push_back({double(i), 0});
        o.edge2.push_back({double(i), 1});
    }
    return o;
}

void ExpectPoint(Point2 p, double x, double y, const char* what, int i) {
    EXPECT_NEAR(p.x, x, 1e-9) << what << i;
    EXPECT_NEAR(p.y, y, 1e-9) << what << i;
}

TEST(LapStrakeCutShape, GrowsARectangularPlankByItsEndsAndItsLap) {
    HullDesign d;
    d.halfWidthFwd(1) = 0.3;   // the hull ends on a bow plate
    d.transomThickness = 0.010;
    d.bowPlateThickness = 0.015;
    // The lap widens along the plank, so each point must take its own width.
    auto lap = [](int i) { return 0.02 + 0.0001 * i; };
    for (int i = 0; i <= 90; ++i) d.lapWidth(2, i) = lap(i);
    const PanelOutline cut = LapStrakeCutShape(d, 2, Rectangle());
    const double transom = 1.2 * 0.010, bow = 1.2 * 0.015;
    // Both ends move out along the edges; the lower edge moves down by the
    // lap, its corners sliding along the extended end lines.
    ExpectPoint(cut.edge2[0], -transom, 1, "edge 2 at ", 0);
    ExpectPoint(cut.edge1[0], -transom, -lap(0), "edge 1 at ", 0);
    ExpectPoint(cut.edge2[82], 82 + bow, 1, "edge 2 at ", 82);
    ExpectPoint(cut.edge1[82], 82 + bow, -lap(82), "edge 1 at ", 82);
    for (int i = 1; i <= 81; ++i) {
        ExpectPoint(cut.edge1[i], i, -lap(i), "edge 1 at ", i);
        ExpectPoint(cut.edge2[i], i, 1, "edge 2 at ", i);
    }
}

TEST(LapStrakeCutShape, BottomEndsFollowTheRakeAndPointedBowsStayPut) {
    HullDesign d;
    d.halfWidthFwd(1) = 0;   // pointed bow: no bow plate to allow for
    d.transomThickness = 0.010;
    d.transomAngle = -25;
    for (int i = 0; i <= 90; ++i) d.lapWidth(0, i) = 0.05;   // never used on the bottom
    const PanelOutline net = Rectangle();
    const PanelOutline cut = LapStrakeCutShape(d, 0, net);
    const double transom = 1.1 * 0.010 / std::cos(25 * std::numbers::pi / 180);
    ExpectPoint(cut.edge1[0], -transom, 0, "edge 1 at ", 0);
    ExpectPoint(cut.edge2[0], -transom, 1, "edge 2 at ", 0);
    for (int i = 1; i <= 82; ++i) {
        ExpectPoint(cut.edge1[i], net.edge1[i].x, net.edge1[i].y, "edge 1 at ", i);
        ExpectPoint(cut.edge2[i], net.edge2[i].x, net.edge2[i].y, "edge 2 at ", i);
    }
}

}  // namespace
}  // namespace bravik
