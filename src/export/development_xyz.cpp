#include "export/development_xyz.h"

#include "export/developed_panel.h"
#include "export/export_command.h"
#include "export/number_pattern.h"
#include "geometry/panel_development.h"
#include "geometry/plate_development.h"

namespace bravik {

namespace {

constexpr const char* kPointPattern = " 00 ";
constexpr const char* kPanelPattern = " 0.##0 ";
constexpr const char* kPlatePattern = " 0.000 ";
constexpr const char* kPanelColumns = "point \t    X \t    Y ";

std::string Row(const std::string& point, double a, double b, const char* pattern) {
    return point + "\t" + FormatLocaleNumber(a, pattern) + "\t" + FormatLocaleNumber(b, pattern);
}

std::string Row(int point, double a, double b, const char* pattern) {
    return Row(FormatNumber(point, kPointPattern), a, b, pattern);
}

void FirstLine(TextFileWriter& out, const std::string& offeredName) {
    out.Line(offeredName + "\t created with " + kProgramName);
}

using PlateTable = decltype(HullDesign::transomDev);

void PlateFile(const HullDesign& d, const PlateTable& dev, const std::string& offeredName, const char* title,
               const char* columns, const char* end, TextFileWriter& out) {
    const int top = d.lastLine + 9;
    FirstLine(out, offeredName);
    out.Line(title);
    out.Line("");
    out.Line(columns);
    for (int k = 0; k <= top; ++k) out.Line(Row(k, dev(2, k), dev(1, k), kPlatePattern));
    out.Line(Row(" CL ", dev(2, 0), dev(1, top), kPlatePattern));
    out.Line("");
    out.Line(end);
}

FileDialogRequest Request(const char* title, const char* filter, const std::string& name) {
    return {std::string(kProgramName) + title, filter, "", name};
}

}  // namespace

void WritePlankXyzFile(const HullDesign& d, int k, int lastPoint, const std::string& offeredName,
                       TextFileWriter& out) {
    const bool bottom = k == 0;
    FirstLine(out, offeredName);
    out.Line(bottom ? std::string("Bottom plank \t0") : "Plank \t" + FormatNumber(k, "0"));
    out.Line(bottom ? "keel edge from transom to stem" : "Lower edge from transom to stem");
    out.Line(kPanelColumns);
    for (int i = 0; i <= lastPoint; ++i) out.Line(Row(i, d.devLowerX(i), d.devLowerY(i), kPanelPattern));
    out.Line("");
    out.Line(bottom ? "outer edge from transom to stem" : "Upper edge from transom to stem");
    out.Line(kPanelColumns);
    for (int i = 0; i <= lastPoint; ++i) out.Line(Row(i, d.devUpperX(i), d.devUpperY(i), kPanelPattern));
    out.Line("");
    out.Line("EOF");
}

void WriteDeckXyzFile(const HullDesign& d, int v, const std::string& offeredName, TextFileWriter& out) {
    FirstLine(out, offeredName);
    out.Line("Half Deck \t" + FormatNumber(v, "0"));
    out.Line("Outer edge from transom to stem");
    out.Line(kPanelColumns);
    // The outer edge between two points on the centre line.
    out.Line(Row(" CL ", d.devUpperX(0), 0, kPanelPattern));
    for (int i = 0; i <= kBowPoint; ++i) out.Line(Row(i, d.devUpperX(i), d.devUpperY(i), kPanelPattern));
    out.Line(Row(" CL ", d.devUpperX(kBowPoint), 0, kPanelPattern));
    out.Line("");
    out.Line("EOF");
}

void WriteTransomXyzFile(const HullDesign& d, const std::string& offeredName, TextFileWriter& out) {
    PlateFile(d, d.transomDev, offeredName, "Half transom development ", "point \t   Y \t    Z ", "EOF ", out);
}

void WriteBowPlateXyzFile(const HullDesign& d, const std::string& offeredName, TextFileWriter& out) {
    PlateFile(d, d.bowPlateDev, offeredName, "Half bow plate development ", "point \t    Y \t    Z ", "EOF", out);
}

void WritePlankXyz(Application& app, Ui& ui, Dialogs& dialogs, int k) {
    HullDesign& d = app.design;
    const std::string name = ExportFileBase(d.hullName) + "_P" + FormatNumber(k, "0") + ".XYZ";
    if (SaveExportFile(ui, dialogs, Request(" - Save developed plank as XYZ file", "Plank (*_P*.XYZ)|*.XYZ", name),
                       " - Saving Development Plank_XYZ", [&](TextFileWriter& out) {
                           const int lastPoint = DevelopPanel(d, k);
                           WritePlankXyzFile(d, k, lastPoint, name, out);
                       }))
        ui.SetFocus("dessin", "Cancel");
}

void WriteDeckXyz(Application& app, Ui& ui, Dialogs& dialogs, int v) {
    HullDesign& d = app.design;
    const std::string name = ExportFileBase(d.hullName) + "_D" + FormatNumber(v, "0") + ".XYZ";
    if (SaveExportFile(ui, dialogs, Request(" - Save developed deck as XYZ file", "Deck (*_P*.XYZ)|*.XYZ", name),
                       " - Saving Development Deck_XYZ", [&](TextFileWriter& out) {
                           DevelopDeck(d, 80, v, d.X, d.Y, d.Z);
                           WriteDeckXyzFile(d, v, name, out);
                       }))
        ui.SetFocus("dessin", "Cancel");
}

void WriteTransomXyz(Application& app, Ui& ui, Dialogs& dialogs) {
    const HullDesign& d = app.design;
    const std::string name = ExportFileBase(d.hullName) + "_TR.XYZ";
    SaveExportFile(ui, dialogs, Request(" - Save Transom as XYZ file", "Transom (*_TR.XYZ)|*.XYZ", name),
                   " - Saving transom XYZ", [&](TextFileWriter& out) { WriteTransomXyzFile(d, name, out); });
}

void WriteBowPlateXyz(Application& app, Ui& ui, Dialogs& dialogs) {
    const HullDesign& d = app.design;
    const std::string name = ExportFileBase(d.hullName) + "_BOW.XYZ";
    SaveExportFile(ui, dialogs, Request(" - Save bow plate as XYZ file", "Bow (*_BOW.XYZ)|*.XYZ", name),
                   " - Saving bow XYZ", [&](TextFileWriter& out) { WriteBowPlateXyzFile(d, name, out); });
}

void fmenu_SD_XYZ_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs) {
    // Each panel's writer shows the hourglass while it works and restores the
    // pointer before any message, so none is held over the whole sequence.
    HullDesign& d = app.design;
    WritePlankXyz(app, ui, dialogs, 0);
    if (board.definitionStage != 0) {
        for (int k = 1; k <= d.lastLine - 1; ++k) WritePlankXyz(app, ui, dialogs, k);
        for (int v = 1; v <= d.lastLine; ++v) WriteDeckXyz(app, ui, dialogs, v);
        DevelopTransom(d);
        WriteTransomXyz(app, ui, dialogs);
        if (EndsOnBowPlate(d)) {
            DevelopBowPlate(d);
            WriteBowPlateXyz(app, ui, dialogs);
        }
    } else {
        WriteDeckXyz(app, ui, dialogs, 1);
    }
}

}  // namespace bravik
