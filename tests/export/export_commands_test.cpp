// The export commands as the drawing board runs them: dialogs, hull name,
// focus, cancel and failure, and the files they leave on disk.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "default_hull.h"
#include "drawing/recording_surface.h"
#include "dxf_polylines.h"
#include "export/development_dxf.h"
#include "export/development_xyz.h"
#include "export/export_command.h"
#include "export/lines_dxf.h"
#include "export/lines_xyz.h"
#include "export/station_dxf.h"
#include "export/vrml.h"
#include "recording_ui.h"
#include "scripted_dialogs.h"

namespace bravik {
namespace {

namespace fs = std::filesystem;
using testing::OnLayer;
using testing::ReadPolylines;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ExportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("bravik-export-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        app_.Language = kEnglish;
        app_.design = testing::DefaultHull();
        board_.definitionStage = 1;
    }
    void TearDown() override {
        InjectWriteFailureAfter(std::nullopt);
        fs::remove_all(folder_);
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
    Application app_;
    dessin board_;
    testing::RecordingUi ui_;
    testing::ScriptedDialogs dialogs_;
};

using Command = void (*)(Application&, dessin&, Ui&, Dialogs&);

struct LinesCommand {
    const char* name;
    Command run;
    FileDialogRequest request;   // with the default hull name
    const char* failureTitle;
    const char* firstLine;       // of the file, once hullName is "My"
    bool showsName, focusesCancel;
};

const LinesCommand kLinesCommands[] = {
    {"2D DXF", fmenu_S_DXF2D_Click,
     {"Bravik2005 - Save hull lines as 2D DXF file", "Lines (*.DXF)|*.DXF", "", "BRAVIK2005.DXF"},
     "Bravik2005 - Saving Hull line 2D DXF", "999", true, true},
    {"3D DXF", fmenu_S_DXF3D_Click,
     {"Bravik2005 - Save hull lines as 3D DXF file", "Lines (*.DXF)|*.DXF", "", "BRAVIK2005.DXF"},
     "Bravik2005 - Saving Hull line 3D DXF", "999", true, true},
    {"XYZ", fmenu_S_XYZ_Click, {"", "Lines (*.XYZ)|*.XYZ", "Bravik2000", "BRAVIK2005.XYZ"},
     "Bravik2005 - Saving Hull XYZ", "My\t created with Bravik2005", true, false},
    {"VRML", fmenu_S_VRML_Click, {"", "VRML (*.WRL)|*.WRL", "Bravik2000", "BRAVIK2005.WRL"},
     "Bravik2005 - Saving Hull VRML2", "#VRML V2.0 utf8 ", false, false},
};

TEST_F(ExportCommand, LinesCommandsAskTheirFileAndTakeTheHullNameFromIt) {
    for (const auto& c : kLinesCommands) {
        SCOPED_TRACE(c.name);
        app_.design.hullName = "BRAVIK2005";
        board_.Text2.text = "BRAVIK2005";
        ui_.Clear();
        dialogs_.requests.clear();
        dialogs_.Answer(Path("My.Hull.file"));
        c.run(app_, board_, ui_, dialogs_);
        ASSERT_EQ(dialogs_.requests.size(), 1u);
        const FileDialogRequest& r = dialogs_.requests[0];
        EXPECT_EQ(r.title, c.request.title);
        EXPECT_EQ(r.filter, c.request.filter);
        EXPECT_EQ(r.initialDir, c.request.initialDir);
        EXPECT_EQ(r.fileName, c.request.fileName);
        EXPECT_EQ(app_.design.hullName, "My");
        EXPECT_EQ(board_.Text2.text, c.showsName ? "My" : "BRAVIK2005");
        EXPECT_EQ(ui_.Saw("focus dessin.Cancel"), c.focusesCancel);
        EXPECT_EQ(ui_.pointer, MousePointer::Default);
        EXPECT_TRUE(dialogs_.messages.empty());
        const std::string bytes = ReadFile(Path("My.Hull.file"));
        EXPECT_TRUE(bytes.starts_with(std::string(c.firstLine) + "\r\n")) << bytes.substr(0, 40);
    }
    EXPECT_TRUE(ReadFile(Path("My.Hull.file")).ends_with("}    # end transform bateau \r\n"));
}

TEST(HullNameFromFileTitle, KeepsTheTextBeforeTheFirstPointUnlessItLeads) {
    EXPECT_EQ(HullNameFromFileTitle("Dory.DXF"), "Dory");
    EXPECT_EQ(HullNameFromFileTitle("Dory.v2.DXF"), "Dory");
    EXPECT_EQ(HullNameFromFileTitle(".Dory.DXF"), ".Dory.DXF");
    EXPECT_EQ(HullNameFromFileTitle("Dory"), "Dory");
    EXPECT_EQ(FirstCharacters("Très longue coque de 7 m", 15), "Très longue coq");
    EXPECT_EQ(FirstCharacters("short", 15), "short");
}

TEST_F(ExportCommand, CancelWritesNothingAndLeavesAnEarlierFileUntouched) {
    std::ofstream(Path("earlier.dxf"), std::ios::binary) << "earlier";
    for (const auto& c : kLinesCommands) {
        SCOPED_TRACE(c.name);
        dialogs_.Answer(std::nullopt);
        c.run(app_, board_, ui_, dialogs_);
        EXPECT_EQ(app_.design.hullName, "BRAVIK2005");
        EXPECT_TRUE(dialogs_.messages.empty());
        EXPECT_EQ(ui_.pointer, MousePointer::Default);
    }
    EXPECT_FALSE(ui_.Saw("focus dessin.Cancel"));
    EXPECT_EQ(ReadFile(Path("earlier.dxf")), "earlier");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ExportCommand, FailedWriteShowsOneMessageAndLeavesNoPartialFile) {
    for (const auto& c : kLinesCommands) {
        SCOPED_TRACE(c.name);
        std::ofstream(Path("earlier.dxf"), std::ios::binary) << "earlier";
        ui_.Clear();
        dialogs_.messages.clear();
        InjectWriteFailureAfter(100);
        dialogs_.Answer(Path("earlier.dxf"));
        c.run(app_, board_, ui_, dialogs_);
        InjectWriteFailureAfter(std::nullopt);
        ASSERT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_EQ(dialogs_.messages[0].title, c.failureTitle);
        EXPECT_FALSE(dialogs_.messages[0].text.empty());
        EXPECT_FALSE(ui_.Saw("focus dessin.Cancel"));
        EXPECT_EQ(ui_.pointer, MousePointer::Default);
        EXPECT_EQ(ReadFile(Path("earlier.dxf")), "earlier");
        EXPECT_EQ(FilesInFolder(), 1u);
    }
}

TEST_F(ExportCommand, DevelopmentDxfCancelledOnTheOverlapScreenOpensNoDialog) {
    app_.design.overlapChoice = 0;
    fmenu_SD_DXF_Click(app_, board_, ui_, dialogs_);
    EXPECT_TRUE(ui_.Saw("show-modal overlap1"));
    EXPECT_TRUE(dialogs_.requests.empty());
}

TEST_F(ExportCommand, DevelopmentDxfOffersTheDecksFileAfterACancelledPlanksFile) {
    app_.design.hullName = "A hull name longer than fifteen";
    app_.design.overlapChoice = 1;
    dialogs_.Answer(std::nullopt);
    dialogs_.Answer(Path("decks.dxf"));
    fmenu_SD_DXF_Click(app_, board_, ui_, dialogs_);
    ASSERT_EQ(dialogs_.requests.size(), 2u);
    EXPECT_EQ(dialogs_.requests[0].title, "Bravik2005 - Save developed plank as DXF file");
    EXPECT_EQ(dialogs_.requests[0].filter, "Plank (*_PLANK.DXF)|*.DXF");
    EXPECT_EQ(dialogs_.requests[0].fileName, "A hull name lon_PLANK.DXF");
    EXPECT_EQ(dialogs_.requests[1].title, "Bravik2005 - Save developed plank as DXF file");
    EXPECT_EQ(dialogs_.requests[1].filter, "Plank (*_DECK.DXF)|*.DXF");
    EXPECT_EQ(dialogs_.requests[1].fileName, "A hull name lon_DECK.DXF");
    EXPECT_EQ(app_.design.hullName, "A hull name longer than fifteen");
    const auto decks = ReadPolylines(ReadFile(Path("decks.dxf")));
    for (int v = 1; v <= 5; ++v) {
        const auto layer = OnLayer(decks, v);
        ASSERT_EQ(layer.size(), 6u) << "deck" << v;   // "deck" and one digit, then the outline
        EXPECT_EQ(layer.back().colour, 7 - v % 3);
        EXPECT_EQ(layer.back().vertices.size(), 83u * 2 + 1);
    }
    EXPECT_TRUE(ui_.Saw("focus dessin.Cancel"));
}

// Planks file of a hull whose bow half-width is `halfWidthFwd`.
std::vector<testing::DxfPolyline> PlanksFile(double halfWidthFwd, std::int16_t overlapChoice, int definitionStage) {
    Application app;
    app.design = testing::PramBowHull();
    app.design.halfWidthFwd(1) = halfWidthFwd;
    app.design.overlapChoice = overlapChoice;
    dessin board;
    board.definitionStage = static_cast<std::int16_t>(definitionStage);
    testing::RecordingUi ui;
    testing::ScriptedDialogs dialogs;
    // ctest runs the tests as parallel processes: one file name per test.
    const fs::path path = fs::temp_directory_path() /
                          ("bravik-planks-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                           "-" + std::to_string(overlapChoice) + ".dxf");
    dialogs.Answer(path.string());
    dialogs.Answer(std::nullopt);
    fmenu_SD_DXF_Click(app, board, ui, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    auto polylines = ReadPolylines(ReadFile(path));
    fs::remove(path);
    return polylines;
}

TEST_F(ExportCommand, PlanksFileDrawsTheBowPlateOnlyWhenItWasDeveloped) {
    // 0.35 m: developed and drawn ("bow" and its outline); 0.00005 m is
    // below the development threshold, so its table would be stale.
    EXPECT_EQ(OnLayer(PlanksFile(0.35, 1, 1), 15).size(), 4u);
    EXPECT_TRUE(OnLayer(PlanksFile(0.00005, 1, 1), 15).empty());
    EXPECT_TRUE(OnLayer(PlanksFile(0, 1, 1), 15).empty());
}

TEST_F(ExportCommand, PlanksFileWithoutMaterialWritesCoincidingNetAndCutShapes) {
    const auto plain = PlanksFile(0.35, 1, 1);
    const auto lap = PlanksFile(0.35, 2, 1);   // every thickness and lap width is 0
    for (int k = 0; k <= 4; ++k) {
        const auto plainLayer = OnLayer(plain, k + 1), lapLayer = OnLayer(lap, k + 1);
        ASSERT_EQ(lapLayer.size(), plainLayer.size() + 1) << "plank " << k;
        const auto& net = lapLayer[lapLayer.size() - 2];
        const auto& cut = lapLayer.back();
        EXPECT_EQ(plainLayer.back().colour, 7 - k % 3);
        EXPECT_EQ(net.colour, 5);
        EXPECT_EQ(cut.colour, 1);
        ASSERT_EQ(net.vertices.size(), cut.vertices.size());
        for (std::size_t i = 0; i < net.vertices.size(); ++i) {
            EXPECT_EQ(net.vertices[i].x, cut.vertices[i].x);
            EXPECT_EQ(net.vertices[i].y, cut.vertices[i].y);
        }
    }
}

TEST_F(ExportCommand, PlanksFileWithTheBottomOnly) {
    const auto planks = PlanksFile(0.35, 1, 0);
    EXPECT_EQ(OnLayer(planks, 1).size(), 4u);   // "p00" and the outline
    EXPECT_TRUE(OnLayer(planks, 2).empty());
    EXPECT_EQ(OnLayer(planks, 16).size(), 8u);  // "transom" and the outline
    EXPECT_EQ(OnLayer(planks, 14).size(), 5u);  // "st41" and the section
}

TEST_F(ExportCommand, DevelopmentXyzAsksOneFilePerPanel) {
    HullDesign& d = app_.design;
    ResetToDefaults(d);
    d.midshipIndex = 41;
    d.lastLine = 4;
    d.halfWidthFwd(1) = 0.35;
    testing::ComputeWholeHull(d);
    for (int i = 0; i < 10; ++i) dialogs_.Answer(Path("panel" + std::to_string(i) + ".xyz"));
    fmenu_SD_XYZ_Click(app_, board_, ui_, dialogs_);
    const char* names[] = {"BRAVIK2005_P0.XYZ", "BRAVIK2005_P1.XYZ", "BRAVIK2005_P2.XYZ", "BRAVIK2005_P3.XYZ",
                           "BRAVIK2005_D1.XYZ", "BRAVIK2005_D2.XYZ", "BRAVIK2005_D3.XYZ", "BRAVIK2005_D4.XYZ",
                           "BRAVIK2005_TR.XYZ", "BRAVIK2005_BOW.XYZ"};
    ASSERT_EQ(dialogs_.requests.size(), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(dialogs_.requests[i].fileName, names[i]);
    EXPECT_EQ(dialogs_.requests[0].title, "Bravik2005 - Save developed plank as XYZ file");
    EXPECT_EQ(dialogs_.requests[0].filter, "Plank (*_P*.XYZ)|*.XYZ");
    EXPECT_EQ(dialogs_.requests[4].title, "Bravik2005 - Save developed deck as XYZ file");
    EXPECT_EQ(dialogs_.requests[4].filter, "Deck (*_P*.XYZ)|*.XYZ");
    EXPECT_EQ(dialogs_.requests[8].title, "Bravik2005 - Save Transom as XYZ file");
    EXPECT_EQ(dialogs_.requests[8].filter, "Transom (*_TR.XYZ)|*.XYZ");
    EXPECT_EQ(dialogs_.requests[9].title, "Bravik2005 - Save bow plate as XYZ file");
    EXPECT_EQ(dialogs_.requests[9].filter, "Bow (*_BOW.XYZ)|*.XYZ");
    EXPECT_EQ(FilesInFolder(), 10u);
    // Each file repeats the offered name; the bottom has 84 points per edge.
    const auto bottom = testing::SplitCrLf(ReadFile(Path("panel0.xyz")));
    EXPECT_EQ(bottom[0], "BRAVIK2005_P0.XYZ\t created with Bravik2005");
    EXPECT_EQ(bottom.size(), 4u + 84 + 3 + 84 + 2);
    const auto plank = testing::SplitCrLf(ReadFile(Path("panel1.xyz")));
    EXPECT_EQ(plank[1], "Plank \t1");
    EXPECT_EQ(plank.size(), 4u + 83 + 3 + 83 + 2);
    const auto deck = testing::SplitCrLf(ReadFile(Path("panel4.xyz")));
    EXPECT_EQ(deck.size(), 4u + 1 + 83 + 1 + 2);
    EXPECT_EQ(testing::SplitCrLf(ReadFile(Path("panel9.xyz"))).size(), 4u + 14 + 1 + 2);
    EXPECT_EQ(d.hullName, "BRAVIK2005");
}

TEST_F(ExportCommand, DevelopmentXyzGoesOnAfterACancelOrAFailure) {
    board_.definitionStage = 0;   // bottom only: the bottom and deck 1
    InjectWriteFailureAfter(10);
    dialogs_.Answer(Path("bottom.xyz"));
    dialogs_.Answer(Path("deck.xyz"));
    fmenu_SD_XYZ_Click(app_, board_, ui_, dialogs_);
    InjectWriteFailureAfter(std::nullopt);
    ASSERT_EQ(dialogs_.requests.size(), 2u);
    EXPECT_EQ(dialogs_.requests[1].fileName, "BRAVIK2005_D1.XYZ");
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[0].title, "Bravik2005 - Saving Development Plank_XYZ");
    EXPECT_EQ(dialogs_.messages[1].title, "Bravik2005 - Saving Development Deck_XYZ");
    EXPECT_EQ(FilesInFolder(), 0u);

    dialogs_.requests.clear();
    dialogs_.Answer(std::nullopt);
    dialogs_.Answer(Path("deck.xyz"));
    fmenu_SD_XYZ_Click(app_, board_, ui_, dialogs_);
    EXPECT_EQ(dialogs_.requests.size(), 2u);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ExportCommand, StationDxfWritesTheStationJustDrawn) {
    // Draw station snaps the typed position to the nearest point: 0.45 m
    // from the transom is point 7 of the 6 m hull's 80 intervals.
    RecordingSurface plan1(12000, 8000);
    board_.Connect(app_, ui_, dialogs_, plan1);
    board_.Text1.text = "0,45";
    dialogs_.Answer(Path("station.dxf"));
    fmenu_Station_DXF_Click(app_, board_, ui_, dialogs_);
    EXPECT_EQ(app_.design.stationIndex, 7);
    EXPECT_TRUE(board_.fmenu_Station_DXF.enabled);
    ASSERT_EQ(dialogs_.requests.size(), 1u);
    EXPECT_EQ(dialogs_.requests[0].title, "Bravik2005 - Save current station as DXF file");
    EXPECT_EQ(dialogs_.requests[0].filter, "Station (*.DXF)|*.DXF");
    EXPECT_EQ(dialogs_.requests[0].fileName, "BRAVIK2005_STAT_07.DXF");
    const std::string bytes = ReadFile(Path("station.dxf"));
    EXPECT_TRUE(bytes.starts_with("999\r\nstation  7\r\n"));
    const auto polylines = ReadPolylines(bytes);
    ASSERT_EQ(polylines.size(), 5u);   // "st07" and the section
    EXPECT_EQ(polylines.back().layer, 14);
    EXPECT_EQ(polylines.back().colour, 6);
    for (const auto& v : polylines.back().vertices) EXPECT_NEAR(v.z, app_.design.sectionX(7, 0), 1e-4);

    InjectWriteFailureAfter(0);
    dialogs_.Answer(Path("station.dxf"));
    WriteStationDxf(app_, ui_, dialogs_, 41);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].title, "Bravik2005 - Saving current station DXF");
    EXPECT_EQ(ReadFile(Path("station.dxf")), bytes);
}

}  // namespace
}  // namespace bravik
