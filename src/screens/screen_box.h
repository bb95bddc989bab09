#pragma once
// What the definition screens do with their text boxes: read the typed
// number, compare numbers as the boxes show them, and turn typed degrees
// into whole degrees.

#include <cstdint>

#include "app/control.h"

namespace bravik {

// The number at the start of the box's text, 0 when there is none; never NaN
// or infinity.
double BoxNumber(const Control& box);

// A number the program wrote into the box in the user's locale format, or
// that the user typed with either separator: commas read as points, then the
// number at the start of the text (0 when there is none).
double ShownNumber(const Control& box);

// Passes the box's text through NormaliseNumberText and puts it back.
void NormaliseBox(Control& box);

// a < b and a > b as the boxes show both numbers (15 significant digits). A
// value that validation wrote back at its limit reads back as that limit and
// stands on the next press, even when the limit itself is a product such as
// 0.2 × 6 = 1.2000000000000002.
bool ShownBelow(double a, double b);
bool ShownAbove(double a, double b);

// Limits far beyond any hull that keep the line laws finite: they raise the
// typed values to powers and iterate on them, so a wild length, a height out
// of all proportion to the hull or a wild S shape would overflow the lines.
inline constexpr double kLongestHull = 1e6;          // metres
inline constexpr double kHeightPerLength = 100;      // largest height magnitude / hull length
inline constexpr double kLargestSShape = 100;

// Brings v into [low, high], both compared as the boxes show them: outside,
// v becomes the nearer limit and the box turns yellow; inside, the box turns
// white. Returns whether v stood. Use an infinite limit for an open side.
bool KeepInRange(double& v, double low, double high, Control& box);

// Typed degrees rounded half to even and held in the 16-bit range, so that a
// wild value stays a number far out of range instead of wrapping around.
std::int16_t WholeDegrees(double x);

}  // namespace bravik
