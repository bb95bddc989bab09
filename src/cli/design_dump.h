#pragma once
// The computed design as JSON for scripts and spreadsheets.

#include <string>

#include "app/hull_design.h"

namespace bravik::cli {

// The last result of the hydrostatics screen, if it computed one.
struct HydroResult {
    bool computed = false;
    double volume = 0;           // m³
    double waterplaneArea = 0;   // m²
    double waterlineZ = 0;       // m, at X = 0
    int status = -1;
};

// Writes the dump atomically. Develops every panel on the way (the
// development tables are working values, overwritten by every development).
void WriteDesignDump(const std::string& path, HullDesign& d, int definitionStage, const HydroResult& hydro);

// The dump as text, for tests.
std::string DesignDumpText(HullDesign& d, int definitionStage, const HydroResult& hydro);

}  // namespace bravik::cli
