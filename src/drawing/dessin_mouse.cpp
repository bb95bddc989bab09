// The mouse on the drawing surface: a left-button drag frames a zoom
// rectangle, a right-button drag moves the drawing, a double click returns
// to the full view. The feedback lives on the surface's overlay, so it
// disappears completely whatever button is released.
#include <utility>

#include "drawing/dessin.h"
#include "drawing/view_placement.h"
#include "drawing/zoom.h"

namespace bravik {

void dessin::Plan1_MouseDown(int button, int, double x, double y) {
    if (button > kRightButton) return;
    dragStartX = dragEndX = x;
    dragStartY = dragEndY = y;
}

void dessin::Plan1_MouseMove(int button, int, double x, double y) {
    if (button != kLeftButton && button != kRightButton) return;
    dragPrevX = dragEndX;
    dragPrevY = dragEndY;
    dragEndX = x;
    dragEndY = y;
    if (button == kLeftButton)
        ShowZoomFeedback(Surf(), dragStartX, dragStartY, dragEndX, dragEndY);
    else
        ShowPanFeedback(Surf(), dragStartX, dragStartY, dragEndX, dragEndY);
}

void dessin::Plan1_MouseUp(int button, int, double x, double y) {
    Surface& s = Surf();
    s.ClearOverlay();
    HullDesign& d = App().design;
    if (button == kLeftButton) {
        dragEndX = x;
        dragEndY = y;
        if (dragStartX > dragEndX) std::swap(dragStartX, dragEndX);
        if (dragStartY > dragEndY) std::swap(dragStartY, dragEndY);
        if (!ZoomToRectangle(d, dragStartX, dragStartY, dragEndX, dragEndY, s.ScaleWidth(), s.ScaleHeight()))
            return;
    } else if (button == kRightButton) {
        dragEndX = x;
        dragEndY = y;
        if (!ViewPlacementUsable(d)) return;
        Pan(d, dragEndX - dragStartX, dragEndY - dragStartY);
    } else {
        return;
    }
    s.Clear();
    DrawStages();
}

void dessin::Plan1_DblClick() {
    Surf().Clear();
    dessine_Click();
}

}  // namespace bravik
