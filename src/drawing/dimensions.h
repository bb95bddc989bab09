#pragma once
// Dimensioning on the drawing surface: the four arrowheads, each drawn as
// three relative strokes whose tip is the current position (left there),
// and the text of a dimension value.

#include <string>

#include "drawing/surface.h"

namespace bravik {

void arrowDown(Surface& s);
void arrowRight(Surface& s);
void arrowLeft(Surface& s);
void arrowUp(Surface& s);

// A dimension in metres with one to three decimals ("0.0##"), in the
// user's decimal separator.
std::string DimensionText(double metres);

}  // namespace bravik
