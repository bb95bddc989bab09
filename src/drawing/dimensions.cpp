#include "drawing/dimensions.h"

#include "export/number_pattern.h"

namespace bravik {

namespace {

void Strokes(Surface& s, double dx1, double dy1, double dx2, double dy2, double dx3, double dy3) {
    s.LineBy(dx1, dy1);
    s.LineBy(dx2, dy2);
    s.LineBy(dx3, dy3);
}

}  // namespace

void arrowDown(Surface& s) { Strokes(s, -50, -100, 100, 0, -50, 100); }
void arrowRight(Surface& s) { Strokes(s, -100, -50, 0, 100, 100, -50); }
void arrowLeft(Surface& s) { Strokes(s, 100, -50, 0, 100, -100, -50); }
void arrowUp(Surface& s) { Strokes(s, -50, 100, 100, 0, -50, -100); }

std::string DimensionText(double metres) { return FormatLocaleNumber(metres, "0.0##"); }

}  // namespace bravik
