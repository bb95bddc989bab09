#include "screens/overlap1.h"

#include <cmath>
#include <numbers>

#include "screen_fixture.h"

namespace bravik {
namespace {

class Overlap1Test : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        app.design.midshipIndex = 41;
        screen.Form_Load();
        screen.Form_Activate();
        ui.Clear();
    }

    overlap1 screen{app, ui};
};

TEST_P(Overlap1Test, CaptionsInBothLanguages) {
    EXPECT_EQ(screen.Label1[0].text, "Thickness of bottom");
    EXPECT_EQ(screen.Command1[1].text, "Strip planking/welding\nreset all to 0");
    EXPECT_EQ(screen.Label0.text.substr(0, 51), "This screen allows to enter the thickness of planks");
    app.Language = kFrench;
    screen.Form_Activate();
    EXPECT_EQ(screen.Label1[0].text, "Epaisseur du fond");
    EXPECT_EQ(screen.Command1[2].text, "Bordé à clin");
    EXPECT_EQ(ui.lastRefreshed, "overlap1");
}

TEST_P(Overlap1Test, BoxesShowWhatWasRead) {
    const struct {
        const char* typed;
        const char* shown;
        double metres;
    } cases[] = {
        {"6", "6", 0.006},
        {"-6", "6", 0.006},
        {"6,5", "6.5", 0.0065},
        {"6.1", "6.1", 6.1f / 1000.0},   // the single-precision value, written to its own precision
        {"12.", "12", 0.012},
        {"0.25mm", ".25", 0.25f / 1000.0},
        {"abc", "0", 0},
        {"1e39", "0", 0},                // beyond single precision
        {"1e999", "0", 0},
    };
    for (const auto& c : cases) {
        screen.Text1[0].text = c.typed;
        screen.Text3[1].text = c.typed;
        screen.Text3_Change(1);
        EXPECT_EQ(screen.Text1[0].text, c.shown) << c.typed;
        EXPECT_EQ(app.design.plankThickness(0), c.metres) << c.typed;
        EXPECT_EQ(app.design.transomThickness, c.metres) << c.typed;
        EXPECT_TRUE(std::isfinite(app.design.chineBevel(1, 41)));
    }

    app.design.plankThickness(0) = 6.1f / 1000.0;
    app.design.bowPlateThickness = 0.012;
    screen.ecrireData();
    EXPECT_EQ(screen.Text1[0].text, "6.1");
    EXPECT_EQ(screen.Text3[2].text, "12");
}

TEST_P(Overlap1Test, RecommendsTheBottomOverlapFromTheChineAngle) {
    HullDesign& d = app.design;
    d.chineAngle(1, 41) = std::numbers::pi / 4;
    d.chineAngle(1, 60) = 0.001;   // flatter than the limit: needs nothing
    screen.Text1[0].text = "6";
    screen.Text1_Change(0);
    EXPECT_NEAR(d.chineBevel(1, 41), 0.006 / std::sin(std::numbers::pi / 4), 1e-12);
    EXPECT_EQ(d.chineBevel(1, 60), 0);
    EXPECT_EQ(screen.maxBevelPoint(1), 41);
    EXPECT_EQ(screen.Label8[0].text, "Recommended width of overlap at point 41 (Bmax): 9mm\nand at point 41 : 9mm");

    d.chineAngle(1, 70) = std::numbers::pi / 8;
    app.Language = kFrench;
    screen.Text1_LostFocus(0);
    EXPECT_EQ(screen.Label8[0].text,
              "Largeur de recouvrement proposée au point 41 (Bmax): 9mm\net au point 70 : 16mm");

    screen.Text1_LostFocus(1);
    EXPECT_EQ(screen.Label8[0].text, "");
}

TEST_P(Overlap1Test, RecommendsThreePlankThicknesses) {
    screen.Text2[0].text = "6";
    screen.Text2_Change(0);
    EXPECT_EQ(screen.Label8[1].text, "Recommended width of overlap  18mm ");
    screen.Text2[0].text = "6,1";
    screen.Text2_LostFocus(0);
    EXPECT_EQ(screen.Label8[1].text, "Recommended width of overlap  18.3mm ");
    screen.Text2_Change(1);
    EXPECT_EQ(screen.Label8[1].text, "");
}

TEST_P(Overlap1Test, ExitChoices) {
    HullDesign& d = app.design;
    screen.Text1[0].text = "6";
    screen.Text1[1].text = "20";
    screen.Text2[0].text = "5";
    screen.Text2[1].text = "15";
    screen.Text3[1].text = "12";
    screen.Text3[2].text = "9";
    screen.Command1_Click(2);
    EXPECT_EQ(d.overlapChoice, 2);
    EXPECT_TRUE(ui.Saw("hide overlap1"));
    EXPECT_EQ(d.plankThickness(0), 0.006);
    for (int k = 1; k <= d.lastLine - 1; ++k) EXPECT_EQ(d.plankThickness(k), 0.005) << k;
    EXPECT_EQ(d.transomThickness, 0.012);
    EXPECT_EQ(d.bowPlateThickness, 0.009);
    for (int i : {0, 41, kBowPoint}) {
        EXPECT_EQ(d.lapWidth(1, i), 0.02);
        for (int j = 2; j <= d.lastLine; ++j) EXPECT_EQ(d.lapWidth(j, i), 0.015);
    }

    screen.Command1_Click(0);
    EXPECT_EQ(d.overlapChoice, 0);
    EXPECT_EQ(d.lapWidth(1, 41), 0.02);   // cancel changes nothing

    screen.Command1_Click(1);
    EXPECT_EQ(d.overlapChoice, 1);
    for (const Control* box : {&screen.Text1[0], &screen.Text1[1], &screen.Text2[0], &screen.Text2[1],
                               &screen.Text3[1], &screen.Text3[2]})
        EXPECT_EQ(box->text, "0");
    EXPECT_EQ(d.plankThickness(0), 0);
    EXPECT_EQ(d.transomThickness, 0);
    EXPECT_EQ(d.lapWidth(1, 41), 0);
    EXPECT_EQ(d.lapWidth(3, 41), 0);
}

BRAVIK_UNDER_BOTH_LOCALES(Overlap1Test);

}  // namespace
}  // namespace bravik
