#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "drawing/dessin_menu.h"
#include "drawing_fixture.h"

namespace bravik {
namespace {

using testing::Board;
using testing::NewBoard;
using Kind = RecordingSurface::Kind;

struct Expect {
    const char* name;
    const Control& control;
    bool enabled;
};

void CheckEnabled(std::initializer_list<Expect> expected) {
    for (const auto& e : expected) EXPECT_EQ(e.control.enabled, e.enabled) << e.name;
}

// A typical use: the window opens, the bottom screen is validated and the
// board redraws; then the planks, Develop and Draw station.
TEST(DrawingBoard, EnablingFollowsTheDesignStepByStep) {
    auto t = NewBoard();
    dessin& b = t->board;
    b.Form_Load({19200, 14400});
    CheckEnabled({{"Command1(0)", b.Command1[0], true},
                  {"Command1(1)", b.Command1[1], false},
                  {"Command1(2)", b.Command1[2], true},
                  {"Cancel", b.Cancel, true},
                  {"dessine", b.dessine, false},
                  {"DessCouple", b.DessCouple, false},
                  {"Developer", b.Developer, false},
                  {"Hmenu", b.Hmenu, false},
                  {"fmenu_PSetup", b.fmenu_PSetup, true},
                  {"fmenu_New", b.fmenu_New, true},
                  {"fmenu_S_Data", b.fmenu_S_Data, true}});

    // Bottom screen: the outputs of the lines wait for a Redraw.
    b.fmenu_S_XYZ.enabled = b.fmenu_P_Tout.enabled = true;
    b.Command1_Click(0);
    EXPECT_TRUE(t->ui.Saw("show-modal bouchain1"));
    EXPECT_EQ(b.definitionStage, 0);
    CheckEnabled({{"dessine", b.dessine, true},
                  {"fmenu_P_Tout", b.fmenu_P_Tout, false},
                  {"fmenu_S_XYZ", b.fmenu_S_XYZ, false},
                  {"DessCouple", b.DessCouple, false},
                  {"Developer", b.Developer, false}});

    // The screen closes by focusing dessine: Redraw with the bottom only.
    t->ui.Clear();
    t->DrawnAt(0);
    EXPECT_FALSE(t->plan1.Drawn().empty());
    EXPECT_TRUE(t->ui.Saw("focus dessin.Command1(1)"));
    EXPECT_EQ(t->ui.pointer, MousePointer::Default);
    CheckEnabled({{"Developer", b.Developer, true},
                  {"Command1(1)", b.Command1[1], true},
                  {"DessCouple", b.DessCouple, false},
                  {"fmenu_P_Tout", b.fmenu_P_Tout, true},
                  {"fmenu_P_Develop", b.fmenu_P_Develop, true},
                  {"fmenu_S_DXF2D", b.fmenu_S_DXF2D, false},
                  {"fmenu_SD_DXF", b.fmenu_SD_DXF, false},
                  {"fmenu_S_VRML", b.fmenu_S_VRML, false},
                  {"fmenu_Station_DXF", b.fmenu_Station_DXF, false}});

    // Planks screen.
    b.Command1_Click(1);
    EXPECT_TRUE(t->ui.Saw("show-modal bouchain2"));
    CheckEnabled({{"Hmenu", b.Hmenu, true},
                  {"fmenu_S_VRML", b.fmenu_S_VRML, true},
                  {"fmenu_P_Develop", b.fmenu_P_Develop, false},
                  {"fmenu_S_DXF3D", b.fmenu_S_DXF3D, false}});
    t->ui.Clear();
    t->DrawnAt(1);
    EXPECT_TRUE(t->ui.Saw("focus dessin.Developer"));
    CheckEnabled({{"DessCouple", b.DessCouple, true},
                  {"fmenu_P_Tout", b.fmenu_P_Tout, true},
                  {"fmenu_P_Develop", b.fmenu_P_Develop, true},
                  {"fmenu_S_XYZ", b.fmenu_S_XYZ, true},
                  {"fmenu_S_DXF2D", b.fmenu_S_DXF2D, true},
                  {"fmenu_S_DXF3D", b.fmenu_S_DXF3D, true},
                  {"fmenu_SD_XYZ", b.fmenu_SD_XYZ, true},
                  {"fmenu_SD_DXF", b.fmenu_SD_DXF, true},
                  {"fmenu_S_VRML", b.fmenu_S_VRML, true},
                  {"fmenu_Station_DXF", b.fmenu_Station_DXF, false}});

    // Develop draws over the lines; Draw station enables its export.
    const auto before = t->plan1.Drawn().size();
    b.Developer_Click();
    EXPECT_GT(t->plan1.Drawn().size(), before);
    b.DessCouple_Click();
    EXPECT_TRUE(b.fmenu_Station_DXF.enabled);
}

TEST(DrawingBoard, ManyLinesSendTheUserToAutomaticPlanking) {
    auto t = NewBoard();
    t->d().lastLine = 7;
    t->board.Command1[1].enabled = true;
    t->DrawnAt(0);
    EXPECT_FALSE(t->board.Command1[1].enabled);
    EXPECT_TRUE(t->ui.Saw("focus dessin.Command1(2)"));
}

TEST(DrawingBoard, HullNameEntry) {
    struct Case {
        const char* typed;
        const char* shown;
        const char* kept;
        Colour colour;
        int beeps;
    };
    for (const Case& c : {Case{"ab", "BRAVIK", "BRAVIK2005", kNameRefused, 1},
                          Case{"", "BRAVIK", "BRAVIK2005", kNameRefused, 1},
                          Case{"abc", "ABC", "ABC", kWindowBackground, 0},
                          Case{"Coque à clins", "COQUE À CLINS", "COQUE À CLINS", kWindowBackground, 0},
                          Case{"fifteen letters", "FIFTEEN LETTERS", "FIFTEEN LETTERS", kWindowBackground, 0},
                          Case{"a twenty char name!", "A TWENTY CHAR N", "A TWENTY CHAR N", kYellow, 0}}) {
        SCOPED_TRACE(c.typed);
        auto t = NewBoard();
        t->board.Text2.text = c.typed;
        t->board.Text2_KeyPress('x');   // other keys only edit
        EXPECT_EQ(t->board.Text2.text, c.typed);
        t->board.Text2_KeyPress(13);
        EXPECT_EQ(t->board.Text2.text, c.shown);
        EXPECT_EQ(t->d().hullName, c.kept);
        EXPECT_EQ(t->board.Text2.backColour, c.colour);
        EXPECT_EQ(t->ui.beeps, c.beeps);
        EXPECT_EQ(t->ui.pointer, MousePointer::Default);
    }
}

TEST(DrawingBoard, LoadAndResizeLayout) {
    auto t = NewBoard();
    dessin& b = t->board;
    b.Form_Load({20000, 15000});
    EXPECT_EQ(b.form.width, 19200);
    EXPECT_EQ(b.form.left, 400);
    EXPECT_EQ(b.form.height, 13800);
    EXPECT_EQ(b.form.top, 450);
    EXPECT_EQ(b.Text1.text, " 3");
    EXPECT_EQ(b.Text2.text, "BRAVIK2005");
    EXPECT_EQ(b.Developer.width, 1300);
    EXPECT_EQ(b.Command1[2].width, 1400);

    b.Form_Resize();
    EXPECT_EQ(b.Plan1Layout.width, 19000);
    EXPECT_EQ(b.Plan1Layout.height, 11800);
    EXPECT_EQ(b.Label2.top, 12050);
    EXPECT_EQ(b.Text2.left, 1200);
    EXPECT_EQ(b.Command1[0].top, 12450);   // Label2 takes Label1's design height, 200
    EXPECT_EQ(b.Command1[2].left, 3200);
    EXPECT_EQ(b.Label1.left, 4900);
    EXPECT_EQ(b.Text1.left, 6000);
    EXPECT_EQ(b.DessCouple.width, 2100);
    EXPECT_EQ(b.Cancel.left, 18000);
    EXPECT_EQ(b.dessine.left, 16500);
    EXPECT_EQ(b.Developer.top, 12450);

    // Too small a window keeps the previous layout.
    const Control kept = b.Cancel;
    for (auto [w, h] : {std::pair{10000, 9000}, std::pair{15000, 4000}}) {
        b.form.width = w;
        b.form.height = h;
        b.Form_Resize();
        EXPECT_EQ(b.Cancel.left, kept.left);
        EXPECT_EQ(b.Plan1Layout.width, 19000);
    }
}

TEST(DrawingBoard, CaptionsFollowTheLanguage) {
    auto t = NewBoard();
    dessin& b = t->board;
    t->app.Language = kFrench;
    b.Form_Activate();
    EXPECT_EQ(b.caption, "  Planche à dessin  ");
    EXPECT_EQ(b.Command1[1].text, "Bordés");
    EXPECT_EQ(b.fmenu_S_XYZ.text, "Lignes  XYZ");
    EXPECT_EQ(b.Cancel.text, "Terminer");
    const std::string station = b.fmenu_Station_DXF.text, vrml = b.fmenu_S_VRML.text,
                      printStation = b.fmenu_P_Station.text, hydro = b.Hmenu.text;
    t->app.Language = kEnglish;
    b.Form_Activate();
    EXPECT_EQ(b.caption, "  Drawing board  ");
    EXPECT_EQ(b.Command1[2].text, "Auto Planking");
    EXPECT_EQ(b.dessine.text, "Redraw lines");
    EXPECT_EQ(b.fmenu_SD_XYZ.text, "Development XYZ");
    EXPECT_EQ(b.Label2.text, "Lines of ");
    for (auto [fr, en] : {std::pair{station, b.fmenu_Station_DXF.text}, std::pair{vrml, b.fmenu_S_VRML.text},
                          std::pair{printStation, b.fmenu_P_Station.text}, std::pair{hydro, b.Hmenu.text}})
        EXPECT_EQ(fr, en);
    EXPECT_EQ(b.Hmenu.text, "&Hydro");
    EXPECT_TRUE(t->ui.refreshes > 0);
}

TEST(DrawingBoard, QuitAndHydroShowTheOtherWindows) {
    auto t = NewBoard();
    t->board.Hmenu_Click();
    EXPECT_EQ(t->ui.events, (std::vector<std::string>{"show hydro1", "show mass1"}));

    t->ui.Clear();
    t->board.fmenu_Quit_Click();
    EXPECT_EQ(t->ui.events, (std::vector<std::string>{"show menu2"}));

    // Quit saves first (here the user cancels the file dialog), then returns.
    t->ui.Clear();
    t->board.Cancel_Click();
    ASSERT_EQ(t->dialogs.requests.size(), 1u);
    EXPECT_EQ(t->ui.events, (std::vector<std::string>{"hide bouchain1", "hide bouchain2", "hide bouchain3",
                                                      "hide dessin", "show menu2"}));

    // With a file chosen, the design is written before the board closes.
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "bravik-drawing-quit";
    std::filesystem::create_directories(dir);
    t->dialogs.Answer((dir / "QUITTER.D50").string());
    t->ui.Clear();
    t->board.Cancel_Click();
    EXPECT_TRUE(std::filesystem::exists(dir / "QUITTER.D50"));
    EXPECT_TRUE(t->ui.Saw("show menu2"));
    std::filesystem::remove_all(dir);
}

TEST(DrawingBoard, ZoomAndPanClearTheStationAndDevelopmentsAndDoubleClickRestores) {
    auto t = NewBoard();
    t->DrawnAt(1);
    const auto full = t->plan1.Drawn().size();
    const double scale = t->d().viewScale;
    t->board.DessCouple_Click();
    t->board.Developer_Click();
    EXPECT_GT(t->plan1.Drawn().size(), full);

    t->board.Plan1_MouseDown(kRightButton, 0, 1000, 1000);
    t->board.Plan1_MouseMove(kRightButton, 0, 1500, 1200);
    EXPECT_EQ(t->plan1.Overlay().size(), 1u);
    t->board.Plan1_MouseUp(kRightButton, 0, 1500, 1200);
    EXPECT_TRUE(t->plan1.Overlay().empty());
    EXPECT_EQ(t->plan1.Drawn().size(), full);

    t->board.Plan1_DblClick();
    EXPECT_DOUBLE_EQ(t->d().viewScale, scale);
    EXPECT_EQ(t->plan1.Drawn().size(), full);
}

}  // namespace
}  // namespace bravik

namespace bravik {
namespace {

// The front end builds the menus from this table: every menu entry of the
// board once, in the File menu's order, each submenu entry under Save or
// Print, and every entry captioned in both languages.
TEST(DrawingBoard, MenuTreeListsEveryEntryOnceUnderItsMenu) {
    auto t = testing::NewBoard();
    dessin& b = t->board;
    std::set<const Control*> seen;
    std::string_view submenu;
    for (const MenuItem& item : MenuTree()) {
        if (item.entry == nullptr) {
            EXPECT_EQ(item.level, 1);
            continue;
        }
        EXPECT_TRUE(seen.insert(&(b.*item.entry)).second) << item.name;
        if (item.level == 1) submenu = item.name;
        if (item.level == 2) EXPECT_TRUE(submenu == "fmenu_Save" || submenu == "fmenu_Print") << item.name;
        for (std::int16_t language : {kFrench, kEnglish}) {
            t->app.Language = language;
            b.Form_Activate();
            EXPECT_FALSE((b.*item.entry).text.empty()) << item.name;
        }
    }
    EXPECT_EQ(seen.size(), 21u);
    const auto shortcut = [](std::string_view name) {
        for (const MenuItem& item : MenuTree())
            if (item.name == name) return item.shortcut;
        return std::string_view("missing");
    };
    EXPECT_EQ(shortcut("fmenu_S_Data"), "Ctrl+S");
    EXPECT_EQ(shortcut("fmenu_P_Tout"), "Ctrl+A");
    EXPECT_EQ(shortcut("fmenu_Quit"), "Ctrl+Q");
    EXPECT_EQ(shortcut("Hmenu"), "");
}

}  // namespace
}  // namespace bravik
