#include "geometry/upper_chines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/bottom.h"
#include "geometry/numeric.h"

namespace bravik {

namespace {

constexpr double kRightAngle = std::numbers::pi / 2;
constexpr double kDegreesPerRadian = 57.2957795130823;

// Half-breadth change of plank k per unit of height in a transverse section.
double PlankRunPerRise(const HullDesign& d, int k) { return TanDegWhole(90 - d.plankAngle(k)); }

// The angle that a turn flag gives a plate above line k: a 16-bit product.
std::int16_t TurnedAngle(std::int16_t turn, std::int16_t angle) {
    return static_cast<std::int16_t>(turn * angle);
}

// The station half-breadth rule for one station of line n: y and z are the
// stored half-breadth and height of line n there, yBelow and zBelow those of
// line n - 1. `midship` adds the rule that no chine is narrower amidships
// than at the transom.
void ApplyStationRule(const HullDesign& d, int n, double yBelow, double zBelow, double& y,
                      double& z, bool midship) {
    const double t = PlankRunPerRise(d, n - 1);
    const bool upright = d.plankAngle(n - 1) == 90;
    y = yBelow + t * (z - zBelow);
    if (y < 0 && !upright) {
        // The plank below reaches the centre plane under the requested height.
        const double z0 = z - y / t;
        if (midship) {
            z = std::floor(10000 * z0) / 10000;
            y = 0.001;
        } else {
            z = (std::floor(10000 * z0) + 0.5) / 10000;
            y = 0;
        }
    }
    if (midship && !upright && y < d.halfWidthAft(n)) {
        const double zWide = zBelow - (yBelow - d.halfWidthAft(n)) / t;
        z = (std::floor(10000 * zWide) + 1) / 10000;
        y = yBelow + t * (z - zBelow);
    }
}

// Where line n meets a plate that rises from (xBelow, zBelow), the end of
// line n - 1, raked `degrees` from the vertical: five fixed-point passes from
// the height z given at the station. With `stopWhenClosed` the passes stop as
// soon as the chine has crossed the centre plane.
double EndOnRakedPlate(const HullDesign& d, int n, double xBelow, double zBelow, int degrees,
                       double z, bool stopWhenClosed) {
    const double rake = TanDegWhole(degrees);
    double x = xBelow;
    for (int pass = 0; pass < 5; ++pass) {
        x = xBelow + rake * (z - zBelow);
        z = LineHeight(d, n, x);
        if (stopWhenClosed && LineHalfBreadth(d, n, x) < 0) break;
    }
    return x;
}

// Bow end of line n on the raked bow plate (pram bow).
double BowEndOnPlate(const HullDesign& d, int n) {
    double x = EndOnRakedPlate(d, n, d.lineLength(n - 1), d.Z(n - 1, kBowPoint),
                               TurnedAngle(d.bowTurn(n - 1), d.bowAngle), d.heightFwd(n), true);
    if (x < d.lineLength(0)) x = d.lineLength(0);
    if (LineHalfBreadth(d, n, x) < 0) {
        // The chine meets the centre plane before the plate: five secant steps.
        for (int pass = 0; pass < 5; ++pass) {
            const double x2 = 0.99 * x - 0.001;
            x = SecantStep(0, x2, LineHalfBreadth(d, n, x2), x, LineHalfBreadth(d, n, x));
        }
    }
    return x;
}

// Bow end of line n where its half-breadth comes to zero (pointed bow).
double BowEndOnCentrePlane(const HullDesign& d, int n) {
    const double start = d.lineLength(n - 1);
    double low, high;
    if (LineHalfBreadth(d, n, start) > 0) {
        low = start;
        high = 1.04 * start;
    } else {
        high = start;
        low = 0.96 * start;
    }
    auto secant = [&] {
        return SecantStep(0, low, LineHalfBreadth(d, n, low), high, LineHalfBreadth(d, n, high));
    };
    double x = secant();
    if (std::abs(LineHalfBreadth(d, n, x)) > 0.0001) {
        for (int pass = 0; pass < 4; ++pass) {
            if (x > high) {
                low = high;
                high = x + 0.01;
            } else if (x >= low) {
                low = (x + low) / 2;
                high = (x + high) / 2;
            } else {
                high = low;
                low = x - 0.01;
            }
            x = secant();
            if (x < d.lineLength(0)) x = d.lineLength(0);
        }
    }
    return x;
}

// Stern end of line n on the raked transom.
double SternEndOnTransom(const HullDesign& d, int n) {
    double x = EndOnRakedPlate(d, n, d.sternX(n - 1), d.Z(n - 1, 0),
                               TurnedAngle(d.transomTurn(n - 1), d.transomAngle), d.heightAft(n), false);
    if (x > d.sternX(0)) x = d.sternX(0);
    if (LineHalfBreadth(d, n, x) < 0) {
        for (int pass = 0; pass < 4; ++pass) {
            const double x2 = 0.99 * x + 0.001;
            x = SecantStep(0, x2, LineHalfBreadth(d, n, x2), x, LineHalfBreadth(d, n, x));
            if (x > d.sternX(0)) x = d.sternX(0);
        }
    }
    return x;
}

void SetPoint(HullDesign& d, int n, int i, double x) {
    const auto [y, z] = LineHalfBreadthAndHeight(d, n, x);
    d.X(n, i) = x;
    d.Y(n, i) = y;
    d.Z(n, i) = z;
}

void Report(const PointProgress& progress, int point) {
    if (progress) progress(point);
}

}  // namespace

std::pair<double, double> LineHalfBreadthAndHeight(const HullDesign& d, int n, double x) {
    if (n <= 1) return {LineHalfBreadth(d, n, x), LineHeight(d, n, x)};
    // Climb from the first chine: each upper chine is where the section line
    // of the plank below, Y = y' + t·(Z - z'), meets the chine's plane.
    double y = LineHalfBreadth(d, 1, x);
    double z = LineHeight(d, 1, x);
    for (int k = 2; k <= n; ++k) {
        const double t = PlankRunPerRise(d, k - 1);
        const double sy = d.chinePlaneSlopeY(k);
        const double planeAtX = d.chinePlaneZ0(k) + d.chinePlaneSlopeX(k) * x;
        const double below = y - z * t;
        const double yk = (planeAtX * t + below) / (1 - t * sy);
        const double zk = (below * sy + planeAtX) / (1 - t * sy);
        y = yk;
        z = zk;
    }
    return {y, z};
}

void SetFwdHalfWidth(HullDesign& d, int n) {
    ApplyStationRule(d, n, d.halfWidthFwd(n - 1), d.heightFwd(n - 1), d.halfWidthFwd(n),
                     d.heightFwd(n), false);
}

void SetAftHalfWidth(HullDesign& d, int n) {
    ApplyStationRule(d, n, d.halfWidthAft(n - 1), d.heightAft(n - 1), d.halfWidthAft(n),
                     d.heightAft(n), false);
}

void SetMidHalfWidth(HullDesign& d, int n) {
    ApplyStationRule(d, n, d.halfMaxBeam(n - 1), d.heightAtMaxBeam(n - 1), d.halfMaxBeam(n),
                     d.heightAtMaxBeam(n), true);
}

void ComputeChinePlane(HullDesign& d, int n) {
    const double l = d.lineLength(0), m = d.maxBeamX(1);
    const double a = d.halfWidthFwd(n) - d.halfWidthAft(n);
    const double c = d.halfMaxBeam(n) - d.halfWidthAft(n);
    const double g = d.heightFwd(n) - d.heightAft(n);
    const double h = d.heightAtMaxBeam(n) - d.heightAft(n);
    // Three equal half-breadths leave the plane undetermined; a tenth of a
    // millimetre in the denominators tilts it just off parallel to Y.
    const double cd = (a == 0 && c == 0) ? c + 0.0001 : c;
    d.chinePlaneSlopeY(n) = (g * m - h * l) / (a * m - cd * l);
    d.chinePlaneSlopeX(n) = (g * c - h * a) / (cd * l - a * m);
    d.chinePlaneZ0(n) = d.heightAft(n) - d.chinePlaneSlopeY(n) * d.halfWidthAft(n);
}

void ComputeLineEnds(HullDesign& d, int n) {
    const bool onCentrePlane = d.halfWidthFwd(n) == 0 && d.halfWidthAft(n) == 0;
    if (onCentrePlane)
        d.lineLength(n) = d.lineLength(n - 1);
    else if (d.halfWidthFwd(1) > 0)
        d.lineLength(n) = BowEndOnPlate(d, n);
    else
        d.lineLength(n) = BowEndOnCentrePlane(d, n);

    d.sternX(n) = onCentrePlane ? d.sternX(n - 1) : SternEndOnTransom(d, n);
}

void ComputeLinePoints(HullDesign& d, int n, const PointProgress& progress) {
    const double stern = d.sternX(n), bow = d.lineLength(n);
    Report(progress, 0);
    SetPoint(d, n, 0, stern);
    for (int i = 1; i <= 81; ++i) {
        Report(progress, i);
        double x = d.X(0, i);
        if (x > bow)
            x = bow;
        else if (x < stern)
            x = stern;
        SetPoint(d, n, i, x);
    }
    Report(progress, kBowPoint);
    SetPoint(d, n, kBowPoint, bow);
}

void ComputeChineAngles(HullDesign& d, int n, const PointProgress& progress) {
    if (n == 1) {
        // Transverse slope of the bottom at the chine, between the chine and
        // the bottom point at nine tenths of its half-breadth.
        double slope = 0;
        auto bottomSlope = [&d, &slope](int i) {
            const double x = d.bottomLineX(1, i), y = d.bottomLineY(1, i), z = d.bottomLineZ(1, i);
            const double run = y - 0.9 * y;
            if (run != 0) slope = std::atan((z - BottomHeight(d, x, 0.9 * y)) / run);
        };
        bottomSlope(2);
        for (int i = 0; i <= kBowPoint; ++i) {
            Report(progress, i);
            bottomSlope(i);
            // Plank 2 stored steeper than plank 1 is compared even when it
            // does not exist.
            d.chineAngle(1, i) = d.plankAngle(2) < d.plankAngle(1)
                                     ? kRightAngle
                                     : d.plankAngle(1) * std::numbers::pi / 180 - slope;
        }
        return;
    }
    for (int i = 0; i <= kBowPoint; ++i) {
        Report(progress, i);
        d.chineAngle(n, i) = n == d.lastLine
                                 ? kRightAngle
                                 : (d.plankAngle(n) - d.plankAngle(n - 1)) / kDegreesPerRadian;
    }
}

void RecomputeUpperLines(HullDesign& d, const PointProgress& progress) {
    const int last = std::min<int>(d.lastLine, kMaxLine);
    for (int n = 2; n <= last; ++n) {
        ComputeChinePlane(d, n);
        ComputeLineEnds(d, n);
        ComputeLinePoints(d, n, progress);
        ComputeChineAngles(d, n - 1, progress);
    }
    if (last >= 1) ComputeChineAngles(d, last, progress);
}

}  // namespace bravik
