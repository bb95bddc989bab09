#include "export/lines_xyz.h"

#include <string>

#include "export/export_command.h"
#include "export/number_pattern.h"

namespace bravik {

namespace {

std::string Row(double x, double y, double z) {
    constexpr const char* kPattern = " +0.##0 ; -0.##0 ";
    return FormatLocaleNumber(x, kPattern) + "\t" + FormatLocaleNumber(y, kPattern) + "\t" +
           FormatLocaleNumber(z, kPattern);
}

constexpr const char* kColumnTitles = "     X \t     Y \t     Z";

}  // namespace

void WriteLinesXyz(const HullDesign& d, std::int16_t language, TextFileWriter& out) {
    const bool french = language == kFrench;
    const int last = d.lastLine, top = last + 9;
    out.Line(d.hullName + "\t created with " + kProgramName);
    for (int k = 0; k <= last; ++k) {
        if (k == 0)
            out.Line(french ? "LIGNE \t Quille" : "LINE \t Keel");
        else
            out.Line(std::string(french ? "LIGNE \t Bouchain" : "LINE \t Chine") + FormatNumber(k, kSignedWholePattern));
        out.Line(kColumnTitles);
        for (int i = 0; i <= kBowPoint; ++i) out.Line(Row(d.X(k, i), d.Y(k, i), d.Z(k, i)));
        out.Line("");
    }
    auto section = [&](int j, const std::string& title) {
        out.Line(title);
        out.Line(kColumnTitles);
        for (int s = top; s >= 0; --s) out.Line(Row(d.sectionX(j, s), d.sectionY(j, s), d.sectionZ(j, s)));
        out.Line(french ? "QUILLE" : "KEEL");
        for (int s = 0; s <= top; ++s) out.Line(Row(d.sectionX(j, s), -d.sectionY(j, s), d.sectionZ(j, s)));
        out.Line("");
    };
    section(0, french ? "TABLEAU" : "TRANSOM");
    for (int j = 1; j <= 81; j += 4) section(j, std::string(french ? "COUPLE\t" : "STATION\t") + FormatNumber(j, kSignedWholePattern) + " ");
    section(kBowPoint, french ? "ETRAVE" : "STEM");
    out.Line("EOF");
}

void fmenu_S_XYZ_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs) {
    HullDesign& d = app.design;
    const auto choice = AskExportFile(ui, dialogs, {"", "Lines (*.XYZ)|*.XYZ", "Bravik2000", d.hullName + ".XYZ"});
    if (!choice) return;
    d.hullName = HullNameFromFileTitle(choice->fileTitle);
    board.Text2.text = d.hullName;
    WriteExportFile(ui, dialogs, choice->path, " - Saving Hull XYZ",
                    [&](TextFileWriter& out) { WriteLinesXyz(d, app.Language, out); });
}

}  // namespace bravik
