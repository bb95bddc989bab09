#include "export/lap_strake.h"

#include <cmath>
#include <numbers>

#include "geometry/plane_offsets.h"

namespace bravik {

namespace {

Point2 Mean(Point2 a, Point2 b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

double CosDeg(double degrees) { return std::cos(degrees * std::numbers::pi / 180); }

}  // namespace

PanelOutline DevelopedOutline(const HullDesign& d, int n) {
    PanelOutline o;
    for (int i = 0; i <= n; ++i) {
        o.edge1.push_back({d.devLowerX(i), d.devLowerY(i)});
        o.edge2.push_back({d.devUpperX(i), d.devUpperY(i)});
    }
    return o;
}

PanelOutline LapStrakeCutShape(const HullDesign& d, int k, const PanelOutline& net) {
    const std::vector<Point2>& e1 = net.edge1;
    const std::vector<Point2>& e2 = net.edge2;
    const int n = static_cast<int>(e1.size()) - 1;
    PanelOutline cut = net;
    const bool bottom = k == 0;

    // Transom end: both corners slide along their edges so that the end line
    // moves out parallel to itself. The bottom meets the raked transom at a
    // slant, so it needs the thickness measured along the bottom.
    const double eTransom = bottom ? 1.1 * d.transomThickness / CosDeg(d.transomAngle) : 1.2 * d.transomThickness;
    cut.edge2[0] = OffsetCornerOnPrevious(Mean(e2[1], e2[2]), e2[0], e1[0], eTransom);
    cut.edge1[0] = OffsetCornerOnNext(e2[0], e1[0], Mean(e1[1], e1[2]), eTransom);

    // Bow end, only on a hull that ends on a bow plate.
    if (d.halfWidthFwd(1) > 0.00001) {
        const double eBow = bottom ? 1.2 * d.bowPlateThickness / CosDeg(d.bowAngle) : 1.2 * d.bowPlateThickness;
        cut.edge1[n] = OffsetCornerOnPrevious(Mean(e1[n - 2], e1[n - 1]), e1[n], e2[n], eBow);
        cut.edge2[n] = OffsetCornerOnNext(e1[n], e2[n], Mean(e2[n - 2], e2[n - 1]), eBow);
    }

    // The lap: the lower edge of a side plank moves away from the upper edge,
    // to the right of the way from transom to bow; its end corners slide
    // along the (already extended) end lines.
    if (!bottom) {
        auto w = [&](int i) { return d.lapWidth(k, i); };
        cut.edge1[0] = OffsetCornerOnPrevious(cut.edge2[0], cut.edge1[0], Mean(e1[1], e1[2]), w(0));
        cut.edge1[1] = OffsetPerpendicular(e1[2], e1[1], w(1));
        for (int i = 2; i <= n - 1; ++i) cut.edge1[i] = OffsetPerpendicular(e1[i - 1], e1[i], -w(i));
        cut.edge1[n - 1] = OffsetPerpendicular(Mean(e1[n - 3], e1[n - 2]), e1[n - 1], -w(n - 1));
        cut.edge1[n] = OffsetCornerOnNext(Mean(e1[n - 2], e1[n - 1]), cut.edge1[n], cut.edge2[n], w(n));
    }
    return cut;
}

}  // namespace bravik
