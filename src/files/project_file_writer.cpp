#include "files/project_file_writer.h"

#include <cstdio>

#include "app/number_text.h"

namespace bravik {

namespace {

// A number as the file holds it: no blank, a point, at most 15 digits.
std::string FileNumber(double x) { return NormaliseNumberText(PlainNumberText(x)); }

char TurnLetter(std::int16_t flag) { return flag == 1 ? 'N' : 'R'; }

}  // namespace

std::string LineEndCode(const HullDesign& d) {
    std::string code = "&";
    for (int k = 2; k <= d.lastLine; ++k) {
        code += TurnLetter(d.bowTurn(k));
        code += TurnLetter(d.transomTurn(k));
    }
    char count[8];
    std::snprintf(count, sizeof count, "C%02d", static_cast<int>(d.lastLine));
    return code + count;
}

TextFileWriter ProjectFileText(const HullDesign& d) {
    TextFileWriter out;
    out.Line(d.hullName + " - " + kProductName);
    out.Line(LineEndCode(d));
    out.Line(FileNumber(d.powerFwd));
    out.Line(FileNumber(d.powerAft));
    out.Line(FileNumber(d.sShapeAft));
    out.Line(FileNumber(d.sShapeFwd));
    out.Line(FileNumber(d.keelAdvanceAngle));
    out.Line(FileNumber(d.bowAngle));
    out.Line(FileNumber(d.transomAngle));
    for (int k = 0; k <= d.lastLine; ++k) {
        // The header keeps the blank of the plain form: "LINE  0".
        out.Line("LINE " + PlainNumberText(k));
        out.Line(FileNumber(d.plankAngle(k)));
        for (auto field : kLineBlockFields) out.Line(FileNumber((d.*field)(k)));
    }
    out.Line(FileNumber(d.stemShape));
    out.Line("EOF ");
    return out;
}

void WriteProjectFile(const std::string& path, const HullDesign& d) {
    ProjectFileText(d).Commit(path);
}

}  // namespace bravik
