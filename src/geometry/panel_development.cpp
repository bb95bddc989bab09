#include "geometry/panel_development.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "geometry/plane_angles.h"

namespace bravik {

namespace {

struct Point3 {
    double x = 0, y = 0, z = 0;
    bool operator==(const Point3&) const = default;   // coincide: all three exactly equal
};

double Distance(const Point3& p, const Point3& q) {
    return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y) + (p.z - q.z) * (p.z - q.z));
}

// The two edges of a strip, points 0..N, as read from the record's tables.
struct Strip {
    std::vector<Point3> lower, upper;
};

template <class TX, class TY, class TZ>
Strip ReadStrip(int n, int k, const TX& X, const TY& Y, const TZ& Z) {
    const int last = n + 2;
    Strip strip;
    for (int i = 0; i <= last; ++i) {
        strip.lower.push_back({X(k, i), Y(k, i), Z(k, i)});
        strip.upper.push_back({X(k + 1, i), Y(k + 1, i), Z(k + 1, i)});
    }
    return strip;
}

// The flat point at distance c from `from`, turned by `turn` from direction
// theta.
void Step(double fromX, double fromY, double theta, double turn, double c, double& x, double& y) {
    x = fromX + c * std::cos(theta + turn);
    y = fromY + c * std::sin(theta + turn);
}

// Rotation that makes a chord of slope dy/dx horizontal: atan of the slope,
// a quarter turn for an upright chord, none for a chord of zero length.
double ChordTurn(double dy, double dx) {
    if (dx != 0) return std::atan(dy / dx);
    if (dy > 0) return std::numbers::pi / 2;
    if (dy < 0) return -std::numbers::pi / 2;
    return 0;
}

void LayFlat(HullDesign& d, int n, int k, const Strip& s) {
    const int last = n + 2;
    // The starting rung is point 10 and the outline holds points 0..90.
    if (last < 11 || last > 90) throw std::out_of_range("strip point count out of range");
    const auto& L = s.lower;
    const auto& U = s.upper;
    auto& lx = d.devLowerX;
    auto& ly = d.devLowerY;
    auto& ux = d.devUpperX;
    auto& uy = d.devUpperY;

    // Starting rung: the lower point at the origin, the upper one straight above.
    lx(10) = 0;
    ly(10) = 0;
    ux(10) = 0;
    uy(10) = Distance(L[10], U[10]);

    // Towards the stern: each triangle turns counter-clockwise from the rung
    // (lower edge) or clockwise from the diagonal (upper edge), so the stern
    // stays to the left and the lower edge below the upper one.
    for (int i = 10; i >= 1; --i) {
        if (L[i - 1] == L[i]) {
            lx(i - 1) = lx(i);
            ly(i - 1) = ly(i);
        } else {
            const double theta = DirectionAngle(lx(i), ly(i), ux(i), uy(i));
            const auto t = TriangleAngles(Distance(L[i], U[i]), Distance(L[i - 1], U[i]), Distance(L[i], L[i - 1]));
            Step(lx(i), ly(i), theta, t.B, Distance(L[i], L[i - 1]), lx(i - 1), ly(i - 1));
        }
        if (U[i - 1] == U[i]) {
            ux(i - 1) = ux(i);
            uy(i - 1) = uy(i);
        } else {
            const double theta = DirectionAngle(ux(i), uy(i), lx(i - 1), ly(i - 1));
            const auto t = TriangleAngles(Distance(L[i - 1], U[i]), Distance(L[i - 1], U[i - 1]), Distance(U[i], U[i - 1]));
            Step(ux(i), uy(i), theta, -t.B, Distance(U[i], U[i - 1]), ux(i - 1), uy(i - 1));
        }
    }
    // Towards the bow, mirrored.
    for (int i = 10; i <= n + 1; ++i) {
        if (L[i + 1] == L[i]) {
            lx(i + 1) = lx(i);
            ly(i + 1) = ly(i);
        } else {
            const double theta = DirectionAngle(lx(i), ly(i), ux(i), uy(i));
            const auto t = TriangleAngles(Distance(L[i], U[i]), Distance(L[i + 1], U[i]), Distance(L[i], L[i + 1]));
            Step(lx(i), ly(i), theta, -t.B, Distance(L[i], L[i + 1]), lx(i + 1), ly(i + 1));
        }
        if (U[i + 1] == U[i]) {
            ux(i + 1) = ux(i);
            uy(i + 1) = uy(i);
        } else {
            const double theta = DirectionAngle(ux(i), uy(i), lx(i + 1), ly(i + 1));
            const auto t = TriangleAngles(Distance(L[i + 1], U[i]), Distance(L[i + 1], U[i + 1]), Distance(U[i], U[i + 1]));
            Step(ux(i), uy(i), theta, t.B, Distance(U[i], U[i + 1]), ux(i + 1), uy(i + 1));
        }
    }

    // Orientation: the bottom by its keel around the maximum beam, plank 1
    // by the chord of its lower edge, higher planks by that of their upper edge.
    double turn;
    if (k == 0) {
        const int m = std::clamp<int>(d.midshipIndex, 2, last - 2);
        turn = ChordTurn(ly(m - 2) - ly(m + 2), lx(m + 2) - lx(m - 2));
    } else if (k == 1) {
        turn = ChordTurn(ly(0) - ly(last), lx(last) - lx(0));
    } else {
        turn = ChordTurn(uy(0) - uy(last), ux(last) - ux(0));
    }
    const double c = std::cos(turn);
    const double sn = std::sin(turn);
    double minX = 99999.9;
    double minY = 99999.9;
    auto rotate = [&](double& x, double& y) {
        const double xr = x * c - y * sn;
        const double yr = y * c + x * sn;
        x = xr;
        y = yr;
        minX = std::min(minX, x);
        minY = std::min(minY, y);
    };
    for (int i = 0; i <= last; ++i) {
        rotate(lx(i), ly(i));
        rotate(ux(i), uy(i));
    }
    for (int i = 0; i <= last; ++i) {
        lx(i) -= minX;
        ly(i) -= minY;
        ux(i) -= minX;
        uy(i) -= minY;
    }
}

// Side-view length between two points of a line: zero across a vertical end.
double SideViewStep(const LineTable& X, const LineTable& Z, int j, int a, int b) {
    if (X(j, a) == X(j, b)) return 0;
    return std::sqrt((X(j, b) - X(j, a)) * (X(j, b) - X(j, a)) + (Z(j, b) - Z(j, a)) * (Z(j, b) - Z(j, a)));
}

}  // namespace

void DevelopPlank(HullDesign& d, int n, int k, const LineTable& X, const LineTable& Y, const LineTable& Z) {
    LayFlat(d, n, k, ReadStrip(n, k, X, Y, Z));
}

void DevelopPlank(HullDesign& d, int n, int k, const decltype(HullDesign::bottomLineX)& X,
                  const decltype(HullDesign::bottomLineY)& Y, const decltype(HullDesign::bottomLineZ)& Z) {
    LayFlat(d, n, k, ReadStrip(n, k, X, Y, Z));
}

void DevelopDeck(HullDesign& d, int n, int j, const LineTable& X, const LineTable& Y, const LineTable& Z) {
    const int last = n + 2;
    d.devLowerX(1) = 0;
    d.devLowerY(1) = 0;
    d.devUpperX(1) = 0;
    d.devUpperY(1) = Y(j, 1);

    const double d0 = SideViewStep(X, Z, j, 0, 1);
    d.devLowerX(0) = -d0;
    d.devLowerY(0) = 0;
    d.devUpperX(0) = -d0;
    d.devUpperY(0) = Y(j, 0);

    for (int i = 1; i <= n + 1; ++i) {
        d.devLowerX(i + 1) = d.devLowerX(i) + SideViewStep(X, Z, j, i, i + 1);
        d.devLowerY(i + 1) = 0;
        d.devUpperX(i + 1) = d.devLowerX(i + 1);
        d.devUpperY(i + 1) = Y(j, i + 1);
    }

    double minX = 99999.9;
    for (int i = 0; i <= last; ++i) minX = std::min(minX, d.devLowerX(i));
    for (int i = 0; i <= last; ++i) {
        d.devLowerX(i) -= minX;
        d.devUpperX(i) -= minX;
    }
}

}  // namespace bravik
