#include <gtest/gtest.h>

#include "drawing/zoom.h"
#include "drawing_fixture.h"

namespace bravik {
namespace {

using testing::kBoardHeight;
using testing::kBoardWidth;
using testing::NewBoard;

struct Placement {
    double scale, scaleY, scaleZ, originX, planY, profileY;
    bool operator==(const Placement&) const = default;
};

Placement Of(const HullDesign& d) {
    return {d.viewScale, d.viewScaleY, d.viewScaleZ, d.viewOriginX, d.planOriginY, d.profileOriginY};
}

void Drag(dessin& b, int button, double x1, double y1, double x2, double y2) {
    b.Plan1_MouseDown(button, 0, x1, y1);
    b.Plan1_MouseMove(button, 0, (x1 + x2) / 2, (y1 + y2) / 2);
    b.Plan1_MouseMove(button, 0, x2, y2);
    b.Plan1_MouseUp(button, 0, x2, y2);
}

TEST(Zoom, RectangleNarrowerThan300TwipsChangesNothing) {
    auto t = NewBoard();
    t->DrawnAt(0);
    const Placement before = Of(t->d());
    const int clears = t->plan1.ClearCount();
    Drag(t->board, kLeftButton, 1000, 500, 1299, 8000);
    EXPECT_EQ(Of(t->d()), before);
    EXPECT_EQ(t->plan1.ClearCount(), clears);
    EXPECT_TRUE(t->plan1.Overlay().empty());
}

TEST(Zoom, ReversedDragZoomsLikeTheForwardDrag) {
    auto forward = NewBoard();
    auto reversed = NewBoard();
    forward->DrawnAt(0);
    reversed->DrawnAt(0);
    Drag(forward->board, kLeftButton, 2000, 1000, 6000, 3000);
    Drag(reversed->board, kLeftButton, 6000, 3000, 2000, 1000);
    EXPECT_EQ(Of(forward->d()), Of(reversed->d()));
    EXPECT_EQ(forward->plan1.Drawn().size(), reversed->plan1.Drawn().size());
}

TEST(Zoom, CentreMovesToTheSurfaceCentreWithATenPercentMargin) {
    auto t = NewBoard();
    t->DrawnAt(0);
    HullDesign& d = t->d();
    const Placement before = Of(d);
    // A wide rectangle: its width decides, 4000 twips become 0.9 of the surface.
    const double x1 = 2000, y1 = 1000, x2 = 6000, y2 = 2000;
    ASSERT_TRUE(ZoomToRectangle(d, x1, y1, x2, y2, kBoardWidth, kBoardHeight));
    const double factor = 0.9 * kBoardWidth / 4000;
    EXPECT_NEAR(d.viewScale, before.scale * factor, 1e-9);
    EXPECT_NEAR(d.viewScaleZ, before.scaleZ * factor, 1e-9);
    // The metre that sat at the rectangle's centre is now at the surface centre.
    const double metreX = ((x1 + x2) / 2 - before.originX) / before.scale;
    EXPECT_NEAR(metreX * d.viewScale + d.viewOriginX, kBoardWidth / 2, 1e-6);
    const double metreZ = ((y1 + y2) / 2 - before.profileY) / before.scaleZ;
    EXPECT_NEAR(metreZ * d.viewScaleZ + d.profileOriginY, kBoardHeight / 2, 1e-6);
}

TEST(Zoom, RepeatedZoomsStopAt32000TwipsPerMetre) {
    auto t = NewBoard();
    t->DrawnAt(0);
    for (int i = 0; i < 12; ++i) Drag(t->board, kLeftButton, 7000, 4000, 7400, 4300);
    EXPECT_DOUBLE_EQ(t->d().viewScale, 32000);
    EXPECT_DOUBLE_EQ(t->d().viewScaleY, 32000);
    EXPECT_DOUBLE_EQ(t->d().viewScaleZ, -32000);
}

TEST(Zoom, FeedbackIsOnTheOverlayOnlyAndVanishesOnRelease) {
    auto t = NewBoard();
    t->DrawnAt(0);
    const auto drawn = t->plan1.Drawn().size();
    dessin& b = t->board;
    b.Plan1_MouseDown(kLeftButton, 0, 1000, 1000);
    b.Plan1_MouseMove(kLeftButton, 0, 2000, 1500);
    b.Plan1_MouseMove(kLeftButton, 0, 3000, 2500);
    EXPECT_EQ(b.dragPrevX, 2000);
    EXPECT_EQ(b.dragEndY, 2500);
    ASSERT_EQ(t->plan1.Overlay().size(), 6u);   // the rectangle and its two middle lines
    EXPECT_EQ(t->plan1.Overlay()[0].colour, Rgb(0, 255, 0));
    EXPECT_EQ(t->plan1.Overlay()[4].colour, Rgb(255, 0, 255));
    EXPECT_EQ(t->plan1.Drawn().size(), drawn);

    // A middle button does nothing, and any release leaves no feedback behind.
    b.Plan1_MouseMove(4, 0, 5000, 5000);
    EXPECT_EQ(t->plan1.Overlay().size(), 6u);
    b.Plan1_MouseUp(4, 0, 5000, 5000);
    EXPECT_TRUE(t->plan1.Overlay().empty());
}

TEST(Zoom, RightDragPansEveryView) {
    auto t = NewBoard();
    t->DrawnAt(0);
    const Placement before = Of(t->d());
    Drag(t->board, kRightButton, 5000, 5000, 4000, 5500);
    const Placement after = Of(t->d());
    EXPECT_DOUBLE_EQ(after.originX, before.originX - 1000);
    EXPECT_DOUBLE_EQ(after.planY, before.planY + 500);
    EXPECT_DOUBLE_EQ(after.profileY, before.profileY + 500);
    EXPECT_DOUBLE_EQ(after.scale, before.scale);
}

}  // namespace
}  // namespace bravik
