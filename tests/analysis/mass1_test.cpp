// The mass budget: clamps, rows shown by the number of lines, totals from
// the boxes as shown, and the hand-over to the hydrostatics screen.

#include <gtest/gtest.h>

#include <string>

#include "../screens/screen_fixture.h"
#include "analysis_hulls.h"
#include "export/number_pattern.h"
#include "geometry/panel_areas.h"
#include "screens/hydro1.h"
#include "screens/mass1.h"
#include "screens/screen_box.h"

namespace bravik {
namespace {

class Mass1Test : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        app.design = analysis_test::DefaultHull();
        hydro.Form_Load({19200, 14400});
        mass.Form_Load({19200, 14400});
        mass.Form_Activate();
    }

    static std::string Three(double v) { return FormatLocaleNumber(v, "0.000"); }
    static bool Blank(const Control& box) { return box.text == " "; }
    bool RowBlank(int row) const { return Blank(mass.Text2[row]) && Blank(mass.Text3[row]) && Blank(mass.Text4[row]); }

    hydro1 hydro{app, ui};
    mass1 mass{app, ui, hydro};
};
BRAVIK_UNDER_BOTH_LOCALES(Mass1Test);

TEST_P(Mass1Test, OpensOnTheStoredBudgetInTheUsersLanguage) {
    EXPECT_EQ(mass.form.text, "  Mass budget");
    EXPECT_EQ(mass.Label3[24].text, "Deck-1");
    EXPECT_EQ(mass.Label2[3].text, "Centre of\nmass X (m)");
    EXPECT_EQ(mass.Text1[1].text, Local("10.0"));
    EXPECT_EQ(mass.Text1[6].text, Local("0.0"));
    EXPECT_EQ(mass.Text4[7].text, Local("3.000"));
    EXPECT_EQ(mass.Text3[13].text, "") << "equipment never entered stays empty";
    EXPECT_EQ(mass.Text1[1].backColour, kInputBoxColour);
    EXPECT_EQ(mass.Text2[1].backColour, kResultBoxColour);
    EXPECT_EQ(mass.Text3[13].backColour, kInputBoxColour);
    EXPECT_EQ(mass.Text1[13].backColour, kResultBoxColour);
    EXPECT_FALSE(mass.Text1[0].visible);
    EXPECT_FALSE(mass.Text2[10].visible);

    app.Language = kFrench;
    mass.Form_Activate();
    EXPECT_EQ(mass.form.text, "  Budget de masse");
    EXPECT_EQ(mass.Label3[24].text, "Pont-1 ");
    EXPECT_EQ(mass.Calcul1.text, "Calculer");
}

TEST_P(Mass1Test, InputsAreClampedAndReadByTheirLeadingNumber) {
    mass.Text1[1].text = Local("0.5");     // bottom density below 1
    mass.Text1[5].text = "-3";             // transom density below 0
    mass.Text1[23].text = "-1";            // deck density below 0
    mass.Text4[7].text = "99";             // bulkhead beyond the bow
    mass.Text4[8].text = "-2";             // bulkhead aft of the transom
    mass.Text1[8].text = "10";
    mass.Text3[13].text = Local("2.5") + "kg";
    mass.Text4[13].text = "abc";
    mass.Text3[14].text = "-40";           // equipment masses are not clamped
    mass.Text4[14].text = "12";            // but their positions are
    mass.RecomputeBudget();

    const HullDesign& d = app.design;
    EXPECT_EQ(d.panelDensity(1), 1);
    EXPECT_EQ(mass.Text1[1].text, Local("1.0"));
    EXPECT_EQ(d.panelDensity(5), 0);
    EXPECT_EQ(mass.Text1[5].text, Local("0.0"));
    EXPECT_EQ(d.deckDensity(1), 0);
    EXPECT_EQ(*d.equipmentMass(1), 2.5);
    EXPECT_EQ(*d.equipmentX(1), 0);
    EXPECT_EQ(*d.equipmentMass(2), -40);
    EXPECT_EQ(*d.equipmentX(2), 6);

    // Bulkheads on stations 81 and 1; their boxes show the section's centre.
    EXPECT_EQ(mass.Text4[7].text, Three(StationPlateArea(d, 81).centreX));
    EXPECT_EQ(mass.Text4[8].text, Three(StationPlateArea(d, 1).centreX));
    EXPECT_EQ(d.bulkheadArea(2), StationPlateArea(d, 1).area);
    EXPECT_EQ(d.bulkheadMass(2), 10 * StationPlateArea(d, 1).area);
}

TEST_P(Mass1Test, RowsShownFollowTheNumberOfLines) {
    app.design.lastLine = 2;
    mass.Form_Activate();
    for (int row : {3, 4, 22, 24}) EXPECT_TRUE(RowBlank(row)) << row;
    EXPECT_FALSE(RowBlank(2));
    mass.Calcul1_Click();
    EXPECT_EQ(mass.Text2[4].text, Three(0));
    EXPECT_EQ(mass.Text3[4].text, Three(0));
    for (int row : {3, 22, 24}) EXPECT_TRUE(RowBlank(row)) << row;
    EXPECT_EQ(mass.planksShown, 1);
    EXPECT_EQ(mass.decksShown, 1);

    app.design.lastLine = 3;
    mass.Form_Activate();
    for (int row : {4, 24}) EXPECT_TRUE(RowBlank(row)) << row;
    EXPECT_FALSE(RowBlank(3));
    EXPECT_FALSE(RowBlank(22));
}

TEST_P(Mass1Test, PlanksTheDesignDoesNotHaveWeighNothing) {
    // Only the bottom: values an earlier design left for plank 1 must not
    // show or count.
    HullDesign& d = app.design;
    d.lastLine = 1;
    d.plankArea(1) = 9;
    d.plankMass(1) = 90;
    d.plankCentreX(1) = 2;
    mass.Form_Activate();
    EXPECT_EQ(mass.Text3[2].text, Three(0));
    mass.RecomputeBudget();
    EXPECT_EQ(mass.Text2[2].text, Three(0));
    EXPECT_EQ(mass.Text3[2].text, Three(0));
    EXPECT_EQ(d.plankMass(1), 0);
    const double expected = ShownNumber(mass.Text3[1]) + ShownNumber(mass.Text3[5]) + ShownNumber(mass.Text3[7]) +
                            ShownNumber(mass.Text3[23]);
    EXPECT_NEAR(d.totalMass, expected, 1e-9);
}

TEST_P(Mass1Test, TotalsComeFromTheBoxesAsShown) {
    mass.Text3[15].text = "160";   // passengers
    mass.Text4[15].text = Local("2.25");
    mass.RecomputeBudget();
    const HullDesign& d = app.design;

    double area = 0, total = 0, moment = 0;
    for (int row : {1, 2, 3, 4, 5, 6, 7, 8, 21, 22, 23, 24}) area += ShownNumber(mass.Text2[row]);
    for (int row : {1, 2, 3, 4, 5, 6, 7, 8, 21, 22, 23, 24, 13, 14, 15, 16, 17, 18}) {
        total += ShownNumber(mass.Text3[row]);
        moment += ShownNumber(mass.Text3[row]) * ShownNumber(mass.Text4[row]);
    }
    EXPECT_EQ(mass.Text2[0].text, Three(area));
    EXPECT_DOUBLE_EQ(d.totalMass, total);
    EXPECT_EQ(mass.Text3[0].text, Three(total));
    EXPECT_DOUBLE_EQ(d.massCentreX, moment / total);
    EXPECT_EQ(mass.Text4[0].text, Three(moment / total));
    EXPECT_GT(total, 160);
    // Every shown value carries three decimals.
    EXPECT_EQ(mass.Text3[1].text, Three(d.plankMass(0)));
    EXPECT_EQ(mass.Text2[5].text, Three(d.transomArea));
}

TEST_P(Mass1Test, ComputeHandsTheMassToTheHydrostatics) {
    mass.Text3[14].text = "300";   // ballast
    mass.Text4[14].text = "3";
    mass.Calcul1_Click();
    const double tonnes = ShownNumber(mass.Text3[0]) / 1000;
    EXPECT_TRUE(hydro.Option1[0].value);
    EXPECT_EQ(hydro.computeMode, 0);
    EXPECT_EQ(app.design.targetDisplacement, ShownNumber(Control{FormatLocaleNumber(tonnes, "0.000")}));
    EXPECT_TRUE(ui.Saw("focus hydro1.Calcul1"));
    // The hydrostatics then replaces the total by the displacement it found
    // for the tonnes shown in its box.
    EXPECT_NEAR(app.design.totalMass, 1000 * app.design.targetDisplacement, 0.1);
    EXPECT_NEAR(app.design.targetDisplacement, tonnes, 0.0005);

    ui.Clear();
    mass.Form_Deactivate();
    EXPECT_TRUE(ui.Saw("focus hydro1.Calcul1"));
}

TEST(PanelAreas, BoxPanelsHaveTheirBoxAreas) {
    HullDesign d = analysis_test::BoxHull(6, 2, 0.5);
    EXPECT_NEAR(PlankArea(d, 0).area, 6 * 2, 1e-9);         // the flat bottom, both halves
    EXPECT_NEAR(PlankArea(d, 0).centreX, 3, 1e-6);
    EXPECT_NEAR(PlankArea(d, 1).area, 2 * 6 * 0.5, 1e-9);   // two sides
    EXPECT_NEAR(PlanAreaInside(d, 2).area, 6 * 2, 1e-12);
    EXPECT_NEAR(StationPlateArea(d, 0).area, 2 * 0.5, 1e-12);
    EXPECT_NEAR(StationPlateArea(d, 0).centreX, 0, 1e-12);

    // The transom raked 3-4-5 aft at the top: its plate is longer than high.
    for (int i = 0; i <= kBowPoint; ++i) d.X(2, i) = d.X(1, i) - 0.375;
    EXPECT_NEAR(StationPlateArea(d, 0).area, 2 * 0.625, 1e-12);
}

}  // namespace
}  // namespace bravik
