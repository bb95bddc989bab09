// The hydrostatics screen on the default hull, under a point and a comma as
// the user's decimal separator.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../screens/screen_fixture.h"
#include "analysis_hulls.h"
#include "export/number_pattern.h"
#include "geometry/hydrostatics.h"
#include "screens/hydro1.h"

namespace bravik {
namespace {

class Hydro1Test : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        app.design = analysis_test::DefaultHull();
        hydro.Form_Load({19200, 14400});
    }

    // Types a waterline height and presses Enter in its box.
    void ComputeWaterline(const std::string& z) {
        hydro.Text1[1].text = z;
        hydro.Text1_KeyPress(1, 13);
    }

    hydro1 hydro{app, ui};
};
BRAVIK_UNDER_BOTH_LOCALES(Hydro1Test);

TEST_P(Hydro1Test, OpensInWaterlineModeWithoutAMassBudget) {
    app.design.totalMass = 0;
    hydro.Form_Activate();
    EXPECT_EQ(hydro.form.text, "  Hydrostatic computation");
    EXPECT_TRUE(hydro.Option1[1].value);
    EXPECT_FALSE(hydro.Option1[0].value);
    EXPECT_EQ(hydro.computeMode, 1);
    EXPECT_EQ(hydro.Text1[1].text, Local("0.060"));

    HullDesign expected = app.design;
    const Hydrostatics h = SolveWaterlineForZ(expected, 0.06);
    EXPECT_EQ(hydro.Text1[0].text, FormatLocaleNumber(h.V, "0.000"));
    EXPECT_DOUBLE_EQ(app.design.totalMass, 1000 * h.V);
    EXPECT_EQ(hydro.Label2[0].text, "Chine 1  is immersed");
    EXPECT_EQ(hydro.Label2[0].backColour, Rgb(192, 255, 255));
    EXPECT_EQ(hydro.Label2[1].text, "Waterline plane area  = " + FormatLocaleNumber(h.Awp, "0.000") +
                                        " m2\nCentre of displacement :\nX= " +
                                        FormatLocaleNumber(expected.buoyancyX, "0.000") + " m\nY= " +
                                        Local("0.000") + " m\nZ= " +
                                        FormatLocaleNumber(expected.buoyancyZ, "0.000") + " m");
    EXPECT_EQ(ui.pointer, MousePointer::Default);
}

TEST_P(Hydro1Test, StatusMessagesInBothLanguages) {
    struct Case {
        const char* z;
        std::int16_t language;
        const char* message;
        Colour colour;
        bool results;
    };
    const Colour pale = Rgb(192, 255, 255), red = Rgb(255, 0, 0);
    const Case cases[] = {
        {"-0.5", kEnglish, "The hull is out of the water: no station reaches the waterline", pale, false},
        {"-0.5", kFrench, "La coque est hors de l'eau : aucune station n'atteint la ligne de flottaison", pale, false},
        {"-0.1", kEnglish, "The keel is in water, chine 1 is emerged", pale, true},
        {"-0,1", kFrench, "La quille est dans l'eau, le bouchain 1 est émergé", pale, true},
        {"0.72", kEnglish, "Chine 3  is immersed", pale, true},
        {"0.72", kFrench, "Le bouchain 3 est immergé", pale, true},
        {"2", kEnglish, "WARNING : the deck is immersed, the boat is sinking !", red, true},
        {"2", kFrench, "ATTENTION : le pont est immergé, le bateau coule !", red, true},
    };
    for (const Case& c : cases) {
        app.Language = c.language;
        ComputeWaterline(c.z);
        EXPECT_EQ(hydro.Label2[0].text, c.message) << c.z;
        EXPECT_EQ(hydro.Label2[0].backColour, c.colour) << c.z;
        if (c.results) {
            const std::string first = c.language == kFrench ? "Surface du plan de flottaison  = " : "Waterline plane area  = ";
            EXPECT_EQ(hydro.Label2[1].text.rfind(first, 0), 0u) << c.z;
        } else {
            EXPECT_EQ(hydro.Label2[1].text, "  ") << c.z;
        }
    }
}

TEST_P(Hydro1Test, DisplacementTypedWithACommaIsSearched) {
    hydro.Option1[1].value = true;
    hydro.Option1[0].value = false;
    hydro.computeMode = 1;
    hydro.Text1[0].text = "0,4";
    hydro.Text1[1].text = "0.06";
    hydro.Text3[0].text = Local("1.5");
    ui.refreshes = 0;
    hydro.Text1_KeyPress(0, 13);

    EXPECT_EQ(hydro.computeMode, 0);
    EXPECT_TRUE(hydro.Option1[0].value);
    EXPECT_EQ(app.design.targetDisplacement, 0.4);
    EXPECT_EQ(hydro.Text1[0].text, Local("0.400"));
    EXPECT_NEAR(app.design.totalMass, 400, 0.1);
    EXPECT_GT(ui.refreshes, 2) << "the height is shown after every pass";
    // No mass centre: the typed pitch stays.
    EXPECT_EQ(hydro.Text3[0].text, Local("1.5"));
    EXPECT_DOUBLE_EQ(app.design.pitchAngle, 1.5 * 3.14159265358979 / 180);

    HullDesign again = app.design;
    const Hydrostatics h = SolveWaterlineForDisplacement(again, 0.06);
    EXPECT_EQ(hydro.Text1[1].text, FormatLocaleNumber(h.z, "0.000"));
}

TEST_P(Hydro1Test, MassCentreTrimsThePitch) {
    app.design.massCentreX = 2.9;
    hydro.Text3[0].text = Local("0.0");
    hydro.TakeDisplacement(0.4);
    EXPECT_EQ(hydro.computeMode, 0);
    EXPECT_NE(hydro.Text3[0].text, Local("0.0"));
    EXPECT_LT(app.design.pitchAngle, 0) << "mass aft of the centre of displacement trims by the stern";
    EXPECT_NEAR(app.design.buoyancyX, 2.9, 0.002 * app.design.lineLength(1));
}

TEST_P(Hydro1Test, WildInputEndsWithFiniteResults) {
    const char* wild[][3] = {
        {"1e308", "0.1", "0"}, {"1e308", "-1e308", "1e308"}, {"abc", "1e308", "-90"}, {"", "", ""},
    };
    for (const auto& w : wild) {
        for (int mode : {0, 1}) {
            hydro.Text1[0].text = w[0];
            hydro.Text1[1].text = w[1];
            hydro.Text3[0].text = w[2];
            hydro.Option1_Click(mode);
            EXPECT_TRUE(std::isfinite(app.design.totalMass)) << w[0] << " " << w[1] << " " << w[2];
            EXPECT_TRUE(std::isfinite(app.design.buoyancyX)) << w[0] << " " << w[1] << " " << w[2];
            EXPECT_FALSE(hydro.Label2[0].text.empty());
        }
    }
}

TEST_P(Hydro1Test, QuitAndUnload) {
    int drawings = 0;
    hydro.DrawWaterline = [&] { ++drawings; };
    hydro.cdQuit_Click();
    EXPECT_EQ(ui.events, (std::vector<std::string>{"hide mass1", "hide hydro1", "show dessin"}));
    EXPECT_EQ(drawings, 1);

    ui.Clear();
    hydro.Text1[1].text = "0.1";
    hydro.Option1[1].value = true;
    hydro.Option1[0].value = false;
    hydro.computeMode = 1;
    hydro.Form_Unload();
    EXPECT_TRUE(ui.Saw("hide mass1"));
    EXPECT_GT(app.design.totalMass, 0) << "unloading computes once more";
}

}  // namespace
}  // namespace bravik
