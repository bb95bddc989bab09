// Leaving the drawing board: the Quit button saves the design and returns
// to the start screen; the Quit menu entry and the close box only show the
// start screen, the board staying open behind it.
#include <stdexcept>

#include "drawing/dessin.h"
#include "files/project_commands.h"

namespace bravik {

void dessin::Cancel_Click() {
    if (!dialogs_) throw std::logic_error("drawing board used before Connect");
    fmenu_S_Data_Click(App(), *this, UI(), *dialogs_);
    for (const char* form : {"bouchain1", "bouchain2", "bouchain3", "dessin"}) UI().Hide(form);
    UI().Show("menu2", false);
}

void dessin::fmenu_Quit_Click() { UI().Show("menu2", false); }

void dessin::Form_Unload() { UI().Show("menu2", false); }

}  // namespace bravik
