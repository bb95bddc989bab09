#pragma once
// How the hull floats: volume, centre of displacement and waterplane under a
// plane waterline Z = z + X·tan(pitchAngle), and the two inverse problems of
// the hydrostatics screen. The hull is taken as the stack of straight-sided
// stations through the points of equal index of all lines; the spacing
// between stations is taken on the keel, so sections beyond the keel's ends
// add nothing.

#include <functional>

#include "app/hull_design.h"

namespace bravik {

// One pass over stations 0..82.
struct HullIntegral {
    double V = 0;      // immersed volume, m³
    double Mx = 0;     // its moments about X = 0 and Z = 0, m⁴
    double Mz = 0;
    double Awp = 0;    // waterplane area, m²
    int status = -1;   // highest line the water reaches at any station; -1 none
    bool deckUnder = true;   // every station is wet up to its sheer
};

// Integrates the hull for the waterline height z at X = 0 and the current
// pitchAngle. The water height of station p is taken at the first chine's X,
// or at waterlineX(p) of the previous pass when useWaterlineX is set. Fills
// waterlineX/Y/Z, sectionArea and sectionCentreZ.
HullIntegral IntegrateHull(HullDesign& d, double z, bool useWaterlineX);

// What a solver leaves besides the record's centre of displacement, pitch
// and station tables, all of which describe this same waterline.
struct Hydrostatics {
    double z = 0;      // waterline height at X = 0
    double V = 0;      // displacement, m³
    double Awp = 0;    // waterplane area, m²
    int status = -1;   // highest wet line; lastLine when the deck is under; -1 dry
};

// Told the waterline height after every pass of a displacement search.
using WaterlineProgress = std::function<void(double z)>;

// The hydrostatics of the waterline of height z.
Hydrostatics SolveWaterlineForZ(HullDesign& d, double z);

// The waterline that displaces targetDisplacement, searched from z0; when a
// mass centre is known (massCentreX beyond a tenth of the first chine's
// length) the pitch is trimmed until the centre of displacement lies over it.
// At most 31 passes per trim step and 30 trim steps.
Hydrostatics SolveWaterlineForDisplacement(HullDesign& d, double z0, const WaterlineProgress& progress = {});

}  // namespace bravik
