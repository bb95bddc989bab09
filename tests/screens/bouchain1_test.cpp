#include "screens/bouchain1.h"

#include <cmath>
#include <functional>

#include "geometry/midship_station.h"
#include "screen_fixture.h"

namespace bravik {
namespace {

class Bouchain1Test : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        bottom.Form_Activate();
        ui.Clear();
    }

    bool Accepted() const { return ui.Saw("hide bouchain1"); }

    bouchain1 bottom{app, board, ui};
};

TEST_P(Bouchain1Test, ActivationFillsTheBoxesInTheUsersFormat) {
    EXPECT_EQ(bottom.form.text, "  Bottom ");
    EXPECT_EQ(bottom.Label1[0].text, "Length stern-stem LWL=");
    EXPECT_EQ(bottom.Label2[6].text, "Transom incl. (deg/vertical)=");
    EXPECT_EQ(bottom.titre1[3].text, "X-Z vertical plane");
    EXPECT_EQ(bottom.Text1[0].text, "6");
    EXPECT_EQ(bottom.Text1[1].text, "3");
    EXPECT_EQ(bottom.Text1[2].text, Local("0.95"));
    EXPECT_EQ(bottom.Text1[5].text, Local("2.5"));
    EXPECT_EQ(bottom.Text2[1].text, Local("0.15"));
    EXPECT_EQ(bottom.Text2[3].text, "12");
    EXPECT_EQ(bottom.Text2[6].text, "25");   // the transom rake is held negative, shown positive

    // The stem rake is editable only for a bow that stays open.
    EXPECT_FALSE(bottom.Text2[5].enabled);
    bottom.Text1[3].text = Local("0.3");
    bottom.Text1_Change(3);
    EXPECT_TRUE(bottom.Text2[5].enabled);

    app.Language = kFrench;
    bottom.Form_Activate();
    EXPECT_EQ(bottom.Label1[0].text, "Longeur tableau-étrave LWL=");
    EXPECT_EQ(bottom.titre1[2].text, "Plan X-Y");
}

TEST_P(Bouchain1Test, TheDefaultHullIsAcceptedAndComputed) {
    bottom.Valider_Click();
    const HullDesign& d = app.design;
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(d.midshipIndex, 41);
    EXPECT_EQ(d.maxBeamX(1), 3.0);
    EXPECT_NEAR(d.maxBeamX(0), 3.797144649618416, 1e-15);
    EXPECT_NEAR(d.heightAtMaxBeam(0), -0.201928733586521, 1e-15);
    EXPECT_EQ(d.X(0, 81), 6.0);
    EXPECT_NEAR(d.Z(1, 41), 0.0, 1e-12);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(bottom.Text1[i].backColour, kWhite) << i;
    EXPECT_EQ(bottom.Text1[2].text, " .95");   // written back in the plain form
    EXPECT_EQ(bottom.Text1[5].text, Local("2.5"));   // the powers in the user's format

    EXPECT_TRUE(board.enabled);
    EXPECT_TRUE(board.Command1[0].enabled);
    EXPECT_TRUE(board.Command1[1].enabled);
    EXPECT_TRUE(board.Command1[2].enabled);
    EXPECT_TRUE(board.dessine.enabled);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"hide bouchain1", "focus dessin.dessine", "show dessin"}));
    EXPECT_EQ(ui.lastRefreshed, "dessin");
    EXPECT_EQ(ui.pointer, MousePointer::Default);
    EXPECT_EQ(ui.beeps, 0);
}

TEST_P(Bouchain1Test, MoreThanSixLinesLeaveTheSidePlanksButtonDisabled) {
    app.design.lastLine = 7;
    bottom.Valider_Click();
    EXPECT_TRUE(Accepted());
    EXPECT_FALSE(board.Command1[1].enabled);
    EXPECT_TRUE(board.Command1[2].enabled);
}

struct Correction {
    const char* name;
    bool leftColumn;   // Text1 or Text2
    int box;
    const char* typed;
    std::function<double(const HullDesign&)> stored;
    double value;
    const char* shown;   // box text after validation ("" = the number in the user's format)
    Colour colour;
    int beeps;
};

const Correction kCorrections[] = {
    {"EmptyLength", true, 0, "", [](const HullDesign& d) { return d.lineLength(0); }, 0.1, " .1", kOrange, 1},
    {"WildLength", true, 0, "1e999", [](const HullDesign& d) { return d.lineLength(0); }, 0.1, " .1", kOrange, 1},
    {"WildFiniteLength", true, 0, "1e300", [](const HullDesign& d) { return d.lineLength(0); }, 1e6, " 1000000", kYellow, 0},
    {"HeightOutOfProportion", false, 0, "1e300", [](const HullDesign& d) { return d.heightFwd(1); }, 600, " 600", kYellow, 0},
    {"WildSShape", false, 2, "-1e300", [](const HullDesign& d) { return d.sShapeAft; }, -100, "-100", kYellow, 0},
    {"BeamAtZero", true, 1, "0", [](const HullDesign& d) { return d.maxBeamX(1); }, 1.2, " 1.2", kYellow, 0},
    {"BeamTooFarForward", true, 1, "5", [](const HullDesign& d) { return d.maxBeamX(1); }, 4.2, " 4.2", kYellow, 0},
    {"HalfBeamTooSmall", true, 2, "0.01", [](const HullDesign& d) { return d.halfMaxBeam(1); }, 0.06, " .06", kYellow, 0},
    {"HalfBeamTooLarge", true, 2, "4", [](const HullDesign& d) { return d.halfMaxBeam(1); }, 3, " 3", kYellow, 0},
    {"HalfWidthForward", true, 3, "0.95", [](const HullDesign& d) { return d.halfWidthFwd(1); }, 0.9405, " .9405", kYellow, 0},
    {"HeightForwardNegative", false, 0, "-0.2", [](const HullDesign& d) { return d.heightFwd(1); }, 0, " 0", kYellow, 0},
    {"HalfWidthAft", true, 4, "-1", [](const HullDesign& d) { return d.halfWidthAft(1); }, 0.95, " .95", kYellow, 0},
    {"HeightAftTooLow", false, 1, "-0.5", [](const HullDesign& d) { return d.heightAft(1); }, -0.1, "-.1", kYellow, 0},
    {"PowerNotANumber", true, 5, "abc", [](const HullDesign& d) { return d.powerFwd; }, 2.1, "", kYellow, 0},
    {"PowerTooLarge", true, 6, "7", [](const HullDesign& d) { return d.powerAft; }, 5, "", kYellow, 0},
    {"DeadriseTooSteep", false, 3, "50", [](const HullDesign& d) { return d.plankAngle(0); }, 45, " 45", kYellow, 0},
    {"DeadriseTooNegative", false, 3, "-30", [](const HullDesign& d) { return d.plankAngle(0); }, -20, "-20", kYellow, 0},
    {"KeelAdvance", false, 4, "-80", [](const HullDesign& d) { return d.keelAdvanceAngle; }, 70, " 70", kYellow, 0},
    {"StemRake", false, 5, "61", [](const HullDesign& d) { return d.bowAngle; }, 60, " 60", kYellow, 0},
    {"TransomRake", false, 6, "80", [](const HullDesign& d) { return d.transomAngle; }, -70, "-70", kYellow, 0},
    {"WildDegrees", false, 6, "1e300", [](const HullDesign& d) { return d.transomAngle; }, -70, "-70", kYellow, 0},
};

class Bouchain1CorrectionTest : public Bouchain1Test {
protected:
    Control& Box(const Correction& c) { return c.leftColumn ? bottom.Text1[c.box] : bottom.Text2[c.box]; }
};

TEST_P(Bouchain1CorrectionTest, CorrectsRefusesAndThenAccepts) {
    for (const Correction& c : kCorrections) {
        SCOPED_TRACE(c.name);
        ResetToDefaults(app.design);
        bottom.Form_Activate();
        bottom.Text1[3].text = "0.3";   // a pram bow, so the stem rake is not driven to 0
        ui.Clear();

        Box(c).text = c.typed;
        bottom.Valider_Click();
        EXPECT_FALSE(Accepted());
        EXPECT_EQ(c.stored(app.design), c.value);
        EXPECT_EQ(Box(c).text, *c.shown ? std::string(c.shown) : LocaleNumberText(c.value));
        EXPECT_EQ(Box(c).backColour, c.colour);
        EXPECT_EQ(ui.beeps, c.beeps);
        EXPECT_EQ(ui.pointer, MousePointer::Default);

        // The correction sticks: the next press goes through with the box as written.
        const std::string written = Box(c).text;
        ui.Clear();
        bottom.Valider_Click();
        EXPECT_TRUE(Accepted());
        EXPECT_EQ(Box(c).text, written);
        EXPECT_EQ(Box(c).backColour, kWhite);
        EXPECT_EQ(ui.beeps, 0);
    }
}

TEST_P(Bouchain1CorrectionTest, ValuesInsideTheirRangeStandAsTyped) {
    const struct {
        bool leftColumn;
        int box;
        const char* typed;
        std::function<double(const HullDesign&)> stored;
        double value;
        const char* shown;
    } cases[] = {
        {true, 1, "3.03", [](const HullDesign& d) { return d.maxBeamX(1); }, 3.0, " 3"},   // snapped to station 41
        {true, 3, "0.94", [](const HullDesign& d) { return d.halfWidthFwd(1); }, 0.94, " .94"},
        {true, 0, "0,1", [](const HullDesign& d) { return d.lineLength(0); }, 0.1, " .1"},   // exactly the limit
        {false, 3, "12.5", [](const HullDesign& d) { return d.plankAngle(0); }, 12, " 12"},
        {false, 3, "13.5", [](const HullDesign& d) { return d.plankAngle(0); }, 14, " 14"},
        {false, 6, "-30", [](const HullDesign& d) { return d.transomAngle; }, -30, "-30"},
        {false, 6, "30", [](const HullDesign& d) { return d.transomAngle; }, -30, "-30"},
        {true, 5, "4,5", [](const HullDesign& d) { return d.powerFwd; }, 4.5, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ResetToDefaults(app.design);
        bottom.Form_Activate();
        Control& box = c.leftColumn ? bottom.Text1[c.box] : bottom.Text2[c.box];
        box.text = c.typed;
        if (c.box == 0 && c.leftColumn) {
            // A 0.1 m hull: bring the other lengths into its range first.
            for (int i : {1, 2, 3, 4}) bottom.Text1[i].text = "0";
            bottom.Valider_Click();
        }
        ui.Clear();
        bottom.Valider_Click();
        EXPECT_EQ(c.stored(app.design), c.value);
        EXPECT_EQ(box.text, *c.shown ? std::string(c.shown) : LocaleNumberText(c.value));
        EXPECT_EQ(box.backColour, kWhite);
        if (c.box == 1 && c.leftColumn) {
            EXPECT_EQ(app.design.midshipIndex, 41);
        }
    }
}

TEST_P(Bouchain1Test, APositionOnAStationStaysOnIt) {
    for (const char* length : {"0.3", "0.7", "1.1", "6", "7.3", "11.9"}) {
        for (int m = 17; m <= 57; ++m) {
            bottom.Text1[0].text = length;
            bottom.Text1[1].text = PlainNumberText(StationX(m, LenientNumber(length)));
            bottom.Text1[2].text = bottom.Text1[4].text = PlainNumberText(0.1 * LenientNumber(length));
            for (int press = 0; press < 3; ++press) {
                bottom.Valider_Click();
                ASSERT_EQ(app.design.midshipIndex, m) << length << " press " << press;
                ASSERT_EQ(bottom.Text1[1].backColour, kWhite);
            }
        }
    }
}

TEST_P(Bouchain1Test, DeactivationValidatesAgainWithTheAnglesTypedLast) {
    bottom.Text2[4].text = "0";   // keel advance
    bottom.Valider_Click();
    EXPECT_TRUE(Accepted());
    // The first pass derived the keel station from the previous 40 degrees.
    EXPECT_GT(app.design.maxBeamX(0), app.design.maxBeamX(1));
    bottom.Form_Deactivate();
    EXPECT_EQ(app.design.maxBeamX(0), app.design.maxBeamX(1));
}

TEST_P(Bouchain1Test, WildTextPutsNoNaNOrInfinityIntoTheDesign) {
    // Plan-view texts against profile texts, the smallest hull against the largest.
    for (const char* plan : {"1e999", "0", "1e300"})
        for (const char* profile : {"-1e999", "1e300", "-1e300"})
            for (const char* bow : {"0", "1e300"}) {
                SCOPED_TRACE(std::string(plan) + " " + profile + " " + bow);
                ResetToDefaults(app.design);
                bottom.Form_Activate();
                for (Control& box : bottom.Text1) box.text = plan;
                bottom.Text1[3].text = bow;
                for (Control& box : bottom.Text2) box.text = profile;
                ui.Clear();
                bottom.Valider_Click();
                bottom.Valider_Click();
                EXPECT_TRUE(Accepted());
                const HullDesign& d = app.design;
                for (double v : {d.lineLength(0), d.maxBeamX(1), d.maxBeamX(0), d.halfMaxBeam(1), d.halfWidthFwd(1),
                                 d.halfWidthAft(1), d.heightFwd(1), d.heightAft(1), d.powerFwd, d.powerAft,
                                 d.sShapeAft, d.sShapeFwd})
                    EXPECT_TRUE(std::isfinite(v));
                for (int k = 0; k <= 1; ++k)
                    for (int i = 0; i <= kBowPoint; ++i)
                        ASSERT_TRUE(std::isfinite(d.X(k, i)) && std::isfinite(d.Y(k, i)) && std::isfinite(d.Z(k, i)));
            }
}

BRAVIK_UNDER_BOTH_LOCALES(Bouchain1Test);
BRAVIK_UNDER_BOTH_LOCALES(Bouchain1CorrectionTest);

}  // namespace
}  // namespace bravik
