#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/body_plan_view.h"
#include "drawing/lines_view.h"
#include "drawing/scale_and_grid.h"
#include "drawing/view_placement.h"
#include "drawing_fixture.h"
#include "geometry/station_sections.h"

namespace bravik {
namespace {

using testing::kBoardHeight;
using testing::kBoardWidth;
using testing::MakeDefaultHull;
using Kind = RecordingSurface::Kind;

struct Drawn {
    std::unique_ptr<HullDesign> d = std::make_unique<HullDesign>();
    RecordingSurface plan1{kBoardWidth, kBoardHeight};
};

std::unique_ptr<Drawn> DrawDefault(int stage) {
    auto t = std::make_unique<Drawn>();
    MakeDefaultHull(*t->d, stage > 0);
    EXPECT_TRUE(ComputeScaleAndDrawGrid(*t->d, stage, t->plan1));
    for (int s = 0; s <= kBowPoint; ++s) ComputeStationSection(*t->d, s);
    for (int k = 0; k <= stage; ++k) {
        DrawStageLines(*t->d, k, t->plan1);
        DrawStageSections(*t->d, k, t->plan1);
    }
    return t;
}

// The default bottom: 6 m long, half beam 0.95 at X = 3, keel 0.95·tan 12°
// below the chine there. Its plan length is shorter than 1.15 × 6, so the
// horizontal extent is 6.9 m, with 0.6 m kept aft of the transom, and the
// beam allowance is 1.5 × 0.95.
TEST(LinesView, DefaultBottomScaleAndPlacement) {
    auto t = DrawDefault(0);
    const HullDesign& d = *t->d;
    const double keel = 0.95 * std::tan(12 * 3.14159265358979323846 / 180);
    ASSERT_NEAR(-d.Z(0, 41), keel, 1e-12);

    const double sx = (kBoardWidth - 300) / (1.05 * (6.9 + 0.6) + 2.2 * 1.425);
    const double sy = (kBoardHeight - 400) / (1.1 * keel + 1.1 * (0.95 + 1.425));
    const double scale = std::min(sx, sy);
    EXPECT_NEAR(scale, 14700 / 11.01, 1e-9);   // the width decides on this surface
    EXPECT_NEAR(d.viewScale, scale, 1e-9);
    EXPECT_NEAR(d.viewScaleY, scale, 1e-9);
    EXPECT_NEAR(d.viewScaleZ, -scale, 1e-9);
    EXPECT_NEAR(d.viewOriginX, 150 + 0.6 * scale, 1e-6);
    EXPECT_NEAR(d.planOriginY, (4500 - 1.1 * 1.425 * scale) / 2 + 4500, 1e-6);
    EXPECT_NEAR(d.profileOriginY, 4500 - 100 - (keel + 0.05 * 0.95) * scale, 1e-6);
    EXPECT_NEAR(d.bodyCentreX, 1.12 * 1.425 + 1.05 * 6.9, 1e-12);
    EXPECT_DOUBLE_EQ(t->plan1.ScaleWidth(), kBoardWidth);
    EXPECT_DOUBLE_EQ(t->plan1.ScaleHeight(), kBoardHeight);
}

// Whatever the stage, every drawn primitive, and in particular every point
// of every line in the three views, lies on the surface.
TEST(LinesView, TheWholeHullFitsTheSurface) {
    for (int stage : {0, 1}) {
        SCOPED_TRACE(stage);
        auto t = DrawDefault(stage);
        const HullDesign& d = *t->d;
        const ViewMapping v{d};
        const int top = stage == 0 ? 1 : d.lastLine;
        for (int j = 0; j <= top; ++j) {
            for (int i = 0; i <= kBowPoint; ++i) {
                for (double x : {v.ScreenX(d.X(j, i)), v.BodyRightX(d.Y(j, i)), v.BodyLeftX(d.Y(j, i))}) {
                    EXPECT_GT(x, 0);
                    EXPECT_LT(x, kBoardWidth);
                }
                for (double y : {v.PlanY(d.Y(j, i)), v.ProfileY(d.Z(j, i))}) {
                    EXPECT_GT(y, 0);
                    EXPECT_LT(y, kBoardHeight);
                }
            }
        }
        // The profile keeps to the upper half, the plan to the lower half.
        for (int i = 0; i <= kBowPoint; ++i) {
            EXPECT_LT(v.ProfileY(d.Z(0, i)), kBoardHeight / 2);
            EXPECT_GT(v.PlanY(0), kBoardHeight / 2);
        }
        for (const auto& p : t->plan1.Drawn()) {
            EXPECT_GE(std::min(p.x1, p.x2), 0);
            EXPECT_LE(std::max(p.x1, p.x2), kBoardWidth);
            EXPECT_GE(std::min(p.y1, p.y2), 0);
            EXPECT_LE(std::max(p.y1, p.y2), kBoardHeight);
        }
    }
}

TEST(LinesView, PlanksWidenTheViewToTheirOwnExtent) {
    auto bottom = DrawDefault(0);
    auto planks = DrawDefault(1);
    const HullDesign& d = *planks->d;
    // The sheer stands higher than the bottom's allowance, so the scale shrinks
    // or stays, and the body plan stays right of every line.
    EXPECT_LE(d.viewScale, bottom->d->viewScale + 1e-9);
    for (int j = 0; j <= d.lastLine; ++j)
        for (int i = 0; i <= kBowPoint; ++i) EXPECT_LT(d.X(j, i) + d.Y(j, i), d.bodyCentreX);
}

TEST(LinesView, BottomDimensionsAreWrittenWithOneToThreeDecimals) {
    auto t = DrawDefault(0);
    const auto texts = t->plan1.Texts();
    // Position and half-breadth of the maximum beam, length, keel depth, axes.
    for (const char* expected : {"3.0", "0.95", "6.0", "-0.202", "X", " Y", "Z"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
}

TEST(LinesView, BodyPlanHasTheSternStationsOnTheRightAndTheBowStationsOnTheLeft) {
    std::vector<int> expected{0};
    for (int s = 5; s <= 41; s += 4) expected.push_back(s);
    for (int s = 45; s <= 81; s += 4) expected.push_back(s);
    expected.push_back(82);
    EXPECT_EQ(BodyPlanStations(), expected);

    auto t = DrawDefault(1);
    const HullDesign& d = *t->d;
    const ViewMapping v{d};
    auto drawnAt = [&](double x, double y) {
        for (const auto& p : t->plan1.Drawn(Kind::Segment))
            if ((std::abs(p.x2 - x) < 1e-6 && std::abs(p.y2 - y) < 1e-6) ||
                (std::abs(p.x1 - x) < 1e-6 && std::abs(p.y1 - y) < 1e-6))
                return true;
        return false;
    };
    for (int s : BodyPlanStations()) {
        SCOPED_TRACE(s);
        for (int K : {10, d.lastLine + 9}) {   // first chine and sheer
            if (std::abs(d.sectionY(s, K)) < 1e-9) continue;   // on the centre line both halves meet
            const double y = v.ProfileY(d.sectionZ(s, K));
            const double right = v.BodyRightX(d.sectionY(s, K));
            const double left = v.BodyLeftX(d.sectionY(s, K));
            EXPECT_EQ(drawnAt(right, y), s <= 41);
            EXPECT_EQ(drawnAt(left, y), s >= 41);   // station 41 is also joined to 45 on the left
        }
    }
}

TEST(LinesView, NoScaleMeansNoDrawingAndNoNumberThatIsNotFinite) {
    struct Case {
        const char* name;
        double width, height;
        bool zeroHull;
    };
    for (const Case& c : {Case{"narrow", 300, 9000, false}, Case{"low", 15000, 400, false},
                          Case{"empty", 0, 0, false}, Case{"no extent", 15000, 9000, true}}) {
        SCOPED_TRACE(c.name);
        auto d = std::make_unique<HullDesign>();
        MakeDefaultHull(*d, true);
        if (c.zeroHull) {
            d->X.Fill(0);
            d->Y.Fill(0);
            d->Z.Fill(0);
            d->lineLength.Fill(0);
            d->halfMaxBeam.Fill(0);
        }
        RecordingSurface s(c.width, c.height);
        EXPECT_FALSE(ComputeScaleAndDrawGrid(*d, 1, s));
        EXPECT_FALSE(ViewPlacementUsable(*d));
        for (int k = 0; k <= 1; ++k) {
            DrawStageLines(*d, k, s);
            DrawStageSections(*d, k, s);
        }
        DrawGridAndAxes(*d, s);
        EXPECT_TRUE(s.Drawn().empty());
    }
}

}  // namespace
}  // namespace bravik
