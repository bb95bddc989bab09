#include "screens/menu2.h"

#include "screen_fixture.h"
#include "screens/bouchain1.h"

namespace bravik {
namespace {

class Menu2Test : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        app.Language = kFrench;   // as at program start, before the start screen loads
    }

    void Load() {
        app.design = HullDesign{};
        menu.LoadOtherForms = [this] { ++otherFormsLoaded; };
        menu.Form_Load(ScreenSize{20000, 15000});
    }

    menu2 menu{app, board, ui};
    int otherFormsLoaded = 0;
};

TEST_P(Menu2Test, StartsInEnglishWithTheDefaultDesign) {
    Load();
    EXPECT_EQ(app.Language, kEnglish);
    EXPECT_TRUE(menu.Langue1[1].value);
    EXPECT_FALSE(menu.Langue1[0].value);
    EXPECT_EQ(menu.Create.text, "Create a hull");
    EXPECT_EQ(menu.Terminate.text, "Quit");
    EXPECT_EQ(menu.Label1.text, "Bravik2005");
    EXPECT_EQ(menu.form.text, " Bravik2005  - version  23 Oct 2005 ");
    EXPECT_EQ(menu.Langue1[0].text, "Français");
    EXPECT_EQ(menu.Langue1[1].text, "English");

    EXPECT_EQ(app.design.hullName, "BRAVIK2005");
    EXPECT_EQ(app.design.lineLength(0), 6.0);
    EXPECT_EQ(otherFormsLoaded, 1);
    EXPECT_TRUE(ui.Saw("show menu2"));
    EXPECT_EQ(ui.pointer, MousePointer::Default);

    // Centred 5000 × 6500 window; a stack of controls, each below the one above.
    EXPECT_EQ(menu.form.left, 7500);
    EXPECT_EQ(menu.form.top, 4250);
    EXPECT_EQ(menu.Create.width, 2500);
    EXPECT_EQ(menu.Terminate.top, menu.Create.top + menu.Create.height + 100);
    EXPECT_EQ(menu.Langue1[0].top, menu.Terminate.top + menu.Terminate.height + 200);
    EXPECT_EQ(menu.Langue1[1].top, menu.Langue1[0].top + menu.Langue1[0].height + 100);
}

TEST_P(Menu2Test, FrenchCreatesTheHullInFrench) {
    Load();
    menu.Langue1_Click(kFrench);
    EXPECT_EQ(app.Language, kFrench);
    EXPECT_TRUE(menu.Langue1[0].value);
    EXPECT_EQ(menu.Create.text, "Créer une carène");
    EXPECT_EQ(menu.Terminate.text, "Quitter");
    EXPECT_EQ(menu.form.text, " Bravik2005  - version  23 Oct 2005 ");

    board.Command1[1].enabled = board.Command1[2].enabled = true;
    ui.Clear();
    menu.Create_Click();
    EXPECT_EQ(board.caption, "Bravik2005  -  Nouvelle carène : BRAVIK2005");
    EXPECT_TRUE(board.Command1[0].enabled);
    EXPECT_FALSE(board.Command1[1].enabled);
    EXPECT_FALSE(board.Command1[2].enabled);
    for (const Control* entry : {&board.fmenu_P_Tout, &board.fmenu_P_Develop, &board.fmenu_S_XYZ,
                                 &board.fmenu_S_DXF2D, &board.fmenu_S_DXF3D, &board.fmenu_SD_XYZ,
                                 &board.fmenu_SD_DXF, &board.fmenu_S_VRML, &board.fmenu_Station_DXF})
        EXPECT_FALSE(entry->enabled);
    EXPECT_TRUE(board.fmenu_S_Data.enabled);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"hide menu2", "show dessin", "show-modal bouchain1"}));

    // The bottom screen opened over it speaks French.
    bouchain1 bottom(app, board, ui);
    bottom.Form_Activate();
    EXPECT_EQ(bottom.form.text, "  Fond ");
    EXPECT_EQ(bottom.Valider.text, "Valider");

    menu.Langue1_Click(kEnglish);
    menu.Create_Click();
    EXPECT_EQ(board.caption, "Bravik2005  -  New Hull : BRAVIK2005");
}

TEST_P(Menu2Test, QuitAndClosingEndTheProgram) {
    Load();
    menu.Terminate_Click();
    EXPECT_TRUE(ui.Saw("hide menu2"));
    EXPECT_TRUE(ui.ended);

    testing::RecordingUi closing;
    menu2 other(app, board, closing);
    other.Form_Unload();
    EXPECT_TRUE(closing.ended);
}

BRAVIK_UNDER_BOTH_LOCALES(Menu2Test);

}  // namespace
}  // namespace bravik
