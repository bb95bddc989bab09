#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "drawing/recording_surface.h"

namespace bravik {
namespace {

using Kind = RecordingSurface::Kind;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Surface, UserScaleMapsOntoTwipsAndPositionFollowsEveryPrimitive) {
    RecordingSurface s(2000, 1000);
    s.SetScale(-10, 5, 100, -50);   // 20 twips per unit along X, Y pointing up
    s.Line(0, 5, 10, 0);
    s.LineBy(5, 5);
    ASSERT_EQ(s.Drawn().size(), 2u);
    const auto& a = s.Drawn()[0];
    EXPECT_DOUBLE_EQ(a.x1, 200);
    EXPECT_DOUBLE_EQ(a.y1, 0);
    EXPECT_DOUBLE_EQ(a.x2, 400);
    EXPECT_DOUBLE_EQ(a.y2, 100);
    const auto& b = s.Drawn()[1];
    EXPECT_DOUBLE_EQ(b.x1, 400);
    EXPECT_DOUBLE_EQ(b.x2, 500);
    EXPECT_DOUBLE_EQ(b.y2, 0);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 15);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 5);

    // Text measured in user units; printing moves to the next text line.
    EXPECT_DOUBLE_EQ(s.TextWidth("00"), s.TextWidth("0") * 2);
    EXPECT_DOUBLE_EQ(s.TextWidth("0") * 20, RecordingSurface(1, 1).TextWidth("0"));
    s.MoveTo(0, 0);
    s.Print("X");
    EXPECT_DOUBLE_EQ(s.CurrentX(), -10);
    EXPECT_DOUBLE_EQ(s.CurrentY(), s.TextHeight("X"));
    EXPECT_LT(s.TextHeight("X"), 0);   // Y points up in this scale
}

TEST(Surface, NothingThatIsNotAFiniteNumberReachesTheImplementation) {
    RecordingSurface s(1000, 1000);
    s.Line(kNaN, 0, 10, 10);
    s.Line(0, 0, kInf, 10);
    s.Circle(10, 10, kNaN);
    s.Point(kNaN, 1);
    s.LineTo(20, 20);            // from an unknown position: only a move
    s.MoveTo(kInf, 0);
    s.Print("lost");
    s.LineBy(5, 5);
    s.OverlayLine(0, 0, kNaN, 1, kBlack);
    s.SetScale(0, 0, 0, 100);    // no extent: ignored
    EXPECT_TRUE(s.Drawn().empty());
    EXPECT_TRUE(s.Overlay().empty());
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 1000);

    s.MoveTo(1, 2);
    s.LineTo(3, 4);
    ASSERT_EQ(s.Drawn().size(), 1u);
    for (double v : {s.Drawn()[0].x1, s.Drawn()[0].y1, s.Drawn()[0].x2, s.Drawn()[0].y2})
        EXPECT_TRUE(std::isfinite(v));
}

TEST(Surface, ClearErasesTheDrawingAndTheOverlayIsErasedOnItsOwn) {
    RecordingSurface s(1000, 1000);
    s.SetForeColour(Rgb(1, 2, 3));
    s.SetDrawStyle(LineStyle::DashDot);
    s.Line(0, 0, 10, 10);
    s.OverlayLine(0, 0, 5, 5, kBlack);
    EXPECT_EQ(s.Drawn(Kind::Segment).front().pen.colour, Rgb(1, 2, 3));
    EXPECT_EQ(s.Drawn(Kind::Segment).front().pen.style, LineStyle::DashDot);

    s.Clear();
    EXPECT_TRUE(s.Drawn().empty());
    EXPECT_EQ(s.Overlay().size(), 1u);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
    s.ClearOverlay();
    EXPECT_TRUE(s.Overlay().empty());
}

}  // namespace
}  // namespace bravik
