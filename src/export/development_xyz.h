#pragma once
// The developed panels as tab-separated listings, one file per panel, each
// chosen in its own save dialog: planks, half decks, transom and bow plate.
// Coordinates in the development plane with the user's decimal separator.

#include <string>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "drawing/dessin.h"
#include "files/atomic_file.h"

namespace bravik {

// File contents. `offeredName` is the default file name the dialog offered,
// which the first line repeats. The plank and deck writers list the outline
// last developed; the plate writers the transom and bow plate tables.
void WritePlankXyzFile(const HullDesign& d, int k, int lastPoint, const std::string& offeredName,
                       TextFileWriter& out);
void WriteDeckXyzFile(const HullDesign& d, int v, const std::string& offeredName, TextFileWriter& out);
void WriteTransomXyzFile(const HullDesign& d, const std::string& offeredName, TextFileWriter& out);
void WriteBowPlateXyzFile(const HullDesign& d, const std::string& offeredName, TextFileWriter& out);

// One panel each: dialog, development (planks and decks, after the dialog),
// file. A cancel writes nothing; a failure ends in one message box.
void WritePlankXyz(Application& app, Ui& ui, Dialogs& dialogs, int k);
void WriteDeckXyz(Application& app, Ui& ui, Dialogs& dialogs, int v);
void WriteTransomXyz(Application& app, Ui& ui, Dialogs& dialogs);
void WriteBowPlateXyz(Application& app, Ui& ui, Dialogs& dialogs);

// File ▸ Save ▸ Development XYZ: the bottom, then with side planks every
// plank, every deck, the transom and (on a pram bow) the bow plate; with the
// bottom only, deck 1. A cancelled or failed file does not stop the sequence.
void fmenu_SD_XYZ_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);

}  // namespace bravik
