// Writes every kind of DXF file the program makes, through the export
// commands themselves, into the folder given as the only argument; the
// ezdxf check then loads each one with a real DXF reader.

#include <iostream>
#include <string>

#include "default_hull.h"
#include "export/development_dxf.h"
#include "export/lines_dxf.h"
#include "export/station_dxf.h"
#include "recording_ui.h"
#include "scripted_dialogs.h"

using namespace bravik;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_dxf_samples FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    testing::RecordingUi ui;
    testing::ScriptedDialogs dialogs;
    dessin board;
    board.definitionStage = 1;

    Application app;
    app.design = testing::DefaultHull();
    dialogs.Answer(folder + "/lines_2d.dxf");
    fmenu_S_DXF2D_Click(app, board, ui, dialogs);
    dialogs.Answer(folder + "/lines_3d.dxf");
    fmenu_S_DXF3D_Click(app, board, ui, dialogs);
    app.design.overlapChoice = 1;
    dialogs.Answer(folder + "/planks_plain.dxf");
    dialogs.Answer(folder + "/decks.dxf");
    fmenu_SD_DXF_Click(app, board, ui, dialogs);
    dialogs.Answer(folder + "/station_41.dxf");
    WriteStationDxf(app, ui, dialogs, 41);

    // A pram-bow hull built lap strake: 12 mm plates, 20 mm laps.
    app.design = testing::PramBowHull();
    app.design.overlapChoice = 2;
    app.design.transomThickness = app.design.bowPlateThickness = 0.012;
    for (int k = 1; k <= kMaxLine; ++k)
        for (int i = 0; i <= 90; ++i) app.design.lapWidth(k, i) = 0.02;
    dialogs.Answer(folder + "/pram_planks_lap.dxf");
    dialogs.Answer(std::nullopt);
    fmenu_SD_DXF_Click(app, board, ui, dialogs);

    for (const auto& m : dialogs.messages) std::cerr << m.title << ": " << m.text << '\n';
    return dialogs.messages.empty() ? 0 : 1;
}
