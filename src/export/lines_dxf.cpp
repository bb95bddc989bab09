#include "export/lines_dxf.h"

#include <algorithm>
#include <cmath>

#include "export/export_command.h"

namespace bravik {

namespace {

constexpr int kLast = kBowPoint;

// Extremes of every point of lines 0..lastLine, each starting from 0 so that
// the box holds the origin, in single precision.
struct Extremes {
    float xMin = 0, xMax = 0, yMax = 0, zMin = 0, zMax = 0;
};

Extremes LineExtremes(const HullDesign& d) {
    Extremes e;
    for (int k = 0; k <= d.lastLine; ++k)
        for (int i = 0; i <= kLast; ++i) {
            const auto x = static_cast<float>(d.X(k, i)), y = static_cast<float>(d.Y(k, i)),
                       z = static_cast<float>(d.Z(k, i));
            e.xMin = std::min(e.xMin, x);
            e.xMax = std::max(e.xMax, x);
            e.yMax = std::max(e.yMax, y);
            e.zMin = std::min(e.zMin, z);
            e.zMax = std::max(e.zMax, z);
        }
    return e;
}

// The next whole metre beyond an extreme (5.2 -> 6, 5 -> 6), and its mirror
// for the extremes below zero (-0.3 -> -1, 0 -> -1).
double WidenUp(float v) { return std::floor((v * 10.0f + 5.0f) / 10.0f + 0.5f); }
double WidenDown(float v) { return -WidenUp(-v); }

void Segment(DxfWriter& dxf, std::int16_t layer, std::int16_t colour, double x1, double y1, double x2,
             double y2) {
    dxf.BeginPolyline(layer, colour);
    dxf.WriteVertex(layer, colour, x1, y1, 0);
    dxf.WriteVertex(layer, colour, x2, y2, 0);
    dxf.EndPolyline();
}

// Both sides of a section at the body-view centreline a and height offset b,
// from the sheer down to the keel on the -Y side and back up on the +Y side.
void SectionBothSides(const HullDesign& d, DxfWriter& dxf, std::int16_t layer, std::int16_t colour, int j,
                      double a, double b) {
    const int top = d.lastLine + 9;
    for (int s = top; s >= 0; --s) dxf.WriteVertex(layer, colour, a - d.sectionY(j, s), b + d.sectionZ(j, s), 0);
    for (int s = 1; s <= top; ++s) dxf.WriteVertex(layer, colour, a + d.sectionY(j, s), b + d.sectionZ(j, s), 0);
}

void Section3d(const HullDesign& d, DxfWriter& dxf, std::int16_t layer, std::int16_t colour, int j) {
    const int top = d.lastLine + 9;
    dxf.BeginPolyline(layer, colour);
    for (int s = top; s >= 0; --s) dxf.WriteVertex(layer, colour, d.sectionX(j, s), -d.sectionY(j, s), d.sectionZ(j, s));
    for (int s = 1; s <= top; ++s) dxf.WriteVertex(layer, colour, d.sectionX(j, s), d.sectionY(j, s), d.sectionZ(j, s));
    dxf.EndPolyline();
}

void WriteLinesFile(const HullDesign& d, TextFileWriter& out, const char* title,
                    void (*entities)(const HullDesign&, DxfWriter&)) {
    DxfWriter dxf(out);
    dxf.WriteComment(title + d.hullName);
    dxf.BeginEntities();
    entities(d, dxf);
    dxf.EndSection();
    dxf.EndFile();
}

void SaveLinesDxf(Application& app, dessin& board, Ui& ui, Dialogs& dialogs, const char* dialogTitle,
                  const char* failureTitle, void (*writeFile)(const HullDesign&, TextFileWriter&)) {
    HullDesign& d = app.design;
    const auto choice = AskExportFile(
        ui, dialogs, {std::string(kProgramName) + dialogTitle, "Lines (*.DXF)|*.DXF", "", d.hullName + ".DXF"});
    if (!choice) return;
    d.hullName = HullNameFromFileTitle(choice->fileTitle);
    board.Text2.text = d.hullName;
    if (WriteExportFile(ui, dialogs, choice->path, failureTitle, [&](TextFileWriter& out) { writeFile(d, out); }))
        ui.SetFocus("dessin", "Cancel");
}

}  // namespace

void WriteLines2dEntities(const HullDesign& d, DxfWriter& dxf) {
    const int last = d.lastLine;
    const Extremes e = LineExtremes(d);
    const double xMax = WidenUp(e.xMax), yMax = WidenUp(e.yMax), zMax = WidenUp(e.zMax);
    const double xMin = WidenDown(e.xMin), zMin = WidenDown(e.zMin);
    const double a = 2 * yMax + xMax;   // body view centreline
    const double b = 2 * yMax + zMin;   // height of the profile and body views' base line

    // Plan view: each line closed around both sides.
    for (int k = 0; k <= last; ++k) {
        dxf.BeginPolyline(1, 7);
        dxf.WriteVertex(1, 7, d.X(k, 0), 0, 0);
        for (int i = 0; i <= kLast; ++i) dxf.WriteVertex(1, 7, d.X(k, i), -d.Y(k, i), 0);
        if (d.Y(k, kLast) < 0) dxf.WriteVertex(1, 7, d.X(k, kLast), 0, 0);
        for (int i = kLast; i >= 0; --i) dxf.WriteVertex(1, 7, d.X(k, i), d.Y(k, i), 0);
        dxf.WriteVertex(1, 7, d.X(k, 0), 0, 0);
        dxf.EndPolyline();
    }
    for (int i : {0, kLast}) {   // transom end, then bow end
        dxf.BeginPolyline(1, 7);
        for (int k = last; k >= 0; --k) dxf.WriteVertex(1, 7, d.X(k, i), -d.Y(k, i), 0);
        for (int k = 0; k <= last; ++k) dxf.WriteVertex(1, 7, d.X(k, i), d.Y(k, i), 0);
        dxf.EndPolyline();
    }
    for (int i = 9; i <= 81; i += 8) Segment(dxf, 4, 5, d.X(last, i), -d.Y(last, i), d.X(last, i), d.Y(last, i));

    // Profile view: each line joined at both ends to the line below it.
    for (int k = 0; k <= last; ++k) {
        dxf.BeginPolyline(2, 7);
        if (k > 0) dxf.WriteVertex(2, 7, d.X(k - 1, 0), b + d.Z(k - 1, 0), 0);
        for (int i = 0; i <= kLast; ++i) dxf.WriteVertex(2, 7, d.X(k, i), b + d.Z(k, i), 0);
        if (k > 0) dxf.WriteVertex(2, 7, d.X(k - 1, kLast), b + d.Z(k - 1, kLast), 0);
        dxf.EndPolyline();
    }
    for (int i = 9; i <= 81; i += 8) Segment(dxf, 4, 5, d.X(0, i), b + d.Z(0, i), d.X(0, i), b + d.Z(last, i));

    // Body view: the end sections closed across the top, the lines, the stations.
    const int top = last + 9;
    for (int j : {0, kLast}) {
        dxf.BeginPolyline(3, 7);
        dxf.WriteVertex(3, 7, a, b + d.sectionZ(j, top), 0);
        SectionBothSides(d, dxf, 3, 7, j, a, b);
        dxf.WriteVertex(3, 7, a, b + d.sectionZ(j, top), 0);
        dxf.EndPolyline();
    }
    for (double side : {1.0, -1.0})
        for (int k = 0; k <= last; ++k) {
            dxf.BeginPolyline(3, 7);
            for (int i = 0; i <= kLast; ++i) dxf.WriteVertex(3, 7, a + side * d.Y(k, i), b + d.Z(k, i), 0);
            dxf.EndPolyline();
        }
    for (int j = 9; j <= 81; j += 8) {
        dxf.BeginPolyline(4, 5);
        SectionBothSides(d, dxf, 4, 5, j, a, b);
        dxf.EndPolyline();
    }

    // Construction lines: centreline, base line, the 45° transfer line between
    // plan and body views, the body centreline and base marks.
    Segment(dxf, 5, 6, xMin, 0, xMax, 0);
    Segment(dxf, 5, 6, xMin, b, xMax, b);
    Segment(dxf, 5, 6, a - yMax, yMax, a + yMax, -yMax);
    Segment(dxf, 5, 6, a, 0, a, b + zMax);
    Segment(dxf, 5, 6, a - 0.8 * yMax, b, a - yMax, b);
    Segment(dxf, 5, 6, a + 0.8 * yMax, b, a + yMax, b);
    Segment(dxf, 5, 6, a, 0, a - yMax, 0);
}

void WriteLines3dEntities(const HullDesign& d, DxfWriter& dxf) {
    const Extremes e = LineExtremes(d);
    dxf.BeginPolyline(1, 7);
    dxf.WriteVertex(1, 7, e.xMin, 0, 0);
    dxf.WriteVertex(1, 7, e.xMax, 0, 0);
    dxf.EndPolyline();
    for (int k = 0; k <= d.lastLine; ++k) {
        const auto colour = static_cast<std::int16_t>(7 - k % 4);   // 7, 6, 5, 4, 7, ...
        dxf.BeginPolyline(1, colour);
        for (int i = 0; i <= kLast; ++i) dxf.WriteVertex(1, colour, d.X(k, i), -d.Y(k, i), d.Z(k, i));
        for (int i = kLast; i >= 0; --i) dxf.WriteVertex(1, colour, d.X(k, i), d.Y(k, i), d.Z(k, i));
        dxf.WriteVertex(1, colour, d.X(k, 0), -d.Y(k, 0), d.Z(k, 0));
        dxf.EndPolyline();
    }
    Section3d(d, dxf, 1, 7, 0);
    for (int j = 1; j <= 81; j += 4) Section3d(d, dxf, 2, 5, j);
    Section3d(d, dxf, 1, 7, kLast);
}

void WriteLines2dDxf(const HullDesign& d, TextFileWriter& out) {
    WriteLinesFile(d, out, "2D lines of ", WriteLines2dEntities);
}

void WriteLines3dDxf(const HullDesign& d, TextFileWriter& out) {
    WriteLinesFile(d, out, "3D lines of ", WriteLines3dEntities);
}

void fmenu_S_DXF2D_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs) {
    SaveLinesDxf(app, board, ui, dialogs, " - Save hull lines as 2D DXF file", " - Saving Hull line 2D DXF",
                 WriteLines2dDxf);
}

void fmenu_S_DXF3D_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs) {
    SaveLinesDxf(app, board, ui, dialogs, " - Save hull lines as 3D DXF file", " - Saving Hull line 3D DXF",
                 WriteLines3dDxf);
}

}  // namespace bravik
