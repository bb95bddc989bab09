#include "screens/bouchain2.h"

#include <cmath>

#include "screen_fixture.h"

namespace bravik {
namespace {

class Bouchain2Test : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ComputeDefaultBottom();
        planks.Form_Load(ScreenSize{20000, 15000});
        planks.Form_Activate();
        ui.Clear();
    }

    bool Accepted() const { return ui.Saw("hide bouchain2"); }

    static int Selected(const std::array<Control, bouchain2::kRows>& options) {
        int selected = -1;
        for (int k = 0; k < bouchain2::kRows; ++k)
            if (options[k].value) {
                EXPECT_EQ(selected, -1) << "two options selected";
                selected = k;
            }
        return selected;
    }

    bouchain2 planks{app, board, ui};
};

TEST_P(Bouchain2Test, ActivationShowsTheDefaultPlanks) {
    EXPECT_EQ(planks.form.text, "  Planks ");
    EXPECT_EQ(planks.Label1[5].text, "Shear line");
    EXPECT_EQ(planks.Label2[0].text, "Plank 1");
    EXPECT_EQ(planks.Label2[4].text, "Plank 5");
    EXPECT_EQ(planks.form.width, 10000);

    EXPECT_EQ(Selected(planks.OptShear), 3);   // sheer is line 5
    EXPECT_EQ(app.design.lastLine, 5);
    EXPECT_EQ(Selected(planks.OptMarotte), 3);   // bow plate turns in above line 5
    EXPECT_EQ(Selected(planks.OptTableau), 2);   // transom turns in above line 4
    for (int k = 0; k < bouchain2::kRows; ++k) {
        EXPECT_EQ(planks.Text1[k].enabled, k <= 3);
        EXPECT_EQ(planks.Text4[k].enabled, k <= 3);
    }
    EXPECT_EQ(planks.Text1[0].text, Local("0.32"));
    EXPECT_EQ(planks.Text2[1].text, Local("0.62"));
    EXPECT_EQ(planks.Text3[3].text, Local("1.25"));
    EXPECT_EQ(planks.Text4[0].text, "45");
    EXPECT_EQ(planks.Text4[3].text, "90");
    EXPECT_EQ(planks.Text1[4].text, "");

    app.Language = kFrench;
    planks.Form_Activate();
    EXPECT_EQ(planks.Label2[0].text, "Bordé 1");
    EXPECT_EQ(planks.Label1[7].text, "Marotte rentrante");
}

TEST_P(Bouchain2Test, ActivationBringsTheSheerOntoARow) {
    const struct {
        int lastLine, row, after;
    } cases[] = {{9, 4, 6}, {6, 4, 6}, {2, 0, 2}, {1, 0, 2}};
    for (const auto& c : cases) {
        app.design.lastLine = static_cast<std::int16_t>(c.lastLine);
        planks.Form_Activate();
        EXPECT_EQ(Selected(planks.OptShear), c.row) << c.lastLine;
        EXPECT_EQ(app.design.lastLine, c.after) << c.lastLine;
    }
}

TEST_P(Bouchain2Test, TurnOptions) {
    HullDesign& d = app.design;
    planks.OptTableau_Click(1);
    EXPECT_EQ(d.transomTurn(3), -1);
    EXPECT_EQ(d.transomTurn(1), 1);
    EXPECT_EQ(d.transomTurn(2), 1);
    EXPECT_EQ(d.transomTurn(4), -1);   // flags above the clicked row are left as they were
    EXPECT_EQ(Selected(planks.OptTableau), 1);

    // A row above the sheer row selects the sheer row's option and leaves no turn up to the sheer.
    planks.OptShear_Click(1);   // sheer = line 3
    planks.OptTableau_Click(3);
    EXPECT_EQ(Selected(planks.OptTableau), 1);
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(d.transomTurn(j), 1) << j;

    planks.OptMarotte_Click(4);
    EXPECT_EQ(Selected(planks.OptMarotte), 1);
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(d.bowTurn(j), 1) << j;
    planks.OptMarotte_Click(0);
    EXPECT_EQ(d.bowTurn(2), -1);
    EXPECT_EQ(d.bowTurn(1), 1);
}

TEST_P(Bouchain2Test, TheDefaultPlanksAreAcceptedAndComputed) {
    planks.Valider_Click();
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(ui.events, (std::vector<std::string>{"hide bouchain2", "focus dessin.dessine",
                                                   "focus dessin.Command1(1)", "show dessin"}));
    EXPECT_TRUE(board.enabled && board.Command1[0].enabled && board.Command1[1].enabled && board.dessine.enabled);
    EXPECT_EQ(ui.pointer, MousePointer::Default);
    const HullDesign& d = app.design;
    for (int k = 2; k <= d.lastLine; ++k)
        for (int i = 0; i <= kBowPoint; ++i) ASSERT_TRUE(std::isfinite(d.Y(k, i)) && std::isfinite(d.Z(k, i)));
    EXPECT_GT(d.Z(5, 41), d.Z(4, 41));

    // Leaving the screen for another window validates it again.
    ui.Clear();
    planks.Form_Deactivate();
    EXPECT_TRUE(Accepted());
}

TEST_P(Bouchain2Test, CorrectionsAreRefusedOnceAndThenAccepted) {
    const struct {
        const char* name;
        int column;   // 1..4: Text1..Text4
        int row;
        const char* typed;
        const char* shown;
        Colour colour;
        bool refused;
    } cases[] = {
        {"FirstPlankNegative", 4, 0, "-60", "-60", kWhite, false},
        {"FirstPlankHalf", 4, 0, "89.5", "89.5", kWhite, true},   // plank 2 (70) is raised to 90
        {"FirstPlankPastUpright", 4, 0, "91", " 90", kYellow, true},
        {"FirstPlankFlatterThanBottom", 4, 0, "10", " 17", kYellow, true},
        {"SecondPlankLeansLess", 4, 1, "40", " 45", kYellow, true},
        {"SecondPlankPastLimit", 4, 1, "180", " 175", kYellow, true},
        {"ForwardHeightBelowFirstChine", 3, 0, "0,05", " .1", kYellow, true},
        {"AftHeightWithComma", 1, 0, "0,4", "0.4", kWhite, false},
        {"MidHeightBelowChineBelow", 2, 2, "0.5", nullptr, kYellow, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetToDefaults(app.design);
        ComputeDefaultBottom();
        planks.Form_Activate();
        std::array<Control, bouchain2::kRows>* columns[] = {&planks.Text1, &planks.Text2, &planks.Text3, &planks.Text4};
        Control& box = (*columns[c.column - 1])[c.row];
        box.text = c.typed;
        ui.Clear();
        planks.Valider_Click();
        EXPECT_EQ(Accepted(), !c.refused);
        // nullptr: the height of the chine below, as its station rule left it.
        EXPECT_EQ(box.text, c.shown ? c.shown : PlainNumberText(app.design.heightAtMaxBeam(3)));
        EXPECT_EQ(box.backColour, c.colour);
        EXPECT_EQ(ui.pointer, MousePointer::Default);
        if (!c.refused) continue;
        ui.Clear();
        planks.Valider_Click();
        EXPECT_TRUE(Accepted());
        EXPECT_EQ(box.backColour, kWhite);
    }
}

TEST_P(Bouchain2Test, ValidationEndsOnTheDefaultPointer) {
    // Whatever pointer showed before, a refused and then an accepted validation both end on the default.
    for (const char* typed : {"91", "45"}) {
        SCOPED_TRACE(typed);
        planks.Text4[0].text = typed;
        ui.pointer = MousePointer::SizeNS;
        ui.Clear();
        planks.Valider_Click();
        EXPECT_EQ(Accepted(), typed == std::string("45"));
        EXPECT_EQ(ui.pointer, MousePointer::Default);
    }
}

TEST_P(Bouchain2Test, OnlyTheRowsUpToTheSheerAreRead) {
    planks.OptShear_Click(0);   // one side plank
    planks.Text4[1].text = "5";   // would be refused if it were read
    planks.Text3[1].text = "-3";
    planks.Valider_Click();
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(app.design.lastLine, 2);
    EXPECT_EQ(planks.Text4[1].backColour, kWhite);
    EXPECT_EQ(planks.Text4[1].text, "5");
}

BRAVIK_UNDER_BOTH_LOCALES(Bouchain2Test);

}  // namespace
}  // namespace bravik
