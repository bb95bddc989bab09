#pragma once
// Zoom and pan of the lines views as changes of the view placement, and the
// rubber-band feedback drawn on the surface's overlay while dragging.

#include "app/hull_design.h"
#include "drawing/surface.h"

namespace bravik {

// Zooms on the rectangle between two corners (in any order) of a surface of
// SW × SH user units: the rectangle's centre moves to the surface's centre
// and the scale grows so that the rectangle fills the surface with a 10 %
// margin, the scale never passing 32000 twips per metre. A rectangle
// narrower than 300 twips changes nothing. Returns whether it zoomed.
bool ZoomToRectangle(HullDesign& d, double x1, double y1, double x2, double y2, double SW, double SH);

// Moves every view by (dx, dy) twips.
void Pan(HullDesign& d, double dx, double dy);

// Feedback of a zoom drag: the green rectangle from the start to the end
// point with its magenta middle lines; of a pan drag: a magenta line.
// Each replaces whatever the overlay showed.
void ShowZoomFeedback(Surface& plan1, double startX, double startY, double endX, double endY);
void ShowPanFeedback(Surface& plan1, double startX, double startY, double endX, double endY);

}  // namespace bravik
