// Hydrostatics on hulls whose answers are known: prismatic boxes written
// straight into the lines, and the default hull for the searches.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis_hulls.h"
#include "geometry/hydrostatics.h"
#include "geometry/immersed_section.h"

namespace bravik {
namespace {

using analysis_test::BoxHull;
using analysis_test::DefaultHull;

constexpr double kLength = 6, kBreadth = 2, kDepth = 0.5;

TEST(Hydrostatics, BoxFloatsAsABox) {
    struct Case {
        const char* what;
        bool overhang;   // transom and bow stations beyond the keel's ends
    };
    for (const Case c : {Case{"plain box", false}, Case{"with overhangs", true}}) {
        HullDesign d = BoxHull(kLength, kBreadth, kDepth);
        if (c.overhang) {
            for (int k = 1; k <= 2; ++k) {
                d.X(k, 0) = -0.5;
                d.X(k, 82) = kLength + 0.4;
            }
        }
        const double draught = 0.2;
        const Hydrostatics h = SolveWaterlineForZ(d, draught);
        EXPECT_NEAR(h.V, kLength * kBreadth * draught, 1e-12) << c.what;
        EXPECT_NEAR(h.Awp, kLength * kBreadth, 1e-12) << c.what;
        EXPECT_NEAR(d.buoyancyX, kLength / 2, 1e-12) << c.what;
        EXPECT_EQ(d.buoyancyY, 0) << c.what;
        EXPECT_NEAR(d.buoyancyZ, draught / 2, 1e-12) << c.what;
        EXPECT_EQ(h.status, 1) << c.what;
        EXPECT_NEAR(d.sectionArea(40), kBreadth * draught, 1e-12) << c.what;
        EXPECT_EQ(d.waterlineY(40), kBreadth / 2) << c.what;
        EXPECT_EQ(d.waterlineZ(40), draught) << c.what;
    }
}

TEST(Hydrostatics, WaterlineEdgeCases) {
    struct Case {
        const char* what;
        double z;
        double V, Awp;
        int status;
    };
    const Case cases[] = {
        {"below the keel everywhere", -0.1, 0, 0, -1},
        {"exactly at the bottom: the bottom's points are wet", 0, 0, kLength * kBreadth, 1},
        {"exactly at the sheer: the sheer counts as wet", kDepth, kLength * kBreadth * kDepth, kLength * kBreadth, 2},
        {"over the sheer: the deck is under", 0.8, kLength * kBreadth * kDepth, 0, 2},
    };
    for (const Case& c : cases) {
        HullDesign d = BoxHull(kLength, kBreadth, kDepth);
        const Hydrostatics h = SolveWaterlineForZ(d, c.z);
        EXPECT_NEAR(h.V, c.V, 1e-12) << c.what;
        EXPECT_NEAR(h.Awp, c.Awp, 1e-12) << c.what;
        EXPECT_EQ(h.status, c.status) << c.what;
        if (c.V == 0) {
            EXPECT_EQ(d.buoyancyX, 0) << c.what;
            EXPECT_EQ(d.buoyancyZ, 0) << c.what;
        }
    }
}

TEST(Hydrostatics, StatusIsTheHighestLineReachedAtAnyStation) {
    // A third line at 0.2 between chine and sheer; trimmed by the stern, the
    // water reaches it only at the transom.
    HullDesign d = BoxHull(kLength, kBreadth, kDepth);
    d.lastLine = 3;
    for (int i = 0; i <= kBowPoint; ++i) {
        d.X(3, i) = d.X(2, i);
        d.Y(3, i) = d.Y(2, i);
        d.Z(3, i) = d.Z(2, i);
        d.Z(2, i) = 0.2;
    }
    d.pitchAngle = -0.02;
    const Hydrostatics h = SolveWaterlineForZ(d, 0.21);
    EXPECT_EQ(h.status, 2);
    EXPECT_EQ(ImmersedSection(d, 0, d.waterlineZ(0)).top, 2);
    EXPECT_EQ(ImmersedSection(d, 82, d.waterlineZ(82)).top, 1);
    EXPECT_LT(d.buoyancyX, kLength / 2);   // more volume aft
}

TEST(Hydrostatics, WetKeelUnderADryChineReportsStatusZero) {
    // V bottom: keel 0.2 below the chine. A waterline between them wets a
    // triangle on each side of the keel.
    HullDesign d = BoxHull(kLength, kBreadth, kDepth);
    for (int i = 0; i <= kBowPoint; ++i) d.Z(0, i) = -0.2;
    const Hydrostatics h = SolveWaterlineForZ(d, -0.1);
    EXPECT_EQ(h.status, 0);
    EXPECT_NEAR(h.V, kLength * 0.1 * (kBreadth / 4), 1e-12);   // half the breadth wet at half the depth
    EXPECT_NEAR(h.Awp, kLength * kBreadth / 2, 1e-12);
    EXPECT_NEAR(d.buoyancyZ, -0.2 + 0.1 * 2 / 3, 1e-12);        // triangle's centroid
}

TEST(Hydrostatics, DisplacementSearchFindsTheBoxDraught) {
    HullDesign d = BoxHull(kLength, kBreadth, kDepth);
    d.targetDisplacement = kLength * kBreadth * 0.15;
    std::vector<double> heights;
    const Hydrostatics h = SolveWaterlineForDisplacement(d, 0.06, [&](double z) { heights.push_back(z); });
    EXPECT_LT(std::fabs(h.V - d.targetDisplacement), 0.0001);
    EXPECT_NEAR(h.z, 0.15, 0.0001 / (kLength * kBreadth));
    EXPECT_EQ(h.status, 1);
    EXPECT_EQ(d.pitchAngle, 0) << "no mass centre: no trim";
    ASSERT_FALSE(heights.empty());
    EXPECT_EQ(heights.back(), h.z);
}

// Checks that the record describes the waterline the search reported: a
// fresh integration at its height and pitch gives the same numbers.
void ExpectDescribesItsWaterline(HullDesign d, const Hydrostatics& h) {
    const HullDesign searched = d;
    const Hydrostatics again = SolveWaterlineForZ(d, h.z);
    EXPECT_NEAR(again.V, h.V, 1e-12);
    EXPECT_NEAR(again.Awp, h.Awp, 1e-12);
    EXPECT_EQ(again.status, h.status);
    EXPECT_NEAR(d.buoyancyX, searched.buoyancyX, 1e-12);
    EXPECT_NEAR(d.buoyancyZ, searched.buoyancyZ, 1e-12);
    for (int p = 0; p <= kBowPoint; ++p) {
        EXPECT_NEAR(d.waterlineZ(p), searched.waterlineZ(p), 1e-12) << p;
        EXPECT_NEAR(d.waterlineY(p), searched.waterlineY(p), 1e-12) << p;
        EXPECT_NEAR(d.sectionArea(p), searched.sectionArea(p), 1e-12) << p;
    }
}

TEST(Hydrostatics, TrimBringsTheCentreOverTheMassCentre) {
    HullDesign d = BoxHull(kLength, kBreadth, kDepth);
    d.targetDisplacement = kLength * kBreadth * 0.15;
    d.massCentreX = 2.6;   // aft of mid-length: trims by the stern
    const Hydrostatics h = SolveWaterlineForDisplacement(d, 0.1);
    EXPECT_LT(std::fabs(h.V - d.targetDisplacement), 0.0001);
    EXPECT_LE(std::fabs(d.buoyancyX - d.massCentreX), 0.002 * kLength);
    EXPECT_LT(d.pitchAngle, 0);
    ExpectDescribesItsWaterline(d, h);
}

TEST(Hydrostatics, SearchEndingOnARejectedPassReportsTheKeptWaterline) {
    // The side folds back down: from the chine at 0.4 the next line drops to
    // 0.1 further out, and the sheer stands above it. As soon as the water
    // reaches the fold the whole fold counts as wet, so the volume jumps at
    // z = 0.1 and a target inside the jump is passed back and forth until
    // the passes run out.
    HullDesign d = BoxHull(kLength, kBreadth, kDepth);
    d.lastLine = 3;
    for (int i = 0; i <= kBowPoint; ++i) {
        d.X(3, i) = d.X(2, i);
        d.Z(1, i) = 0.4;
        d.Y(2, i) = d.Y(3, i) = 1.5;
        d.Z(2, i) = 0.1;
        d.Z(3, i) = 0.5;
    }
    const double below = SolveWaterlineForZ(d, 0.0999).V;
    const double above = SolveWaterlineForZ(d, 0.1).V;
    ASSERT_GT(above - below, 0.5);
    d.targetDisplacement = (below + above) / 2;

    std::vector<double> heights;
    const Hydrostatics h = SolveWaterlineForDisplacement(d, 0.06, [&](double z) { heights.push_back(z); });
    ASSERT_EQ(heights.size(), 30u) << "never converges";
    ASSERT_NE(heights.back(), h.z) << "the last pass was rejected";
    EXPECT_LT(h.z, 0.1);
    ExpectDescribesItsWaterline(d, h);
}

TEST(Hydrostatics, ZeroTargetEndsAtTheKeelOrDry) {
    HullDesign d = DefaultHull();
    d.targetDisplacement = 0;
    const Hydrostatics h = SolveWaterlineForDisplacement(d, 0.1);
    EXPECT_TRUE(h.V < 0.0001 || h.status == -1) << h.V << " " << h.status;
}

TEST(Hydrostatics, DefaultHullSearchWithTrim) {
    HullDesign d = DefaultHull();
    d.targetDisplacement = 0.4;
    d.massCentreX = 3.0;
    const Hydrostatics h = SolveWaterlineForDisplacement(d, 0.06);
    EXPECT_LT(std::fabs(h.V - 0.4), 0.0001);
    EXPECT_LE(std::fabs(d.buoyancyX - 3.0), 0.002 * d.lineLength(1));
    EXPECT_GE(h.status, 0);
    EXPECT_LT(h.status, d.lastLine);
}

}  // namespace
}  // namespace bravik
