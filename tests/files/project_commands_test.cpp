#include "files/project_commands.h"

#include <gtest/gtest.h>

#include "app/number_text.h"
#include "drawing/recording_surface.h"
#include "files/atomic_file.h"
#include "files_test_support.h"
#include "recording_ui.h"
#include "scripted_dialogs.h"

namespace bravik {
namespace {

using testing::ExpectSameDesign;
using testing::FileNames;
using testing::JoinLines;
using testing::PlankedDesign;
using testing::ReadBytes;
using testing::SplitLines;
using testing::TestFolder;
using testing::WriteBytes;

class ProjectCommands : public ::testing::Test {
protected:
    ProjectCommands() {
        app.Language = kEnglish;
        ResetToDefaults(app.design);
        board.Connect(app, ui, dialogs, plan);
    }
    void TearDown() override { InjectWriteFailureAfter(std::nullopt); }

    void Save(const std::filesystem::path& path) {
        dialogs.Answer(path.string());
        fmenu_S_Data_Click(app, board, ui, dialogs);
    }
    void Open(const std::filesystem::path& path) {
        dialogs.Answer(path.string());
        fmenu_Open_Click(app, board, ui, dialogs);
    }

    Application app;
    dessin board;
    bravik::testing::RecordingUi ui;
    bravik::testing::ScriptedDialogs dialogs;
    RecordingSurface plan{15000, 9000};
    std::filesystem::path folder = TestFolder();
};

TEST_F(ProjectCommands, SaveWritesDataUnderTheChosenNameWithTheD50Extension) {
    app.design.hullName = "BRAVIK2005";
    Save(folder / "boat.txt");

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].filter, "Data Bravik2000|*.D50|All files|*.*");
    EXPECT_EQ(dialogs.requests[0].initialDir, "Bravik2000");
    EXPECT_EQ(dialogs.requests[0].fileName, "BRAVIK2005.D50");

    const auto path = folder / "boat.D50";
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{"boat.D50"});
    EXPECT_EQ(SplitLines(ReadBytes(path))[0], "boat - Bravik2005");
    EXPECT_EQ(app.design.hullName, "boat");
    EXPECT_EQ(board.Text2.text, "boat");
    EXPECT_EQ(board.caption, "Bravik2005 -  Data saved  ");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, path.string());
    EXPECT_EQ(dialogs.messages[0].title, "Bravik2005 - Data saved ");
    EXPECT_TRUE(ui.Saw("focus dessin.Cancel"));

    app.Language = kFrench;
    Save(folder / "two.points.D50");
    EXPECT_TRUE(std::filesystem::exists(folder / "two.D50"));
    EXPECT_EQ(app.design.hullName, "two");
    EXPECT_EQ(board.caption, "Bravik2005 -  Données sauvegardées ");

    // A name that starts with its first point is kept whole, extension included.
    Save(folder / ".hidden.txt");
    EXPECT_TRUE(std::filesystem::exists(folder / ".hidden.txt.D50"));
    EXPECT_EQ(app.design.hullName, ".hidden.txt");
}

TEST_F(ProjectCommands, CancelledDialogsDoNothing) {
    const HullDesign before = app.design;
    for (auto command : {&fmenu_S_Data_Click, &fmenu_Open_Click}) {
        dialogs.Answer(std::nullopt);
        command(app, board, ui, dialogs);
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(FileNames(folder).empty());
    ExpectSameDesign(app.design, before);
    EXPECT_EQ(board.caption, "");
}

TEST_F(ProjectCommands, FailedSaveKeepsTheOldFileTheNameAndTheCaption) {
    const auto path = folder / "boat.D50";
    WriteBytes(path, "earlier data\r\n");
    app.design.hullName = "KEEP";
    board.caption = "before";
    InjectWriteFailureAfter(100);
    Save(folder / "boat.D50");

    EXPECT_EQ(ReadBytes(path), "earlier data\r\n");
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{"boat.D50"});
    EXPECT_EQ(app.design.hullName, "KEEP");
    EXPECT_EQ(board.caption, "before");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "No space left on device");
    EXPECT_EQ(dialogs.messages[0].title, "Bravik2005 Saving Data");
    EXPECT_EQ(ui.pointer, MousePointer::Default);
}

// Every stored value comes back to 15 significant digits and the lines are
// computed again from them.
void ExpectRoundTrip(const HullDesign& saved, const HullDesign& opened) {
    EXPECT_EQ(opened.lastLine, saved.lastLine);
    for (double HullDesign::* field : {&HullDesign::powerFwd, &HullDesign::powerAft,
                                       &HullDesign::sShapeFwd, &HullDesign::sShapeAft,
                                       &HullDesign::stemShape})
        EXPECT_EQ(opened.*field, RoundToDigits(saved.*field));
    EXPECT_EQ(opened.keelAdvanceAngle, saved.keelAdvanceAngle);
    EXPECT_EQ(opened.bowAngle, saved.bowAngle);
    EXPECT_EQ(opened.transomAngle, saved.transomAngle);
    for (int k = 0; k <= saved.lastLine; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(opened.plankAngle(k), saved.plankAngle(k));
        for (auto field : kLineBlockFields) EXPECT_EQ((opened.*field)(k), RoundToDigits((saved.*field)(k)));
        if (k >= 2) {
            EXPECT_EQ(opened.bowTurn(k), saved.bowTurn(k));
            EXPECT_EQ(opened.transomTurn(k), saved.transomTurn(k));
        }
        for (int i = 0; i <= kBowPoint; ++i) {
            EXPECT_NEAR(opened.X(k, i), saved.X(k, i), 1e-12);
            EXPECT_NEAR(opened.Y(k, i), saved.Y(k, i), 1e-12);
            EXPECT_NEAR(opened.Z(k, i), saved.Z(k, i), 1e-12);
        }
    }
    for (int i = 0; i <= 83; ++i)
        for (int r = 0; r <= 1; ++r) EXPECT_NEAR(opened.bottomLineX(r, i), saved.bottomLineX(r, i), 1e-12);
}

TEST_F(ProjectCommands, SaveThenOpenGivesTheDesignBack) {
    for (int lastLine : {5, 21}) {
        SCOPED_TRACE(lastLine);
        const HullDesign saved = PlankedDesign(lastLine);
        app.design = saved;
        Save(folder / "DORY.D50");
        // Open into a record that holds other values everywhere.
        fmenu_New_Click(app, board, ui, dialogs);
        app.design.midshipIndex = 0;
        ui.Clear();
        Open(folder / "DORY.D50");

        ASSERT_EQ(dialogs.messages.size(), 1u) << dialogs.messages.back().text;   // only the save's
        ExpectRoundTrip(saved, app.design);
        EXPECT_EQ(app.design.midshipIndex, 41);
        EXPECT_EQ(app.design.hullName, "DORY");
        dialogs.messages.clear();
    }
    EXPECT_EQ(dialogs.requests.back().filter, "Data Bravik2000|*.D50|Old Data (*.D51)|*.D51");
    EXPECT_EQ(dialogs.requests.back().initialDir, "bravik");
    EXPECT_EQ(dialogs.requests.back().fileName, "Bravik.D50");
}

TEST_F(ProjectCommands, OpenPreparesTheDrawingBoardAndShowsTheBottomScreen) {
    board.definitionStage = 2;
    for (Control* c : {&board.Command1[1], &board.Command1[2], &board.DessCouple, &board.Developer,
                       &board.fmenu_Station_DXF, &board.fmenu_S_VRML})
        c->enabled = true;
    board.Command1[0].enabled = false;
    Open(TEST_DATA_DIR "/files/dory.D50");

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(board.caption, "Bravik2005 - File Open : dory");
    EXPECT_EQ(board.Text2.text, "dory");
    EXPECT_EQ(board.definitionStage, 0);
    EXPECT_TRUE(board.Command1[0].enabled);
    EXPECT_TRUE(board.dessine.enabled);
    for (const Control* c : {&board.Command1[1], &board.Command1[2], &board.DessCouple,
                             &board.Developer, &board.fmenu_Station_DXF, &board.fmenu_S_VRML,
                             &board.fmenu_P_Tout, &board.fmenu_S_DXF2D})
        EXPECT_FALSE(c->enabled);
    EXPECT_EQ(ui.events, std::vector<std::string>{"show-modal bouchain1"});
    EXPECT_EQ(ui.pointer, MousePointer::Default);
    EXPECT_EQ(plan.ClearCount(), 1);

    app.Language = kFrench;
    Open(TEST_DATA_DIR "/files/dory.D51");
    EXPECT_EQ(board.caption, "Bravik2005 - Fichier Ouvert : dory");
    EXPECT_EQ(app.design.sShapeFwd, 0);
}

TEST_F(ProjectCommands, EveryOlderLayoutOpensWithItsLinesComputed) {
    for (const char* name : {"dory.D51", "untitled.D50", "no_ampersand.D50", "no_c.D50",
                             "no_headers.D50", "early_eof.D50", "no_stem.D50"}) {
        SCOPED_TRACE(name);
        ResetToDefaults(app.design);
        Open(std::string(TEST_DATA_DIR "/files/") + name);
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(app.design.midshipIndex, 41);
        EXPECT_DOUBLE_EQ(app.design.X(1, 41), 3.0);
        EXPECT_EQ(app.design.Y(0, 41), 0);
        EXPECT_GT(app.design.Z(3, 41), 0.5);
    }
}

TEST_F(ProjectCommands, HullNameWithACommaSurvivesSaveAndOpen) {
    app.design = PlankedDesign(5);
    Save(folder / "MY,BOAT.D50");
    EXPECT_EQ(SplitLines(ReadBytes(folder / "MY,BOAT.D50"))[0], "MY,BOAT - Bravik2005");
    const HullDesign saved = app.design;
    ResetToDefaults(app.design);
    Open(folder / "MY,BOAT.D50");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(app.design.hullName, "MY,BOAT");
    ExpectRoundTrip(saved, app.design);
}

// A damaged or unusable file leaves the design and the drawing board exactly
// as they were and ends in one message box.
TEST_F(ProjectCommands, FailedOpenLeavesTheDesignUnchanged) {
    const auto dory = SplitLines(ReadBytes(TEST_DATA_DIR "/files/dory.D50"));
    auto with = [&dory](std::size_t index, const std::string& line) {
        auto lines = dory;
        lines[index] = line;
        return JoinLines(lines);
    };
    const std::pair<std::string, const char*> cases[] = {
        {JoinLines({dory.begin(), dory.begin() + 9 + 14}) + "EOF \r\n", "line 1 (the first chine)"},
        {with(1, "&NNNNNRRRC99"), "line count 99"},
        {with(12, "1e400"), "beyond the range of a double"},
        {with(7, "99999"), "angle beyond"},
        {with(9 + 2, "0"), "the hull length is 0"},
        {with(9 + 2, "-6"), "the hull length is -6"},
        {with(9 + 14 + 5, "6"), "the maximum beam (X = 6) is at or beyond the stem (X = 6)"},
        {with(9 + 14 + 5, "7.5"), "at or beyond the stem"},
        {with(9 + 14 + 5, "0"), "the first chine comes out not finite"},   // at the transom
                {"", "do not give a hull"},
    };
    app.design = PlankedDesign(7);
    app.design.hullName = "BEFORE";
    board.caption = "caption";
    board.Text2.text = "BEFORE";
    const HullDesign before = app.design;
    for (const auto& [bytes, message] : cases) {
        SCOPED_TRACE(message);
        WriteBytes(folder / "bad.D50", bytes);
        ui.Clear();
        dialogs.messages.clear();
        Open(folder / "bad.D50");
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(dialogs.messages[0].text.find(message), std::string::npos) << dialogs.messages[0].text;
        EXPECT_EQ(dialogs.messages[0].title, "Bravik2005 Opening file");
        ExpectSameDesign(app.design, before);
        EXPECT_EQ(board.caption, "caption");
        EXPECT_EQ(board.Text2.text, "BEFORE");
        EXPECT_TRUE(ui.events.empty());
        EXPECT_EQ(ui.pointer, MousePointer::Default);
    }
    EXPECT_EQ(plan.ClearCount(), 0);
    dialogs.messages.clear();
    Open(folder / "missing.D50");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "No such file or directory");
    ExpectSameDesign(app.design, before);
}

TEST_F(ProjectCommands, NewReturnsToTheDefaultsAndShowsTheBottomScreen) {
    app.design = PlankedDesign(9);
    board.fmenu_S_VRML.enabled = true;
    board.definitionStage = 1;
    fmenu_New_Click(app, board, ui, dialogs);

    HullDesign defaults;
    ResetToDefaults(defaults);
    EXPECT_EQ(app.design.hullName, "Bravik");
    EXPECT_EQ(app.design.lastLine, 5);
    EXPECT_EQ(app.design.plankAngle(1), 45);
    EXPECT_EQ(app.design.maxBeamX(0), defaults.maxBeamX(0));
    for (int k = 2; k <= 3; ++k) {   // cleared, and given no default
        EXPECT_EQ(app.design.halfWidthFwd(k), 0);
        EXPECT_EQ(app.design.halfMaxBeam(k), 0);
        EXPECT_EQ(app.design.halfWidthAft(k), 0);
        EXPECT_EQ(app.design.maxBeamX(k), 0);
    }
    EXPECT_EQ(app.design.halfWidthFwd(4), PlankedDesign(9).halfWidthFwd(4));   // lines above 3 are kept
    EXPECT_EQ(app.design.X(4, 40), 0);
    EXPECT_EQ(app.design.bottomLineX(1, 60), 0);
    EXPECT_EQ(board.Text2.text, "Bravik");
    EXPECT_EQ(board.caption, "Bravik2005 -  New hull");
    EXPECT_FALSE(board.fmenu_S_VRML.enabled);
    EXPECT_FALSE(board.Command1[1].enabled);
    EXPECT_TRUE(board.Command1[0].enabled);
    EXPECT_TRUE(board.dessine.enabled);   // the bottom screen button enables Redraw
    EXPECT_EQ(board.definitionStage, 0);
    EXPECT_EQ(ui.events, std::vector<std::string>{"show-modal bouchain1"});
    EXPECT_EQ(plan.ClearCount(), 1);
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_TRUE(dialogs.messages.empty());

    app.Language = kFrench;
    fmenu_New_Click(app, board, ui, dialogs);
    EXPECT_EQ(board.caption, "Bravik2005 -  Nouvelle carène");
}

}  // namespace
}  // namespace bravik
