// Developed panels keep the true lengths of the hull: every edge segment and
// every rung of a developed strip has its three-dimensional length on the flat.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "analysis_hulls.h"
#include "geometry/panel_development.h"
#include "geometry/plate_development.h"

namespace bravik {
namespace {

using analysis_test::DefaultHull;

struct P3 {
    double x, y, z;
};

double Length3(P3 a, P3 b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z)); }
double Length2(double x1, double y1, double x2, double y2) { return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2)); }

// Checks every lower and upper edge segment and every rung of the outline
// against the strip's 3D points, to 1e-9 of the length (1e-12 m for points
// that coincide).
using EdgePoint = std::function<P3(int)>;
void ExpectIsometric(const HullDesign& d, int last, const EdgePoint& lower, const EdgePoint& upper,
                     const std::string& panel) {
    auto expectLength = [&](double flat, double solid, const std::string& what) {
        EXPECT_NEAR(flat, solid, 1e-9 * std::max(solid, 1e-3)) << panel << ": " << what;
    };
    for (int i = 0; i <= last; ++i) {
        expectLength(Length2(d.devLowerX(i), d.devLowerY(i), d.devUpperX(i), d.devUpperY(i)),
                     Length3(lower(i), upper(i)), "rung " + std::to_string(i));
        if (i == last) break;
        expectLength(Length2(d.devLowerX(i), d.devLowerY(i), d.devLowerX(i + 1), d.devLowerY(i + 1)),
                     Length3(lower(i), lower(i + 1)), "lower edge " + std::to_string(i));
        expectLength(Length2(d.devUpperX(i), d.devUpperY(i), d.devUpperX(i + 1), d.devUpperY(i + 1)),
                     Length3(upper(i), upper(i + 1)), "upper edge " + std::to_string(i));
    }
}

// The smallest X and Y of the outline are 0.
void ExpectInPositiveQuadrant(const HullDesign& d, int last) {
    double minX = 1e9, minY = 1e9;
    for (int i = 0; i <= last; ++i) {
        minX = std::min({minX, d.devLowerX(i), d.devUpperX(i)});
        minY = std::min({minY, d.devLowerY(i), d.devUpperY(i)});
    }
    EXPECT_NEAR(minX, 0, 1e-12);
    EXPECT_NEAR(minY, 0, 1e-12);
}

TEST(Development, DefaultBottomAndPlanksKeepTheirLengths) {
    HullDesign d = DefaultHull();

    DevelopPlank(d, 81, 0, d.bottomLineX, d.bottomLineY, d.bottomLineZ);
    ExpectIsometric(
        d, 83, [&](int i) { return P3{d.bottomLineX(0, i), d.bottomLineY(0, i), d.bottomLineZ(0, i)}; },
        [&](int i) { return P3{d.bottomLineX(1, i), d.bottomLineY(1, i), d.bottomLineZ(1, i)}; }, "bottom");
    ExpectInPositiveQuadrant(d, 83);

    for (int k = 1; k < d.lastLine; ++k) {
        DevelopPlank(d, 80, k, d.X, d.Y, d.Z);
        ExpectIsometric(
            d, 82, [&](int i) { return P3{d.X(k, i), d.Y(k, i), d.Z(k, i)}; },
            [&](int i) { return P3{d.X(k + 1, i), d.Y(k + 1, i), d.Z(k + 1, i)}; }, "plank " + std::to_string(k));
        ExpectInPositiveQuadrant(d, 82);
        // Stern to the left, bow to the right; lower edge below the upper one
        // at mid-length.
        EXPECT_LT(d.devLowerX(0), d.devLowerX(82)) << k;
        EXPECT_LT(d.devLowerY(41), d.devUpperY(41)) << k;
    }
}

TEST(Development, BottomIsLevelledOnTheKeelAroundTheMaximumBeam) {
    HullDesign d = DefaultHull();
    DevelopPlank(d, 81, 0, d.bottomLineX, d.bottomLineY, d.bottomLineZ);
    const int m = d.midshipIndex;
    EXPECT_NEAR(d.devLowerY(m - 2), d.devLowerY(m + 2), 1e-12);
    EXPECT_LT(d.devLowerX(m - 2), d.devLowerX(m + 2));
}

// A strip whose lower edge runs along X and whose upper edge is the same
// line moved by `width` in a plane tilted by `tilt` radians; row k and k + 1.
void FlatStrip(HullDesign& d, int k, double width, double tilt) {
    for (int i = 0; i <= kBowPoint; ++i) {
        const double x = 0.3 + 0.05 * i + 0.001 * i * i;   // uneven spacing
        d.X(k, i) = d.X(k + 1, i) = x;
        d.Y(k, i) = 0.2;
        d.Z(k, i) = 0.1;
        d.Y(k + 1, i) = 0.2 + width * std::cos(tilt);
        d.Z(k + 1, i) = 0.1 + width * std::sin(tilt);
    }
}

TEST(Development, FlatRectangularStripBecomesTheSameRectangle) {
    HullDesign d;
    FlatStrip(d, 1, 0.4, 0.7);
    DevelopPlank(d, 80, 1, d.X, d.Y, d.Z);
    for (int i = 0; i <= kBowPoint; ++i) {
        const double x = d.X(1, i) - d.X(1, 0);
        EXPECT_NEAR(d.devLowerX(i), x, 1e-12) << i;
        EXPECT_NEAR(d.devLowerY(i), 0, 1e-12) << i;
        EXPECT_NEAR(d.devUpperX(i), x, 1e-12) << i;
        EXPECT_NEAR(d.devUpperY(i), 0.4, 1e-12) << i;
    }
}

TEST(Development, PointsSharedByBothEdgesCoincideOnTheFlat) {
    HullDesign d;
    FlatStrip(d, 1, 0.4, 0.2);
    // Both ends close: the upper edge meets the lower one at points 0..1 and 82.
    for (int i : {0, 1, 82}) {
        d.Y(2, i) = d.Y(1, i);
        d.Z(2, i) = d.Z(1, i);
    }
    DevelopPlank(d, 80, 1, d.X, d.Y, d.Z);
    for (int i : {0, 1, 82}) {
        EXPECT_NEAR(d.devLowerX(i), d.devUpperX(i), 1e-12) << i;
        EXPECT_NEAR(d.devLowerY(i), d.devUpperY(i), 1e-12) << i;
    }
    ExpectIsometric(
        d, 82, [&](int i) { return P3{d.X(1, i), d.Y(1, i), d.Z(1, i)}; },
        [&](int i) { return P3{d.X(2, i), d.Y(2, i), d.Z(2, i)}; }, "closed strip");
}

TEST(Development, CollinearTriangleContinuesStraight) {
    // Point 9 of the lower edge lies on the line of rung 10, beyond its lower
    // end: the triangle (L10, U10, L9) has no area and L9 goes on straight.
    HullDesign d;
    FlatStrip(d, 1, 1.0, 0);
    d.X(1, 9) = d.X(1, 10);
    d.Y(1, 9) = d.Y(1, 10) - 0.5;
    DevelopPlank(d, 80, 1, d.X, d.Y, d.Z);
    const double throughRung = Length2(d.devLowerX(9), d.devLowerY(9), d.devUpperX(10), d.devUpperY(10));
    EXPECT_NEAR(throughRung, 1.5, 1e-12);
    EXPECT_NEAR(Length2(d.devLowerX(9), d.devLowerY(9), d.devLowerX(10), d.devLowerY(10)), 0.5, 1e-12);
}

TEST(Development, DeckRunsAlongItsLineInTheSideView) {
    HullDesign d = DefaultHull();
    const int j = d.lastLine;
    d.X(j, 1) = d.X(j, 0);   // a vertical end: no length between points 0 and 1
    DevelopDeck(d, 80, j, d.X, d.Y, d.Z);
    double smallest = 1e9;
    for (int i = 0; i <= kBowPoint; ++i) {
        EXPECT_EQ(d.devLowerY(i), 0);
        EXPECT_EQ(d.devUpperX(i), d.devLowerX(i));
        EXPECT_EQ(d.devUpperY(i), d.Y(j, i));
        smallest = std::min(smallest, d.devLowerX(i));
        if (i == 0) continue;
        const double side = i == 1 ? 0 : std::hypot(d.X(j, i) - d.X(j, i - 1), d.Z(j, i) - d.Z(j, i - 1));
        EXPECT_NEAR(d.devLowerX(i) - d.devLowerX(i - 1), side, 1e-12) << i;
    }
    EXPECT_EQ(smallest, 0);
}

TEST(Development, PlatesFollowTheRakedProfileOfTheirStation) {
    HullDesign d;
    d.lastLine = 1;
    d.transomDev.Fill(-7);
    d.bowPlateDev.Fill(-7);
    // A plate raked 3-4-5: every section step rises 0.4 and runs 0.3 aft.
    for (int s : {0, 82}) {
        for (int K = 0; K <= 35; ++K) {
            d.sectionX(s, K) = 1 - 0.3 * K;
            d.sectionY(s, K) = 0.05 * K;
            d.sectionZ(s, K) = 0.4 * K;
        }
    }
    DevelopTransom(d);
    DevelopBowPlate(d);
    for (auto* plate : {&d.transomDev, &d.bowPlateDev}) {
        for (int K = 0; K <= 10; ++K) {
            EXPECT_NEAR((*plate)(1, K), 0.5 * K, 1e-12) << K;
            EXPECT_EQ((*plate)(2, K), 0.05 * K) << K;
        }
        EXPECT_EQ((*plate)(1, 11), -7) << "only entries up to lastLine + 9 are written";
    }
}

}  // namespace
}  // namespace bravik
