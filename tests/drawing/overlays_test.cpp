// Drawings made over the lines views: the developed panels and the waterline.
#include <gtest/gtest.h>

#include <set>

#include "drawing/development_view.h"
#include "drawing/view_placement.h"
#include "drawing/waterline_view.h"
#include "drawing_fixture.h"

namespace bravik {
namespace {

using testing::NewBoard;
using Kind = RecordingSurface::Kind;

std::vector<RecordingSurface::Primitive> DrawnAfter(const RecordingSurface& s, std::size_t from) {
    return {s.Drawn().begin() + static_cast<std::ptrdiff_t>(from), s.Drawn().end()};
}

TEST(DevelopmentView, BottomOnlyDrawsTheDottedBottomInThePlan) {
    auto t = NewBoard();
    t->DrawnAt(0);
    const auto before = t->plan1.Drawn().size();
    t->board.Developer_Click();
    const auto drawn = DrawnAfter(t->plan1, before);
    // Lower and upper edges of 84 points each, and the bow closing.
    ASSERT_EQ(drawn.size(), 84u + 84u + 1u);
    const ViewMapping v{t->d()};
    for (const auto& p : drawn) {
        EXPECT_EQ(p.pen.style, LineStyle::Dot);
        EXPECT_EQ(p.pen.colour, LineColour(t->d(), 0));
        EXPECT_GE(std::min(p.y1, p.y2), v.PlanY(0) - 1e-6);   // below the plan centre line
    }
    EXPECT_EQ(t->plan1.DrawStyle(), LineStyle::Solid);

    // Twice: the same shapes at the same places.
    t->board.Developer_Click();
    const auto again = DrawnAfter(t->plan1, before + drawn.size());
    ASSERT_EQ(again.size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) EXPECT_EQ(again[i].x2, drawn[i].x2);
}

TEST(DevelopmentView, PlanksTakeTheColourOfTheirUpperChineAndThePointedBowHasNoPlate) {
    auto t = NewBoard();
    t->DrawnAt(1);
    const HullDesign& d = t->d();
    ASSERT_LE(d.halfWidthFwd(1), 0.001);
    const auto before = t->plan1.Drawn().size();
    t->board.Developer_Click();
    const auto drawn = DrawnAfter(t->plan1, before);

    std::set<Colour> dotted;
    int solid = 0;
    for (const auto& p : drawn) {
        if (p.pen.style == LineStyle::Dot)
            dotted.insert(p.pen.colour);
        else
            ++solid;
    }
    std::set<Colour> expected{LineColour(d, 0)};
    for (int k = 1; k <= d.lastLine - 1; ++k) expected.insert(LineColour(d, k + 1));
    EXPECT_EQ(dotted, expected);
    // The transom alone: its outline to the sheer and back to the centre
    // line; no turn mark since the default transom turns in higher up.
    EXPECT_EQ(solid, d.lastLine + 9 + 1);
}

TEST(WaterlineView, WaterlineInThreeViewsAndTheCentreOfDisplacement) {
    auto t = NewBoard();
    t->DrawnAt(1);
    HullDesign& d = t->d();
    for (int p = 0; p <= kBowPoint; ++p) {
        d.waterlineX(p) = 0.5 + 5.0 * p / 82;
        d.waterlineY(p) = p == 0 || p == kBowPoint ? 0 : 0.6;
        d.waterlineZ(p) = 0.1;
    }
    d.buoyancyX = 2.8;
    d.buoyancyY = 0;
    d.buoyancyZ = -0.05;
    const auto before = t->plan1.Drawn().size();
    const Colour foreground = t->plan1.ForeColour();
    DrawWaterline(d, t->plan1);
    const auto drawn = DrawnAfter(t->plan1, before);

    const ViewMapping v{d};
    // Each of the four polylines starts with a dot in the foreground colour.
    std::vector<RecordingSurface::Primitive> dots, circles, wide;
    for (const auto& p : drawn) {
        if (p.kind == Kind::Dot) dots.push_back(p);
        if (p.kind == Kind::Circle) circles.push_back(p);
        if (p.kind == Kind::Segment && p.pen.width == 2) wide.push_back(p);
    }
    ASSERT_EQ(dots.size(), 4u);
    for (const auto& p : dots) EXPECT_EQ(p.pen.colour, foreground);
    EXPECT_NEAR(dots[0].x1, v.ScreenX(0.5), 1e-9);
    EXPECT_NEAR(dots[0].y1, v.PlanY(0), 1e-9);
    EXPECT_NEAR(dots[2].x1, v.BodyRightX(0), 1e-9);
    EXPECT_NEAR(dots[3].x1, v.BodyLeftX(0.6), 1e-9);
    // Plan 83 + 1, profile 83, body 41 + 42 + 1.
    EXPECT_EQ(wide.size(), 84u + 83u + 84u);
    for (const auto& p : wide) EXPECT_EQ(p.pen.colour, Rgb(0, 0, 255));

    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].radius, 60);
    EXPECT_EQ(circles[0].pen.colour, Rgb(0, 0, 255));
    EXPECT_NEAR(circles[0].y1, v.PlanY(0), 1e-9);
    EXPECT_EQ(circles[1].pen.colour, LineColour(d, 4));
    EXPECT_NEAR(circles[1].y1, v.ProfileY(-0.05), 1e-9);
    EXPECT_EQ(drawn.back().pen.width, 1);
    EXPECT_EQ(t->plan1.ForeColour(), foreground);
}

}  // namespace
}  // namespace bravik
