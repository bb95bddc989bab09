#include "geometry/plate_development.h"

#include <cmath>

namespace bravik {

namespace {

template <class Plate>
void DevelopStationPlate(HullDesign& d, int s, Plate& plate) {
    plate(1, 0) = 0;
    plate(2, 0) = 0;
    for (int K = 1; K <= d.lastLine + 9; ++K) {
        // The plate is flat and raked: its profile length is measured in the
        // side view, its width is the half-breadth.
        const double dz = d.sectionZ(s, K) - d.sectionZ(s, K - 1);
        const double dx = d.sectionX(s, K) - d.sectionX(s, K - 1);
        plate(1, K) = plate(1, K - 1) + std::sqrt(dz * dz + dx * dx);
        plate(2, K) = d.sectionY(s, K);
    }
}

}  // namespace

void DevelopTransom(HullDesign& d) { DevelopStationPlate(d, 0, d.transomDev); }

void DevelopBowPlate(HullDesign& d) { DevelopStationPlate(d, kBowPoint, d.bowPlateDev); }

}  // namespace bravik
