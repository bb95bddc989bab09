#pragma once
// The drawing board's File menu entries that deal with the project data
// file: New, Open and Save Data. The drawing board's Quit button runs
// fmenu_S_Data_Click before it returns to the start screen.
//
// Each command ends in at most one message box; a cancelled file dialog ends
// it silently. A failed Open or Save leaves the design in memory and the
// drawing board as they were, and a failed Save leaves any earlier file of
// that name intact. New and Open end with the board's own first definition
// button, so the board must be connected (dessin::Connect).

#include "app/application.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "drawing/dessin.h"

namespace bravik {

// Back to the default design, named "Bravik"; opens the bottom screen.
void fmenu_New_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);

// Reads a .D50 or .D51 file chosen by the user, recomputes the lines and
// opens the bottom screen with the values read.
void fmenu_Open_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);

// Writes the design to the .D50 file chosen by the user; the chosen name,
// cut before its first point, becomes the hull name.
void fmenu_S_Data_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);

}  // namespace bravik
