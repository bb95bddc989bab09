// Leaving the drawing board: the Quit button saves the design and returns
// to the start screen; the Quit menu entry and the close box only show the
// start screen, the board staying open behind it.
#include <stdexcept>

#include "drawing/dessin.h"
#if __has_include("files/project_commands.h")
#include "files/project_commands.h"
#define BRAVIK_HAS_SAVE_DATA 1
#endif

namespace bravik {

void dessin::Cancel_Click() {
    if (!dialogs_) throw std::logic_error("drawing board used before Connect");
#ifdef BRAVIK_HAS_SAVE_DATA
    fmenu_S_Data_Click(App(), *this, UI(), *dialogs_);
#endif
    for (const char* form : {"bouchain1", "bouchain2", "bouchain3", "dessin"}) UI().Hide(form);
    UI().Show("menu2", false);
}

void dessin::fmenu_Quit_Click() { UI().Show("menu2", false); }

void dessin::Form_Unload() { UI().Show("menu2", false); }

}  // namespace bravik
