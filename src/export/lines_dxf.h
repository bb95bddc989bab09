#pragma once
// The hull lines as DXF drawings: a flat drawing with plan, profile and body
// views side by side (2D), and the lines, end sections and stations in hull
// coordinates (3D). Coordinates in metres, unscaled; the views are told apart
// by their layers only. The sections are read as the last redraw left them.

#include "app/application.h"
#include "app/dialogs.h"
#include "app/hull_design.h"
#include "app/ui.h"
#include "drawing/dessin.h"
#include "export/dxf_writer.h"

namespace bravik {

// The polylines of each drawing, between BeginEntities and EndSection.
void WriteLines2dEntities(const HullDesign& d, DxfWriter& dxf);
void WriteLines3dEntities(const HullDesign& d, DxfWriter& dxf);

// Whole files, comment included ("2D lines of " / "3D lines of " and hullName).
void WriteLines2dDxf(const HullDesign& d, TextFileWriter& out);
void WriteLines3dDxf(const HullDesign& d, TextFileWriter& out);

// File ▸ Save ▸ Lines 2D DXF and Lines 3D DXF. The chosen file's title
// becomes hullName (shown in Text2); a cancelled dialog changes nothing.
void fmenu_S_DXF2D_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);
void fmenu_S_DXF3D_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);

}  // namespace bravik
