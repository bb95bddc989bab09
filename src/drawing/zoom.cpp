#include "drawing/zoom.h"

#include <cmath>
#include <utility>

#include "drawing/view_placement.h"

namespace bravik {

namespace {

constexpr Colour kGreen = Rgb(0, 255, 0);
constexpr Colour kMagenta = Rgb(255, 0, 255);
constexpr double kMaxScale = 32000;   // twips per metre

}  // namespace

bool ZoomToRectangle(HullDesign& d, double x1, double y1, double x2, double y2, double SW, double SH) {
    if (!ViewPlacementUsable(d)) return false;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const double w = x2 - x1;
    const double h = y2 - y1;
    if (!(w >= 300) || !(SW > 0) || !(SH > 0)) return false;

    // The rectangle's longer side, relative to the surface, sets the factor.
    double factor = h / SH >= w / SW ? SH / h : SW / w;
    factor *= 0.9;
    if (d.viewScale * factor > kMaxScale) factor = kMaxScale / d.viewScale;
    if (d.viewScaleY * factor > kMaxScale) factor = kMaxScale / d.viewScaleY;
    if (!std::isfinite(factor) || !(factor > 0)) return false;

    d.viewOriginX = SW / 2 - ((x2 + x1) / 2 - d.viewOriginX) * factor;
    d.planOriginY = SH / 2 - ((y2 + y1) / 2 - d.planOriginY) * factor;
    d.profileOriginY = SH / 2 - ((y2 + y1) / 2 - d.profileOriginY) * factor;
    d.viewScale *= factor;
    d.viewScaleY *= factor;
    d.viewScaleZ *= factor;
    return true;
}

void Pan(HullDesign& d, double dx, double dy) {
    if (!std::isfinite(dx) || !std::isfinite(dy)) return;
    d.viewOriginX += dx;
    d.planOriginY += dy;
    d.profileOriginY += dy;
}

void ShowZoomFeedback(Surface& plan1, double startX, double startY, double endX, double endY) {
    plan1.ClearOverlay();
    plan1.OverlayLine(startX, startY, endX, startY, kGreen);
    plan1.OverlayLine(endX, startY, endX, endY, kGreen);
    plan1.OverlayLine(endX, endY, startX, endY, kGreen);
    plan1.OverlayLine(startX, endY, startX, startY, kGreen);
    const double midX = (startX + endX) / 2, midY = (startY + endY) / 2;
    plan1.OverlayLine(midX, startY, midX, endY, kMagenta);
    plan1.OverlayLine(startX, midY, endX, midY, kMagenta);
}

void ShowPanFeedback(Surface& plan1, double startX, double startY, double endX, double endY) {
    plan1.ClearOverlay();
    plan1.OverlayLine(startX, startY, endX, endY, kMagenta);
}

}  // namespace bravik
