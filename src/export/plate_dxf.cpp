#include "export/plate_dxf.h"

#include "export/number_pattern.h"
#include "export/stroke_font.h"

namespace bravik {

namespace {

using PlateTable = decltype(HullDesign::transomDev);

// (1, K) is the developed height, (2, K) the half-width of section point K.
void Plate(const HullDesign& d, DxfWriter& dxf, const PlateTable& dev, const char* label, int labelHeightPoint,
           std::int16_t layer, std::int16_t couleur, double offsetX, double offsetY) {
    const double h = LabelHeight(d);
    const int top = d.lastLine + 9;
    StrokeFont(dxf, label, h, offsetX - dev(2, 5), offsetY + h / 2 + dev(1, labelHeightPoint), 0, layer, 7);
    dxf.BeginPolyline(layer, couleur);
    for (int k = 0; k <= top; ++k) dxf.WriteVertex(layer, couleur, offsetX + dev(2, k), offsetY + dev(1, k), 0);
    dxf.WriteVertex(layer, couleur, offsetX + dev(2, 0), offsetY + dev(1, top), 0);
    for (int k = top; k >= 0; --k) dxf.WriteVertex(layer, couleur, offsetX - dev(2, k), offsetY + dev(1, k), 0);
    dxf.EndPolyline();
}

}  // namespace

double LabelHeight(const HullDesign& d) { return d.lineLength(1) / 150 + 0.002; }

void TableauDXF(const HullDesign& d, DxfWriter& dxf, std::int16_t layer, std::int16_t couleur, double offsetX,
                double offsetY) {
    Plate(d, dxf, d.transomDev, "transom", 5, layer, couleur, offsetX, offsetY);
}

void MarotteDXF(const HullDesign& d, DxfWriter& dxf, std::int16_t layer, std::int16_t couleur, double offsetX,
                double offsetY) {
    Plate(d, dxf, d.bowPlateDev, "bow", 10, layer, couleur, offsetX, offsetY);
}

void StationDXF(const HullDesign& d, DxfWriter& dxf, std::int16_t layer, std::int16_t couleur, int st,
                double offsetX, double offsetY) {
    const double h = LabelHeight(d);
    const int top = d.lastLine + 9;
    StrokeFont(dxf, "st" + FormatNumber(st, "00"), h, offsetX - d.sectionY(st, 4), offsetY + h / 2 + d.sectionZ(st, 4), 0,
               layer, 7);
    dxf.BeginPolyline(layer, couleur);
    for (int k = 0; k <= top; ++k)
        dxf.WriteVertex(layer, couleur, offsetX + d.sectionY(st, k), offsetY + d.sectionZ(st, k), d.sectionX(st, k));
    dxf.WriteVertex(layer, couleur, offsetX + d.sectionY(st, top), offsetY + d.sectionZ(st, top), d.sectionX(st, top));
    for (int k = top; k >= 0; --k)
        dxf.WriteVertex(layer, couleur, offsetX - d.sectionY(st, k), offsetY + d.sectionZ(st, k), d.sectionX(st, k));
    dxf.EndPolyline();
}

}  // namespace bravik
