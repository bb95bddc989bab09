#include "screens/bouchain3.h"

#include <cmath>

#include "screen_fixture.h"

namespace bravik {
namespace {

class Bouchain3Test : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ComputeDefaultBottom();
        automatic.Form_Activate();
        ui.Clear();
    }

    bool Accepted() const { return ui.Saw("hide bouchain3"); }

    // The rise of each plank in the section adds up to the sheer's rise.
    double VerticalSum(double (bouchain3::*width)(int) const) const {
        const HullDesign& d = app.design;
        double sum = 0;
        for (int k = 1; k <= d.lastLine - 1; ++k)
            sum += std::sin(d.plankAngle(k) * 3.14159265358979 / 180) * (automatic.*width)(k);
        return sum;
    }

    bouchain3 automatic{app, board, ui};
};

TEST_P(Bouchain3Test, ActivationShowsTheCurrentPlanking) {
    EXPECT_EQ(automatic.form.text, "Automatic planking");
    EXPECT_EQ(automatic.Label4.text, "Stem shape :");
    EXPECT_EQ(automatic.Label0[0].text,
              "This screen allows you to automatically place 2 to 20 side planks.\n"
              "The planks will be equispaced between the chine 1 and the sheer line.\n"
              "Warning: the computation time increases exponentially with the number of planks.");
    EXPECT_EQ(automatic.Text0.text, "4");
    EXPECT_EQ(automatic.Text1[0].text, "45");
    EXPECT_EQ(automatic.Text2[0].text, "90");
    EXPECT_EQ(automatic.Text2[1].text, Local("1.25"));
    EXPECT_EQ(automatic.Text2[2].text, Local("1.05"));
    EXPECT_EQ(automatic.Text2[3].text, Local("1.1"));
    EXPECT_EQ(automatic.Text4.text, "0");
    EXPECT_EQ(automatic.Label3.text, "");
    EXPECT_EQ(automatic.Label3.backColour, Rgb(192, 255, 255));
    EXPECT_EQ(ui.lastRefreshed, "bouchain3");

    app.Language = kFrench;
    automatic.Form_Activate();
    EXPECT_EQ(automatic.form.text, "Bordage automatique");
    EXPECT_EQ(automatic.Label2[1].text, "Hauteur avant du livet :");
}

TEST_P(Bouchain3Test, CorrectionsAreRefusedOnceAndThenAccepted) {
    const struct {
        const char* name;
        Control bouchain3::*single;   // the box, or
        int textTwo;                  // index into Text2 when single is null (-1: Text1(0))
        const char* planks;
        const char* first;
        const char* last;
        const char* typed;
        const char* shown;
        int lastLine;
    } cases[] = {
        {"OnePlankBecomesTwo", &bouchain3::Text0, 0, "1", "45", "90", "1", "2", 3},
        {"TwentyFiveBecomeTwenty", &bouchain3::Text0, 0, "25", "45", "90", "25", "20", 21},
        {"FirstFlatterThanBottom", nullptr, -1, "4", "10", "90", "10", " 16", 5},
        {"FirstPastEighty", nullptr, -1, "4", "85", "120", "85", " 80", 5},
        {"StepRoundsBelowThree", nullptr, 0, "5", "30", "31", "31", " 42", 6},
        {"LastPastOneSeventy", nullptr, 0, "4", "45", "200", "200", " 168", 5},
        {"SheerBelowTheChine", nullptr, 1, "4", "45", "90", "0", " .195", 5},
        {"SheerOutOfProportion", nullptr, 2, "4", "45", "90", "1e300", " 600", 5},
        {"StemShapeTooLarge", &bouchain3::Text4, 0, "4", "45", "90", "50", " 10", 5},
        {"StemShapeTooNegative", &bouchain3::Text4, 0, "4", "45", "90", "-1e300", "-10", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetToDefaults(app.design);
        ComputeDefaultBottom();
        automatic.Form_Activate();
        automatic.Text0.text = c.planks;
        automatic.Text1[0].text = c.first;
        automatic.Text2[0].text = c.last;
        Control& box = c.single ? automatic.*c.single : c.textTwo < 0 ? automatic.Text1[0] : automatic.Text2[c.textTwo];
        box.text = c.typed;
        ui.Clear();
        automatic.Valider_Click();
        EXPECT_FALSE(Accepted());
        EXPECT_FALSE(automatic.inputsAccepted);
        EXPECT_EQ(box.text, c.shown);
        EXPECT_EQ(box.backColour, kYellow);
        EXPECT_EQ(app.design.lastLine, c.lastLine);
        EXPECT_EQ(ui.pointer, MousePointer::Default);

        ui.Clear();
        automatic.Valider_Click();
        EXPECT_TRUE(Accepted());
        EXPECT_EQ(box.backColour, kWhite);
        EXPECT_EQ(LenientNumber(box.text), LenientNumber(c.shown));
    }
}

TEST_P(Bouchain3Test, ValidationEndsOnTheDefaultPointer) {
    // Whatever pointer showed before, a refused and then an accepted validation both end on the default.
    for (const char* typed : {"1", "4"}) {
        SCOPED_TRACE(typed);
        automatic.Text0.text = typed;
        ui.pointer = MousePointer::SizeNS;
        ui.Clear();
        automatic.Valider_Click();
        EXPECT_EQ(Accepted(), typed == std::string("4"));
        EXPECT_EQ(ui.pointer, MousePointer::Default);
    }
}

TEST_P(Bouchain3Test, TheStepRoundsUpToThreeDegrees) {
    automatic.Text0.text = "5";
    automatic.Text1[0].text = "30";
    automatic.Text2[0].text = "31";
    automatic.Valider_Click();
    EXPECT_EQ(automatic.angleStep, 3);
    const HullDesign& d = app.design;
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(d.plankAngle(k), 27 + 3 * k) << k;
}

TEST_P(Bouchain3Test, EqualInclinationsAndExponentZeroGiveEqualWidths) {
    HullDesign& d = app.design;
    d.lastLine = 7;
    for (int k = 1; k <= 6; ++k) d.plankAngle(k) = 60;
    d.heightFwd(7) = 1.4;
    d.heightAtMaxBeam(7) = 1.0;
    d.heightAft(7) = 1.2;
    d.stemShape = 0;
    for (int k = 1; k <= 6; ++k) {
        EXPECT_DOUBLE_EQ(automatic.plankW_FWD(k), automatic.plankW_FWD(1)) << k;
        EXPECT_DOUBLE_EQ(automatic.plankW_MID(k), automatic.plankW_MID(1)) << k;
        EXPECT_DOUBLE_EQ(automatic.plankW_AFT(k), automatic.plankW_AFT(1)) << k;
    }
    EXPECT_NEAR(automatic.plankW_FWD(1), (1.4 - 0.1) / (6 * std::sin(3.14159265358979 / 3)), 1e-15);

    // Whatever the shape, the vertical parts add up to the sheer's rise; a
    // positive shape makes the upper planks wider.
    for (double shape : {-10.0, -2.5, 0.0, 3.0, 10.0}) {
        d.stemShape = shape;
        for (int k = 1; k <= 6; ++k) d.plankAngle(k) = static_cast<std::int16_t>(20 + 12 * k);
        EXPECT_NEAR(VerticalSum(&bouchain3::plankW_FWD), 1.4 - 0.1, 1e-12) << shape;
        EXPECT_NEAR(VerticalSum(&bouchain3::plankW_MID), 1.0, 1e-12) << shape;
        EXPECT_NEAR(VerticalSum(&bouchain3::plankW_AFT), 1.2 - 0.15, 1e-12) << shape;
        if (shape > 0) {
            EXPECT_GT(automatic.plankW_FWD(6), automatic.plankW_FWD(1));
        }
    }
}

TEST_P(Bouchain3Test, AcceptedPlankingLandsOnTheTypedSheer) {
    automatic.Text0.text = "8";
    automatic.Text1[0].text = "30";
    automatic.Text2[0].text = "100";
    automatic.Text2[1].text = "1,3";
    automatic.Text2[2].text = "1.1";
    automatic.Text2[3].text = "1.15";
    automatic.Text4.text = Local("1.5");
    automatic.Valider_Click();
    ASSERT_TRUE(Accepted());

    const HullDesign& d = app.design;
    EXPECT_EQ(d.lastLine, 9);
    EXPECT_EQ(d.stemShape, 1.5);
    EXPECT_EQ(automatic.angleStep, 10);
    EXPECT_EQ(d.plankAngle(8), 100);
    EXPECT_NEAR(d.heightFwd(9), 1.3, 1e-12);
    EXPECT_NEAR(d.heightAtMaxBeam(9), 1.1, 1e-12);
    EXPECT_NEAR(d.heightAft(9), 1.15, 1e-12);
    for (int j = 2; j <= 9; ++j) {
        EXPECT_EQ(d.maxBeamX(j), d.maxBeamX(1));
        EXPECT_GT(d.heightFwd(j), d.heightFwd(j - 1));
        EXPECT_EQ(d.transomTurn(j), 1);
        EXPECT_EQ(d.bowTurn(j), 1);
        for (int i = 0; i <= kBowPoint; ++i) ASSERT_TRUE(std::isfinite(d.Y(j, i)) && std::isfinite(d.Z(j, i)));
    }

    EXPECT_EQ(automatic.Label3.text, "");
    EXPECT_EQ(automatic.Label3.backColour, Rgb(255, 192, 192));   // the last progress colour
    EXPECT_EQ(ui.events, (std::vector<std::string>{"hide bouchain3", "focus dessin.dessine",
                                                   "focus dessin.Command1(2)", "show dessin"}));
    EXPECT_TRUE(board.enabled && board.Command1[0].enabled && board.dessine.enabled);
    EXPECT_FALSE(board.Command1[1].enabled);   // eight planks: more than the side-planks screen shows
    EXPECT_EQ(ui.pointer, MousePointer::Default);
}

TEST_P(Bouchain3Test, ProgressIsShownChineByChine) {
    std::vector<std::string> seen;
    struct ProgressUi : testing::RecordingUi {
        bouchain3* screen = nullptr;
        std::vector<std::string>* seen = nullptr;
        void Refresh(const std::string& form) override {
            RecordingUi::Refresh(form);
            if (form == "bouchain3") seen->push_back(screen->Label3.text);
        }
    } progressUi;
    bouchain3 screen(app, board, progressUi);
    progressUi.screen = &screen;
    progressUi.seen = &seen;
    screen.Form_Activate();
    seen.clear();
    screen.Text0.text = "2";
    screen.Valider_Click();
    EXPECT_EQ(seen, (std::vector<std::string>{"Positioning chine  2", "Positioning chine  3",
                                              "Computing line  2  of  3", "Computing points of line  2  of  3",
                                              "Computing line  3  of  3", "Computing points of line  3  of  3"}));
}

BRAVIK_UNDER_BOTH_LOCALES(Bouchain3Test);

}  // namespace
}  // namespace bravik
