#include "screens/return_to_board.h"

namespace bravik {

void ReturnToDrawingBoard(Ui& ui, dessin& board, const char* screen, const char* focusAfterRedraw) {
    ui.Hide(screen);
    board.enabled = true;
    board.Command1[0].enabled = true;
    board.dessine.enabled = true;
    ui.SetFocus("dessin", "dessine");
    ui.Refresh("dessin");
    if (focusAfterRedraw) ui.SetFocus("dessin", focusAfterRedraw);
    ui.Show("dessin", false);
}

}  // namespace bravik
