#pragma once
// The DXF output primitives every DXF file of the program is made of: a
// minimal ASCII DXF with an optional comment and one ENTITIES section holding
// nothing but 3D POLYLINE entities of VERTEX entities closed by SEQEND. No
// HEADER, TABLES or BLOCKS: layers are numbers that are not declared, and
// every polyline carries its own colour and the CONTINUOUS linetype.
//
// The writer appends lines to a TextFileWriter; the export command that owns
// the file commits it once the whole drawing is written.

#include <cstdint>
#include <string>
#include <string_view>

#include "files/atomic_file.h"

namespace bravik {

// A coordinate as the DXF and VRML files write it: at least one integer digit,
// four decimals, a point whatever the locale, a trailing space, and a leading
// space for zero and positive values so that v and -v have the same width
// (1.5 -> " 1.5000 ", -0.25 -> "-0.2500 ", -0.00001 -> "-0.0000 ").
std::string FormatDxfNumber(double v);

class DxfWriter {
public:
    explicit DxfWriter(TextFileWriter& out) : out_(out) {}

    void WriteComment(std::string_view text);
    void BeginEntities();
    // Layer and colour are passed again to every vertex of the polyline.
    void BeginPolyline(std::int16_t layer, std::int16_t colour);
    void WriteVertex(std::int16_t layer, std::int16_t colour, double x, double y, double z);
    void EndPolyline();
    void EndSection();
    // The last two lines of the file; the owner of the TextFileWriter then
    // commits it.
    void EndFile();

private:
    TextFileWriter& out_;
};

}  // namespace bravik
