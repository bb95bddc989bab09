#pragma once
// Text drawn into a DXF file as line work: one open polyline of straight
// strokes per character, so that labels need no TEXT entity and no font file.
// Glyphs sit on a grid of sixteenths of the text height q: u along the
// baseline, v upwards; digits and tall letters reach v = 16, the x-height is
// 8, descenders reach -2. Every character, the space included, advances by q.

#include <cstdint>
#include <span>
#include <string_view>

#include "export/dxf_writer.h"

namespace bravik {

struct GlyphPoint {
    std::int8_t u, v;
};

// The strokes of one character (ASCII, any case): the space has none; a
// character outside the space, digits, letters and '-' gets the substitute mark.
std::span<const GlyphPoint> StrokeGlyph(char32_t c);

// Writes `text` (UTF-8) with its first character's origin at (x, y) on the
// baseline, height q, the baseline turned by `angle` radians from the x axis.
// Every polyline of the call has the same layer and colour; z is 0.
void StrokeFont(DxfWriter& dxf, std::string_view text, double q, double x, double y, double angle,
                std::int16_t layer, std::int16_t colour);

}  // namespace bravik
