#include <gtest/gtest.h>

#include "app/colour.h"
#include "app/hull_design.h"

namespace bravik {
namespace {

TEST(ResetToDefaults, StoresTheDefaultSixMetreHull) {
    HullDesign d;
    ResetToDefaults(d);
    EXPECT_EQ(d.hullName, "BRAVIK2005");
    EXPECT_EQ(d.lastLine, 5);
    EXPECT_EQ(d.transomAngle, -25);
    EXPECT_EQ(d.bowAngle, 15);
    EXPECT_EQ(d.keelAdvanceAngle, 40);
    EXPECT_EQ(d.overlapChoice, 1);
    EXPECT_EQ(d.plankAngle(0), 12);
    EXPECT_EQ(d.plankAngle(4), 90);
    EXPECT_EQ(d.lineLength(0), 6.0);
    EXPECT_EQ(d.maxBeamX(0), 3.797144649618416);
    EXPECT_NEAR(d.heightAtMaxBeam(0), -0.201928733586521, 1e-15);
    EXPECT_EQ(d.transomTurn(4), -1);
    EXPECT_EQ(d.bowTurn(5), -1);
    EXPECT_EQ(d.heightAft(3), 0.7);
    EXPECT_EQ(d.lineColour(0), 0.0f);
    EXPECT_EQ(d.lineColour(2), static_cast<float>(Rgb(0, 0, 200)));
    EXPECT_EQ(d.lineColour(3), static_cast<float>(Rgb(0, 170, 0)));
    EXPECT_EQ(d.lineColour(4), static_cast<float>(Rgb(200, 0, 0)));
    EXPECT_EQ(d.panelDensity(6), 0);
    EXPECT_EQ(d.deckDensity(1), 10);
    EXPECT_EQ(d.bulkheadX(1), 3.0);
}

TEST(ResetToDefaults, LeavesEntriesSixAndAboveAndComputedLinesAlone) {
    HullDesign d;
    d.bowTurn(6) = -1;
    d.heightFwd(7) = 2.5;
    d.X(3, 10) = 1.25;
    ResetToDefaults(d);
    EXPECT_EQ(d.bowTurn(6), -1);
    EXPECT_EQ(d.heightFwd(7), 2.5);
    EXPECT_EQ(d.X(3, 10), 1.25);
}

TEST(Tables, RefuseIndicesOutsideTheirRange) {
    HullDesign d;
    EXPECT_THROW(d.plankAngle(26), std::out_of_range);
    EXPECT_THROW(d.X(0, 83), std::out_of_range);
    EXPECT_NO_THROW(d.bottomLineX(1, -1));
    EXPECT_THROW(d.bottomLineY(1, -1), std::out_of_range);
}

}  // namespace
}  // namespace bravik
