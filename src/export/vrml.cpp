#include "export/vrml.h"

#include <string>

#include "export/dxf_writer.h"
#include "export/export_command.h"

namespace bravik {

namespace {

constexpr const char* kIndent = "            ";   // 12 spaces before face and point rows

std::string Numbers(double a, double b, double c) { return FormatDxfNumber(a) + FormatDxfNumber(b) + FormatDxfNumber(c); }

std::string Index(int i) { return " " + std::to_string(i); }

void Viewpoint(TextFileWriter& out, const std::string& opening, const char* positionPrefix, const std::string& position,
               const char* name) {
    if (positionPrefix == nullptr) {
        out.Line(opening + position);
    } else {
        out.Line(opening);
        out.Line(positionPrefix + position);
    }
    out.Line(std::string(16, ' ') + "description \"" + name + "\" ");
    out.Line("    } ");
}

const char* Material(int k) {
    switch (k) {
        case 0: return "          material Material { diffuseColor  1 0 0 } ";
        case 1: return "          material Material { diffuseColor  0 1 0 } ";
        case 2: return "          material Material { diffuseColor  0 0 1 } ";
        default: return "          material Material { diffuseColor  .9 .9 .7 } ";
    }
}

// Plank k between lines k and k + 1: points 2d and 2d + 1 on the +Y side from
// transom to bow, then the -Y side from bow back to transom (166..331);
// triangle pairs along the strip, the pair at c = 164 across the bow end, and
// one quadrilateral across the transom end.
void Plank(const HullDesign& d, int k, TextFileWriter& out) {
    out.Line("      Shape { # hull ");
    out.Line("        geometry IndexedFaceSet { ");
    out.Line("          coordIndex [ ");
    for (int c = 0; c <= 328; c += 2) {
        out.Line(kIndent + Index(c) + "," + Index(c + 1) + "," + Index(c + 2) + ", -1, ");
        out.Line(kIndent + Index(c + 1) + "," + Index(c + 3) + "," + Index(c + 2) + ", -1, ");
    }
    out.Line(kIndent + Index(330) + "," + Index(331) + "," + " 1, 0 ] ");
    out.Line("          coord Coordinate { ");
    out.Line("            point [ ");
    for (int i = 0; i <= kBowPoint; ++i)
        for (int line : {k, k + 1}) out.Line(kIndent + Numbers(d.X(line, i), d.Z(line, i), d.Y(line, i)) + ", ");
    for (int i = kBowPoint; i >= 0; --i)
        for (int line : {k, k + 1}) out.Line(kIndent + Numbers(d.X(line, i), d.Z(line, i), -d.Y(line, i)) + ", ");
    out.Line("            ] ");
    out.Line("          } ");
    out.Line("          solid  FALSE ");
    out.Line("          creaseAngle .5 ");
    out.Line("        } ");
    out.Line("        appearance Appearance { ");
    out.Line(Material(k));
    out.Line("        } ");
    out.Line("      }  # end shape hull ");
}

}  // namespace

void WriteVrml(const HullDesign& d, TextFileWriter& out) {
    out.Line("#VRML V2.0 utf8 ");
    out.Line(std::string("# ") + kProgramName);
    out.Line("Transform {   # begin bateau");
    out.Line("  children [ ");
    out.Line("    NavigationInfo { headlight FALSE } ");
    out.Line("    DirectionalLight { direction  -.5 -.5 -1  intensity .5 } ");
    out.Line("    DirectionalLight { direction  .5 -.2  1   intensity .4 } ");
    out.Line("    DirectionalLight { direction  0  1  0   intensity .2 } ");

    // Viewpoints placed from the point of line 3 near the bow.
    const double xr = d.X(3, 80), zr = d.Z(3, 80), z4 = d.Z(4, 80);
    Viewpoint(out, "    Viewpoint { position ", nullptr, Numbers(0.5 * xr, zr, xr), "Side");
    Viewpoint(out, "    Viewpoint { orientation 0 1 0 1.5707 ", "                position ", Numbers(1.6 * xr, zr, 0),
              "Face");
    Viewpoint(out, "    Viewpoint { orientation  1 0 0 -.7 ", "                 position ",
              Numbers(0.5 * xr, 0.8 * xr, 0.8 * xr), "Top");
    Viewpoint(out, "    Viewpoint { orientation 0 1 0 -.6 ", "                position ",
              Numbers(-0.2 * xr, zr, 0.8 * xr), "Quarter");
    Viewpoint(out, "    Viewpoint { orientation -.5 1 0 .5 ", "                position ",
              Numbers(1.1 * xr, 2 * z4, 0.9 * xr), "Isometric");

    out.Line("");
    out.Line("    Transform {  # boat hull ");
    out.Line("    children [ ");
    for (int k = 0; k < d.lastLine; ++k) Plank(d, k, out);
    out.Line("    ] # end children ");
    out.Line("    } # end boat hull ");
    out.Line(" ");
    out.Line("  ]  # end children ");
    out.Line("}    # end transform bateau ");
}

void VRML2(Application& app, Ui& ui, Dialogs& dialogs, const std::string& file) {
    WriteExportFile(ui, dialogs, file, " - Saving Hull VRML2", [&](TextFileWriter& out) { WriteVrml(app.design, out); });
}

void fmenu_S_VRML_Click(Application& app, dessin& /*board*/, Ui& ui, Dialogs& dialogs) {
    HullDesign& d = app.design;
    const auto choice = AskExportFile(ui, dialogs, {"", "VRML (*.WRL)|*.WRL", "Bravik2000", d.hullName + ".WRL"});
    if (!choice) return;
    d.hullName = HullNameFromFileTitle(choice->fileTitle);
    VRML2(app, ui, dialogs, choice->path);
}

}  // namespace bravik
