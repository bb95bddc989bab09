#pragma once
// The lines of a design just read from a project file. The file stores the
// parameters only; the keel, the first chine, the bottom-line tables and the
// upper chines are computed again from them.

#include <functional>

#include "app/hull_design.h"

namespace bravik {

// Derives midshipIndex (not stored in the file) from maxBeamX(1) and the hull
// length by the bottom screen's rule, 5 when no station qualifies; clears the
// hull lines; computes lines 0 and 1, the bottom-line tables and the points of
// lines 2..lastLine (their planes and ends are stored). Throws BravikError when
// the values do not give a hull: a hull length not above 0, a maximum beam at
// or beyond the stem, or any line that comes out not finite. lineDone is
// called after each upper line.
void RecomputeOpenedLines(HullDesign& d, const std::function<void()>& lineDone = {});

}  // namespace bravik
