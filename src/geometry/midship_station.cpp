#include "geometry/midship_station.h"

#include "app/number_text.h"

namespace bravik {

double StationX(int m, double hullLength) { return (m - 1) * hullLength / 80.0; }

std::int16_t MidshipStationIndex(double maxBeamX, double hullLength, std::int16_t unchanged) {
    const double shown = RoundToDigits(maxBeamX);
    for (int m = 77; m >= 5; --m)
        if (RoundToDigits(StationX(m, hullLength)) <= shown) return static_cast<std::int16_t>(m);
    return unchanged;
}

}  // namespace bravik
