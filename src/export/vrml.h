#pragma once
// The hull as a VRML 2.0 world: each plank (the strip between two adjacent
// lines) is one coloured triangle mesh running along both sides and closed
// across the bow and the transom, with three directional lights and five
// viewpoints placed from the hull's size. VRML's y axis is vertical, so the
// hull point (X, Y, Z) is written as (X, Z, Y).

#include <string>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "drawing/dessin.h"
#include "files/atomic_file.h"

namespace bravik {

// The whole world, for planks 0 to lastLine - 1.
void WriteVrml(const HullDesign& d, TextFileWriter& out);

// Writes the world to `file`; a failure ends in one message box titled
// "Bravik2005 - Saving Hull VRML2".
void VRML2(Application& app, Ui& ui, Dialogs& dialogs, const std::string& file);

// File ▸ Save ▸ VRML. The chosen file's title becomes hullName; the name box
// Text2 keeps showing the old name.
void fmenu_S_VRML_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);

}  // namespace bravik
