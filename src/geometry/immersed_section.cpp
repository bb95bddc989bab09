#include "geometry/immersed_section.h"

#include <cmath>

#include "geometry/numeric.h"

namespace bravik {

ImmersedSectionResult ImmersedSection(const HullDesign& d, int p, double zw) {
    ImmersedSectionResult r;
    r.xw = d.X(0, p);
    if (zw < d.Z(0, p)) return r;   // the keel is above the water
    r.top = 0;

    // Each segment of the section, between lines f - 1 and f, adds the
    // trapezoid between the centre plane and the hull up to the water (or
    // up to its upper end when it is wholly wet), counted on both sides.
    double ytop = 0;
    double sumArea = 0;
    double sumMoment = 0;
    for (int f = 1; f <= d.lastLine; ++f) {
        const double ya = d.Y(f - 1, p), za = d.Z(f - 1, p), xa = d.X(f - 1, p);
        const double yb = d.Y(f, p), zb = d.Z(f, p), xb = d.X(f, p);
        double ztop;
        if (zw >= zb) {
            ytop = yb;
            ztop = zb;
            r.xw = xb;
            r.top = f;
            r.yw = ytop;
        } else if (zw > za) {
            ytop = SecantStep(zw, ya, za, yb, zb);
            ztop = zw;
            r.xw = xa + (xb - xa) * (zw - za) / (zb - za);
            r.yw = ytop;
        } else {
            ztop = za;   // dry: ytop keeps its value, the slice is empty
        }
        const double slice = std::fabs((ztop - za) * (ytop + ya));
        const double centroid = ytop + ya > 0 ? za + (2 * ytop + ya) * (ztop - za) / (3 * (ytop + ya)) : zb;
        sumArea += slice;
        sumMoment += centroid * slice;
    }
    if (zw > d.Z(d.lastLine, p)) r.yw = 0;   // the water is over the sheer here
    r.area = sumArea;
    if (sumArea > 0) r.zc = sumMoment / sumArea;
    return r;
}

}  // namespace bravik
