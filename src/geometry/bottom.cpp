#include "geometry/bottom.h"

#include <cmath>

#include "geometry/numeric.h"
#include "geometry/upper_chines.h"

namespace bravik {

namespace {

// One branch of the first chine's laws at X = x: the branch's exponent, its
// end values and the normalised distance t from the maximum-beam station
// (0 there, 1 at the stem or at the transom station).
struct ChineBranch {
    double t;
    double power;
    double endHalfBreadth;
    double endHeight;
    double sShape;
};

ChineBranch BranchAt(const HullDesign& d, double x) {
    const double xm = d.maxBeamX(1);
    if (x >= xm) {
        return {std::abs(x - xm) / (d.lineLength(0) - xm), d.powerFwd, d.halfWidthFwd(1),
                d.heightFwd(1), d.sShapeFwd};
    }
    return {std::abs((xm - x) / (xm - d.sternX(0))), d.powerAft, d.halfWidthAft(1),
            d.heightAft(1), d.sShapeAft};
}

double FirstChineHalfBreadth(const HullDesign& d, double x) {
    const ChineBranch b = BranchAt(d, x);
    const double bm = d.halfMaxBeam(1);
    if (b.t <= 1) return bm - (bm - b.endHalfBreadth) * std::pow(b.t, b.power);
    // Beyond the stem or the transom: the straight continuation with the
    // slope the law has at its end.
    return b.endHalfBreadth - (bm - b.endHalfBreadth) * b.power * (b.t - 1);
}

double FirstChineHeight(const HullDesign& d, double x) {
    const ChineBranch b = BranchAt(d, x);
    const double n = b.power, s = b.sShape;
    if (b.t <= 1) return b.endHeight * ((s + 1) * std::pow(b.t, n) - s * std::pow(b.t, n + 1));
    return b.endHeight * (1 + ((s + 1) * n - s * (n + 1)) * (b.t - 1));
}

// Height at (x, y) on the straight generator that leaves the first chine at
// X = xc and falls towards the centre plane at the deadrise.
double GeneratorHeight(const HullDesign& d, double xc, double y) {
    return FirstChineHeight(d, xc) - (FirstChineHalfBreadth(d, xc) - y) * TanDegWhole(d.plankAngle(0));
}

}  // namespace

double LineHalfBreadth(const HullDesign& d, int n, double x) {
    if (n <= 0) return 0;
    if (n == 1) return FirstChineHalfBreadth(d, x);
    return LineHalfBreadthAndHeight(d, n, x).first;
}

double LineHeight(const HullDesign& d, int n, double x) {
    if (n <= 0) return BottomHeight(d, x, 0);
    if (n == 1) return FirstChineHeight(d, x);
    return LineHalfBreadthAndHeight(d, n, x).second;
}

double BottomHeight(const HullDesign& d, double x, double y) {
    const double xm1 = d.maxBeamX(1);
    const double xm0 = d.maxBeamX(0);
    if (x <= xm1) return GeneratorHeight(d, x, y);
    if (x < xm0) {
        const double bm = d.halfMaxBeam(1);
        const double w = bm * (xm0 - x) / (xm0 - xm1);
        // Inside the wedge where the midship section carries on unchanged.
        if (y <= w) return d.heightAtMaxBeam(0) * (1 - y / bm);
    }
    // Forward of the maximum beam the generators run forward and inward at
    // the keel advance angle; find the chine station of the one through
    // (x, y). Seven passes, no tolerance: the count is part of the result.
    const double advance = TanDegWhole(d.keelAdvanceAngle);
    double xc = x;
    for (int pass = 0; pass < 7; ++pass) xc = x - (FirstChineHalfBreadth(d, xc) - y) * advance;
    return GeneratorHeight(d, xc, y);
}

void ComputeKeelHeights(HullDesign& d) {
    d.heightFwd(0) = BottomHeight(d, d.lineLength(0), 0);
    d.heightAft(0) = BottomHeight(d, d.sternX(0), 0);
    d.heightAtMaxBeam(0) = BottomHeight(d, d.maxBeamX(1), 0);
    // Lines 2 to 4 always, whatever the number of planks: no upper chine
    // starts below the one under it at the three stations.
    for (int n = 2; n <= 4; ++n) {
        if (d.heightFwd(n) < d.heightFwd(n - 1)) d.heightFwd(n) = d.heightFwd(n - 1);
        if (d.heightAtMaxBeam(n) < d.heightAtMaxBeam(n - 1))
            d.heightAtMaxBeam(n) = d.heightAtMaxBeam(n - 1);
        if (d.heightAft(n) < d.heightAft(n - 1)) d.heightAft(n) = d.heightAft(n - 1);
        d.lineLength(n) = d.lineLength(0);
        d.maxBeamX(n) = d.maxBeamX(1);
        d.sternX(n) = d.sternX(0);
    }
}

void ComputeFirstChinePlane(HullDesign& d) {
    const double ba = d.halfWidthAft(1), ha = d.heightAft(1);
    const double u = d.maxBeamX(1), bm = d.halfMaxBeam(1), hm = d.heightAtMaxBeam(1);
    const double v = d.lineLength(0), bf = d.halfWidthFwd(1), hf = d.heightFwd(1);
    const double a = bf - ba, c = bm - ba, dd = hf - ha, f = hm - ha;
    d.chinePlaneSlopeY(1) = (dd * u - f * v) / (u * a - v * c);
    d.chinePlaneSlopeX(1) = (dd * c - f * a) / (v * c - u * a);
    d.chinePlaneZ0(1) = ha - d.chinePlaneSlopeY(1) * ba;
}

void ComputeFirstChineEnds(HullDesign& d) {
    // Bow end, on the raked stem rising from the keel's bow end. A pass
    // whose chine has already closed on the centre plane (Y < 0) makes the
    // stem one degree more upright and does not count; at an upright stem
    // the pass is accepted as it is, so the search always ends.
    double z = d.heightFwd(1);
    double x = d.lineLength(0);
    for (int accepted = 0; accepted < 10;) {
        x = d.lineLength(0) + TanDeg(d.bowAngle) * (z - d.heightFwd(0));
        z = LineHeight(d, 1, x);
        const double y = LineHalfBreadth(d, 1, x);
        if (y < 0 && d.bowAngle > 0) {
            d.bowAngle = static_cast<std::int16_t>(d.bowAngle - 1);
            continue;
        }
        ++accepted;
    }
    d.lineLength(1) = x;

    // Stern end, on the raked transom rising from the keel's stern end.
    z = d.heightAft(1);
    x = d.sternX(0);
    for (int pass = 0; pass < 10; ++pass) {
        x = d.sternX(0) + TanDeg(d.transomAngle) * (z - d.heightAft(0));
        z = LineHeight(d, 1, x);
    }
    d.sternX(1) = x;
}

void ComputeBottomPoints(HullDesign& d) {
    auto setChine = [&d](int p, double x) {
        d.X(1, p) = x;
        d.Y(1, p) = LineHalfBreadth(d, 1, x);
        d.Z(1, p) = LineHeight(d, 1, x);
    };
    auto setKeel = [&d](int p, double x) {
        d.X(0, p) = x;
        d.Y(0, p) = 0;
        d.Z(0, p) = BottomHeight(d, x, 0);
    };

    setChine(0, d.sternX(1));
    setKeel(0, d.sternX(0));
    for (int i = 0; i <= 80; ++i) {
        const double x = i / 80.0 * (d.lineLength(0) - d.sternX(0));
        setKeel(i + 1, x);
        setChine(i + 1, x);
    }
    setChine(kBowPoint, d.lineLength(1));
    setKeel(kBowPoint, d.lineLength(0));
}

void ComputeBottomLines(HullDesign& d) {
    for (int i = 0; i <= 81; ++i) {
        for (int r = 0; r <= 1; ++r) {
            d.bottomLineX(r, i) = d.X(r, i);
            d.bottomLineY(r, i) = d.Y(r, i);
            d.bottomLineZ(r, i) = d.Z(r, i);
        }
        d.bottomLineY(0, i) = 0;
    }

    // Point 82 closes the panel at the bow: the keel side at the middle of the
    // two bow ends, the chine side between the chine's last two points.
    const double xk = (d.X(0, 82) + d.X(1, 82)) / 2;
    const double yk = (d.Y(0, 82) + d.Y(1, 82)) / 2;
    d.bottomLineX(0, 82) = xk;
    d.bottomLineY(0, 82) = yk;
    d.bottomLineZ(0, 82) = BottomHeight(d, xk, yk);
    d.bottomLineX(1, 82) = (d.X(1, 81) + d.X(1, 82)) / 2;
    d.bottomLineY(1, 82) = (d.Y(1, 81) + d.Y(1, 82)) / 2;
    d.bottomLineZ(1, 82) = (d.Z(1, 81) + d.Z(1, 82)) / 2;

    // Point 83: the chine's bow end on both rows.
    for (int r = 0; r <= 1; ++r) {
        d.bottomLineX(r, 83) = d.X(1, 82);
        d.bottomLineY(r, 83) = d.Y(1, 82);
        d.bottomLineZ(r, 83) = d.Z(1, 82);
    }

    if (d.keelAdvanceAngle <= 0) return;
    // Forward of the maximum beam each generator leaves the keel point and
    // meets the chine further aft; seven fixed passes find where.
    const int mid = d.midshipIndex < 0 ? 0 : (d.midshipIndex > kBowPoint ? kBowPoint : d.midshipIndex);
    const double xMid = d.X(1, mid);
    const double advance = TanDegWhole(d.keelAdvanceAngle);
    for (int i = mid + 1; i <= 82; ++i) {
        const double xKeel = d.bottomLineX(0, i), yKeel = d.bottomLineY(0, i);
        double x = xKeel;
        for (int pass = 0; pass < 7; ++pass) {
            x = xKeel - advance * (LineHalfBreadth(d, 1, x) - yKeel);
            if (x < xMid) x = xMid;
        }
        d.bottomLineX(1, i) = x;
        d.bottomLineY(1, i) = LineHalfBreadth(d, 1, x);
        d.bottomLineZ(1, i) = LineHeight(d, 1, x);
    }
}

void ComputeBottom(HullDesign& d) {
    ComputeKeelHeights(d);
    ComputeFirstChinePlane(d);
    ComputeFirstChineEnds(d);
    ComputeBottomPoints(d);
    ComputeBottomLines(d);
}

}  // namespace bravik
