#include "export/development_dxf.h"

#include <algorithm>
#include <cmath>

#include "export/developed_panel.h"
#include "export/dxf_writer.h"
#include "export/export_command.h"
#include "export/lap_strake.h"
#include "export/number_pattern.h"
#include "export/plate_dxf.h"
#include "export/stroke_font.h"
#include "geometry/panel_development.h"
#include "geometry/plate_development.h"

namespace bravik {

namespace {

// Running extremes of the coordinates written, before the stacking shift.
struct Extent {
    double xMax = 0, yMax = 0;
};

// One closed outline: edge 1 from transom to bow, edge 2 back, and the first
// point again; shifted up by yOff.
void Outline(DxfWriter& dxf, std::int16_t layer, std::int16_t colour, const PanelOutline& o, double yOff,
             Extent& extent) {
    auto vertex = [&](Point2 p) {
        extent.xMax = std::max(extent.xMax, p.x);
        extent.yMax = std::max(extent.yMax, p.y);
        dxf.WriteVertex(layer, colour, p.x, yOff + p.y, 0);
    };
    dxf.BeginPolyline(layer, colour);
    for (const Point2& p : o.edge1) vertex(p);
    for (auto p = o.edge2.rbegin(); p != o.edge2.rend(); ++p) vertex(*p);
    vertex(o.edge1.front());
    dxf.EndPolyline();
}

void Mark(DxfWriter& dxf, std::int16_t colour, Point2 p, double yOff, double inward) {
    dxf.BeginPolyline(13, colour);
    dxf.WriteVertex(13, colour, p.x - 0.005, yOff + p.y + 0.005 * inward, 0);
    dxf.WriteVertex(13, colour, p.x, yOff + p.y, 0);
    dxf.WriteVertex(13, colour, p.x, yOff + p.y + 0.01 * inward, 0);
    dxf.EndPolyline();
}

}  // namespace

void WritePlanksDxfFile(HullDesign& d, int lastPlank, bool lapStrake, TextFileWriter& out) {
    DxfWriter dxf(out);
    dxf.WriteComment(d.hullName + " - Planks  - development created with " + kProgramName);
    dxf.BeginEntities();
    const double h = LabelHeight(d);
    const int m = d.midshipIndex;
    double yOff = 0;
    Extent extent;   // xMax is kept over all planks, yMax is the current plank's
    for (int k = 0; k <= lastPlank; ++k) {
        const int n = DevelopPanel(d, k);
        extent.yMax = 0;
        const PanelOutline net = DevelopedOutline(d, n);
        const auto layer = static_cast<std::int16_t>(k + 1);
        const auto colour = static_cast<std::int16_t>(7 - k % 3);
        StrokeFont(dxf, "p" + FormatNumber(k, "00"), h, d.devLowerX(42), yOff + d.devLowerY(42) + h / 2,
                   LabelAngle(d), layer, 7);
        if (lapStrake) {
            const PanelOutline cut = LapStrakeCutShape(d, k, net);
            Outline(dxf, layer, 5, net, yOff, extent);
            Outline(dxf, layer, 1, cut, yOff, extent);
        } else {
            Outline(dxf, layer, colour, net, yOff, extent);
        }

        // Midship station line across the plank, then station marks pointing
        // into the panel every fourth point.
        dxf.BeginPolyline(13, colour);
        dxf.WriteVertex(13, colour, net.edge1[m].x, yOff + net.edge1[m].y, 0);
        dxf.WriteVertex(13, colour, net.edge2[m].x, yOff + net.edge2[m].y, 0);
        dxf.EndPolyline();
        if (k == 0) {
            for (int j = 1; j <= 81; j += 4) Mark(dxf, colour, net.edge1[j], yOff, 1);
            for (int j = 1; j <= 81 && j <= m - 1; j += 4) Mark(dxf, colour, net.edge2[j], yOff, -1);
        } else {
            for (int j = 1; j <= 81; j += 4) {
                Mark(dxf, colour, net.edge1[j], yOff, 1);
                Mark(dxf, colour, net.edge2[j], yOff, -1);
            }
        }
        yOff += 1.05 * extent.yMax + 0.05 * extent.xMax;
    }

    // The transom, the midship station and the bow plate stand to the right
    // of the planks, clear of the widest half-breadth.
    double widest = 0;
    for (int j = 1; j <= d.lastLine; ++j) widest = std::max(widest, d.Y(j, m));
    const double xOff = 1.1 * extent.xMax + widest;
    TableauDXF(d, dxf, 16, 7, xOff, 0);
    double yPos = 0.04 * xOff + d.transomDev(1, d.lastLine + 9) + std::fabs(d.Z(0, m));
    StationDXF(d, dxf, 14, 6, m, xOff, yPos);
    yPos += d.Z(4, m) - d.Z(0, m) + 0.04 * xOff;
    // Only a plate that was developed is drawn: a tiny half-width below the
    // development threshold would otherwise draw a stale table.
    if (EndsOnBowPlate(d)) MarotteDXF(d, dxf, 15, 5, xOff, yPos);
    dxf.EndSection();
    dxf.EndFile();
}

void WriteDecksDxfFile(HullDesign& d, int lastDeck, TextFileWriter& out) {
    DxfWriter dxf(out);
    dxf.WriteComment(d.hullName + " - Decks  - development created with " + kProgramName);
    dxf.BeginEntities();
    const double h = d.lineLength(1) / 100 + 0.002;
    double yOff = 0;
    for (int v = 1; v <= lastDeck; ++v) {
        DevelopDeck(d, 80, v, d.X, d.Y, d.Z);
        Extent extent;
        const auto layer = static_cast<std::int16_t>(v);
        StrokeFont(dxf, "deck" + FormatNumber(v, kSignedWholePattern), h, d.devLowerX(42), yOff + d.devLowerY(42) + h, LabelAngle(d),
                   layer, 7);
        Outline(dxf, layer, static_cast<std::int16_t>(7 - v % 3), DevelopedOutline(d, 82), yOff, extent);
        yOff += 1.05 * extent.yMax + 0.05 * extent.xMax;
    }
    dxf.EndSection();
    dxf.EndFile();
}

void WritePlanksDxf(Application& app, Ui& ui, Dialogs& dialogs, int lastPlank, bool lapStrake) {
    HullDesign& d = app.design;
    if (SaveExportFile(ui, dialogs,
                       {std::string(kProgramName) + " - Save developed plank as DXF file", "Plank (*_PLANK.DXF)|*.DXF",
                        "", ExportFileBase(d.hullName) + "_PLANK.DXF"},
                       " - Saving plank development DXF",
                       [&](TextFileWriter& out) { WritePlanksDxfFile(d, lastPlank, lapStrake, out); }))
        ui.SetFocus("dessin", "Cancel");
}

void WriteDecksDxf(Application& app, Ui& ui, Dialogs& dialogs, int lastDeck) {
    HullDesign& d = app.design;
    if (SaveExportFile(ui, dialogs,
                       {std::string(kProgramName) + " - Save developed plank as DXF file", "Plank (*_DECK.DXF)|*.DXF",
                        "", ExportFileBase(d.hullName) + "_DECK.DXF"},
                       " - Saving deck development DXF",
                       [&](TextFileWriter& out) { WriteDecksDxfFile(d, lastDeck, out); }))
        ui.SetFocus("dessin", "Cancel");
}

void fmenu_SD_DXF_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs) {
    HullDesign& d = app.design;
    ui.Show("overlap1", true);
    if (d.overlapChoice == 0) return;
    const bool lapStrake = d.overlapChoice == 2;
    if (board.definitionStage != 0) {
        DevelopTransom(d);
        if (EndsOnBowPlate(d)) DevelopBowPlate(d);
        WritePlanksDxf(app, ui, dialogs, d.lastLine - 1, lapStrake);
        WriteDecksDxf(app, ui, dialogs, d.lastLine);
    } else {
        WritePlanksDxf(app, ui, dialogs, 0, lapStrake);
        WriteDecksDxf(app, ui, dialogs, 1);
    }
}

}  // namespace bravik
