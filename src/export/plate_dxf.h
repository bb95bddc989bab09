#pragma once
// Flat parts drawn into an open DXF file at a given offset, each with its
// label in the stroke font: the developed transom, the developed bow plate
// and a station section. Shared by the development and station DXF files.

#include <cstdint>

#include "app/hull_design.h"
#include "export/dxf_writer.h"

namespace bravik {

// Height of the labels of planks, plates and stations: a 150th of the first
// chine's length plus 2 mm.
double LabelHeight(const HullDesign& d);

// The developed transom (transomDev) as a whole plate, its half shape and
// mirror image, labelled "transom", shifted by (offsetX, offsetY).
void TableauDXF(const HullDesign& d, DxfWriter& dxf, std::int16_t layer, std::int16_t couleur, double offsetX,
                double offsetY);

// The developed bow plate (bowPlateDev) the same way, labelled "bow".
void MarotteDXF(const HullDesign& d, DxfWriter& dxf, std::int16_t layer, std::int16_t couleur, double offsetX,
                double offsetY);

// The section at point index st, both sides, labelled "st" and st in two
// digits; z is the station's longitudinal position.
void StationDXF(const HullDesign& d, DxfWriter& dxf, std::int16_t layer, std::int16_t couleur, int st,
                double offsetX, double offsetY);

}  // namespace bravik
