#pragma once
// What every definition screen does after a validation that corrected
// nothing: hide itself and hand the drawing board back, redrawn.

#include "app/ui.h"
#include "drawing/dessin.h"

namespace bravik {

// Hides `screen`, enables the drawing board with its bottom button and its
// Redraw button, gives Redraw the focus (its focus handler redraws the
// hull), refreshes the board, then gives the focus to `focusAfterRedraw`
// when there is one, and shows the board. The side-planks and automatic
// planking buttons are the caller's business.
void ReturnToDrawingBoard(Ui& ui, dessin& board, const char* screen, const char* focusAfterRedraw = nullptr);

}  // namespace bravik
