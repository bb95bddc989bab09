#include "export/dxf_writer.h"

#include <algorithm>

#include "export/number_pattern.h"

namespace bravik {

std::string FormatDxfNumber(double v) {
    // The pattern puts the minus sign of a negative value in place of the
    // leading space, so every number keeps its width.
    return FormatNumber(v, " 0.0000 ;-0.0000 ");
}

void DxfWriter::WriteComment(std::string_view text) {
    // A line break inside the comment would turn the rest of it into group
    // codes; readers would reject the file.
    std::string line(text);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    out_.Line("999");
    out_.Line(line);
}

void DxfWriter::BeginEntities() {
    out_.Line("  0");
    out_.Line("SECTION");
    out_.Line("  2");
    out_.Line("ENTITIES");
}

void DxfWriter::BeginPolyline(std::int16_t layer, std::int16_t colour) {
    out_.Line("  0");
    out_.Line("POLYLINE");
    out_.Line("  8");
    out_.Line(std::to_string(layer));
    out_.Line(" 62");
    out_.Line("     " + std::to_string(colour));
    out_.Line(" 66");
    out_.Line("      1");   // vertices follow
    out_.Line("  6");
    out_.Line("CONTINUOUS");
    out_.Line(" 70");
    out_.Line("      8");   // 3D polyline
}

void DxfWriter::WriteVertex(std::int16_t layer, std::int16_t /*colour*/, double x, double y, double z) {
    out_.Line("  0");
    out_.Line("VERTEX");
    out_.Line("  8");
    out_.Line(std::to_string(layer));
    out_.Line(" 70");
    out_.Line("     32");   // 3D polyline vertex
    out_.Line(" 10");
    out_.Line(FormatDxfNumber(x));
    out_.Line(" 20");
    out_.Line(FormatDxfNumber(y));
    out_.Line(" 30");
    out_.Line(FormatDxfNumber(z));
}

void DxfWriter::EndPolyline() {
    out_.Line(" 0 ");
    out_.Line("SEQEND");
}

void DxfWriter::EndSection() {
    out_.Line("  0");
    out_.Line("ENDSEC");
}

void DxfWriter::EndFile() {
    out_.Line("  0");
    out_.Line("EOF");
}

}  // namespace bravik
