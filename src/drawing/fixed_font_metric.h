#pragma once
// A fixed metric of the drawing board's font (a sans serif of 8.25 points,
// bold) for surfaces that have no font engine of their own: the SVG writer
// and the recorder. Values in twips.

#include <string_view>

namespace bravik {

double FixedFontTextWidth(std::string_view text);
double FixedFontTextHeight();            // one text line
double FixedFontSize();                  // the em size
double FixedFontAscent();                // from the top of a text line to its baseline

}  // namespace bravik
