#pragma once
// The regular station on which the first chine's maximum beam sits.

#include <cstdint>

namespace bravik {

// The largest m from 5 to 77 with (m - 1)·L/80 <= maxBeamX, both sides
// compared as the boxes show them (15 significant digits), so that a
// position written back on a station stays on it; `unchanged` when none
// qualifies.
std::int16_t MidshipStationIndex(double maxBeamX, double hullLength, std::int16_t unchanged);

// X of regular station m of a hull of length L: (m - 1)·L/80.
double StationX(int m, double hullLength);

}  // namespace bravik
