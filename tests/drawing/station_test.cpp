#include <gtest/gtest.h>

#include "app/number_text.h"
#include "drawing/view_placement.h"
#include "drawing_fixture.h"

namespace bravik {
namespace {

using testing::NewBoard;
using Kind = RecordingSurface::Kind;

TEST(StationView, TypedPositionSnapsToTheNearestPoint) {
    struct Case {
        const char* typed;
        int index;
    };
    // The default hull's regular points are 6/80 = 0.075 m apart from X = 0.
    for (const Case& c : {Case{"", 1}, Case{"abc", 1}, Case{"-2", 1}, Case{"2,5", 34}, Case{"2.5", 34},
                          Case{"3", 41}, Case{"5.99", 81}, Case{"99", 81}}) {
        SCOPED_TRACE(c.typed);
        auto t = NewBoard();
        t->DrawnAt(1);
        t->board.Text1.text = c.typed;
        t->board.DessCouple_Click();
        EXPECT_EQ(t->d().stationIndex, c.index);
        EXPECT_EQ(t->board.Text1.text, PlainNumberText(t->d().X(0, c.index)));
        EXPECT_EQ(t->ui.pointer, MousePointer::Default);
    }
    auto t = NewBoard();
    t->DrawnAt(1);
    t->board.Text1.text = "2,5";
    t->board.DessCouple_Click();
    EXPECT_DOUBLE_EQ(t->d().stationX, 2.5);
    EXPECT_EQ(t->board.Text1.text, " 2.475");
}

// The section stands at its station and folds towards the middle of the
// hull: forward for the aft half (up to point 40), aft for the others.
TEST(StationView, SectionIsDrawnTowardsTheMiddleOfTheHull) {
    for (int index : {40, 41}) {
        SCOPED_TRACE(index);
        auto t = NewBoard();
        t->DrawnAt(1);
        const HullDesign& d = t->d();
        const ViewMapping v{d};
        const auto before = t->plan1.Drawn().size();
        t->board.Text1.text = PlainNumberText(d.X(0, index));
        t->board.DessCouple_Click();
        ASSERT_EQ(d.stationIndex, index);

        const auto& all = t->plan1.Drawn();
        const double stationX = v.ScreenX(d.sectionX(index, 0));
        const int top = d.lastLine + 9;
        ASSERT_EQ(all.size() - before, static_cast<std::size_t>(top + 1 + 1));   // outline, closing, centre line
        double furthest = 0;
        for (std::size_t i = before; i < before + top; ++i) {
            EXPECT_EQ(all[i].kind, Kind::Segment);
            EXPECT_EQ(all[i].pen.colour, LineColour(d, 4));
            furthest = std::max(furthest, (all[i].x2 - stationX) * (index <= 40 ? 1 : -1));
        }
        EXPECT_GT(furthest, 0.5 * d.halfMaxBeam(1) * d.viewScale);
        const auto& centre = all.back();
        EXPECT_EQ(centre.pen.style, LineStyle::DashDot);
        EXPECT_NEAR(centre.x1, stationX, 1e-9);
        EXPECT_NEAR(centre.y2 - centre.y1,
                    (d.sectionZ(index, 0) - d.sectionZ(index, top)) * d.viewScaleZ + 200, 1e-9);
    }
}

}  // namespace
}  // namespace bravik
