#pragma once
// One station section as a DXF file: the station chosen on the drawing board.

#include <functional>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "drawing/dessin.h"
#include "files/atomic_file.h"

namespace bravik {

// The whole file for the section at point index `index` (1..81).
void WriteStationDxfFile(const HullDesign& d, int index, TextFileWriter& out);

// The save dialog and file; a cancel writes nothing, a failure ends in one
// message box.
void WriteStationDxf(Application& app, Ui& ui, Dialogs& dialogs, int index);

// File ▸ Save ▸ Station DXF. Runs the board's Draw station command first
// (DessCouple_Click, which sets stationIndex from Text1 and draws the
// section; the board must be connected), then writes the station it chose.
void fmenu_Station_DXF_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);

// The same with the Draw station step given by the caller (a front end whose
// board draws elsewhere); it must set stationIndex.
void fmenu_Station_DXF_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs,
                             const std::function<void()>& drawStation);

}  // namespace bravik
