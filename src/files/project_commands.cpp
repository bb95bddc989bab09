#include "files/project_commands.h"

#include <exception>
#include <memory>
#include <string>
#include <utility>

#include "files/data_file_names.h"
#include "files/opened_design_lines.h"
#include "files/project_file_layout.h"
#include "files/project_file_reader.h"
#include "files/project_file_writer.h"

namespace bravik {

namespace {

std::string Titled(const char* words) { return std::string(kProductName) + words; }

// The entries that need lines or a station the drawing board has not drawn yet.
void DisableLineOutputs(dessin& board) {
    for (Control* entry : {&board.fmenu_P_Tout, &board.fmenu_P_Develop, &board.fmenu_S_XYZ,
                           &board.fmenu_S_DXF2D, &board.fmenu_S_DXF3D, &board.fmenu_Station_DXF,
                           &board.fmenu_S_VRML})
        entry->enabled = false;
}

// The drawing surface is cleared: the old drawing no longer matches the design.
void ClearPlan(dessin& board) {
    if (board.Plan1) board.Plan1->Clear();
}

// While a file is read and its lines computed the pointer turns through the
// four sizing arrows, one step per block or line, as a sign of progress.
class PointerCycle {
public:
    explicit PointerCycle(Ui& ui) : ui_(ui) {}
    void Step() {
        static constexpr MousePointer kShapes[] = {MousePointer::SizeNESW, MousePointer::SizeNS,
                                                   MousePointer::SizeNWSE, MousePointer::SizeWE};
        ui_.SetMousePointer(kShapes[next_]);
        next_ = (next_ + 1) % 4;
    }

private:
    Ui& ui_;
    int next_ = 0;
};

}  // namespace

void fmenu_New_Click(Application& app, dessin& board, Ui&, Dialogs&) {
    HullDesign& d = app.design;
    for (int k = 0; k <= 3; ++k) {
        for (LineArray* field : {&d.lineLength, &d.halfWidthFwd, &d.heightFwd, &d.maxBeamX,
                                 &d.halfMaxBeam, &d.sternX, &d.halfWidthAft, &d.heightAft})
            (*field)(k) = 0;
    }
    for (LineTable* table : {&d.X, &d.Y, &d.Z}) table->Fill(0);
    d.bottomLineX.Fill(0);
    d.bottomLineY.Fill(0);
    d.bottomLineZ.Fill(0);
    ResetToDefaults(d);
    d.hullName = "Bravik";
    board.Text2.text = d.hullName;
    board.caption = Titled(app.Text(" -  Nouvelle carène", " -  New hull"));

    ClearPlan(board);
    DisableLineOutputs(board);
    board.Command1[0].enabled = true;
    board.Command1[1].enabled = false;
    board.dessine.enabled = false;
    board.Command1_Click(0);   // the bottom screen opens over the board
}

void fmenu_Open_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs) {
    const auto choice = dialogs.ShowOpen(
        {kProductName, "Data Bravik2000|*.D50|Old Data (*.D51)|*.D51", "bravik", "Bravik.D50"});
    if (!choice) return;

    const std::string hullName = NameBeforeExtension(choice->fileTitle);
    try {
        const std::string bytes = ReadProjectFileBytes(choice->path);
        // Read into a copy and take it over only when the whole file gave a
        // hull, so that a damaged file leaves the design as it was. Fields
        // the file does not hold keep their values from the copy.
        auto opened = std::make_unique<HullDesign>(app.design);
        PointerCycle progress(ui);
        ReadProjectFile(bytes, IsOldLayoutPath(choice->path), *opened, [&] { progress.Step(); });
        RecomputeOpenedLines(*opened, [&] { progress.Step(); });
        opened->hullName = hullName;
        app.design = std::move(*opened);
    } catch (const std::exception& e) {
        ui.SetMousePointer(MousePointer::Default);
        dialogs.MessageBox(e.what(), Titled(" Opening file"));
        return;
    }

    board.Text2.text = hullName;
    board.caption = Titled(app.Text(" - Fichier Ouvert : ", " - File Open : ")) + hullName;
    ClearPlan(board);
    board.Command1[0].enabled = true;
    board.Command1[1].enabled = false;
    board.Command1[2].enabled = false;
    board.DessCouple.enabled = false;
    board.Developer.enabled = false;
    board.definitionStage = 0;

    ui.SetMousePointer(MousePointer::Default);
    board.dessine.enabled = true;
    for (Control* entry : {&board.fmenu_P_Tout, &board.fmenu_P_Develop, &board.fmenu_S_XYZ,
                           &board.fmenu_S_DXF2D, &board.fmenu_S_DXF3D})
        entry->enabled = true;
    board.fmenu_Station_DXF.enabled = false;
    board.Command1_Click(0);   // the bottom screen opens over the board
}

void fmenu_S_Data_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs) {
    HullDesign& d = app.design;
    const auto choice = dialogs.ShowSave(
        {kProductName, "Data Bravik2000|*.D50|All files|*.*", "Bravik2000", d.hullName + ".D50"});
    if (!choice) return;

    const std::string path = DataFilePath(choice->path);
    // The file carries the new hull name; the record keeps it only once the
    // file is written, so a failed save changes nothing.
    std::string previousName = std::exchange(d.hullName, NameBeforeExtension(choice->fileTitle));
    try {
        WriteProjectFile(path, d);
    } catch (const std::exception& e) {
        d.hullName = std::move(previousName);
        ui.SetMousePointer(MousePointer::Default);
        dialogs.MessageBox(e.what(), Titled(" Saving Data"));
        return;
    }

    board.caption = Titled(app.Text(" -  Données sauvegardées ", " -  Data saved  "));
    board.Text2.text = d.hullName;
    dialogs.MessageBox(path, Titled(" - Data saved "));
    ui.SetFocus("dessin", "Cancel");
}

}  // namespace bravik
