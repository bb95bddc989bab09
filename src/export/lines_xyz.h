#pragma once
// The hull lines as a tab-separated listing of point coordinates: every line
// from the keel to the sheer, then the transom section, 21 stations and the
// stem section, each section covering both sides. Metres in hull axes, the
// user's locale decimal separator.

#include <cstdint>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "drawing/dessin.h"
#include "files/atomic_file.h"

namespace bravik {

// The whole listing; `language` (kFrench, kEnglish) chooses the block titles.
void WriteLinesXyz(const HullDesign& d, std::int16_t language, TextFileWriter& out);

// File ▸ Save ▸ Lines XYZ. The chosen file's title becomes hullName (shown in
// Text2); a cancelled dialog changes nothing.
void fmenu_S_XYZ_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs);

}  // namespace bravik
