#pragma once
// The developed panels as DXF files ready for cutting: a planks file (every
// plank stacked upwards with its label, midship station line and station
// marks, then the transom, the midship station and the bow plate) and a
// decks file (one half deck per line). Metres in the development plane.

#include "app/application.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "drawing/dessin.h"
#include "files/atomic_file.h"

namespace bravik {

// The planks file for planks 0..lastPlank, plain or with the lap-strake cut
// shape around each net shape. Develops each plank in turn (the record's
// developed outline holds the last one afterwards); the transom and bow plate
// are drawn from their tables as last developed.
void WritePlanksDxfFile(HullDesign& d, int lastPlank, bool lapStrake, TextFileWriter& out);

// The decks file for half decks 1..lastDeck.
void WriteDecksDxfFile(HullDesign& d, int lastDeck, TextFileWriter& out);

// The save dialog and file of each; a cancel writes nothing, a failure ends
// in one message box. Both give the focus to the board's Cancel when written.
void WritePlanksDxf(Application& app, Ui& ui, Dialogs& dialogs, int lastPlank, bool lapStrake);
void WriteDecksDxf(Application& app, Ui& ui, Dialogs& dialogs, int lastDeck);

// File ▸ Save ▸ Development DXF. Shows the thickness and overlap screen
// overlap1 modally; its exit choice (overlapChoice: 0 cancel, 1 plain,
// 2 lap strake) decides what is written. Cancelling the planks file still
// offers the decks file.
void fmenu_SD_DXF_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);

}  // namespace bravik
