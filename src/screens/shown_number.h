#pragma once
// Reading back a number that the program wrote into a box in the user's
// locale format, or that the user typed with either separator: commas read
// as points, then the number at the start of the text (0 when there is none).

#include "app/control.h"
#include "app/number_text.h"

namespace bravik {

inline double ShownNumber(const Control& box) { return LenientNumber(NormaliseNumberText(box.text)); }

}  // namespace bravik
