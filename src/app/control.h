#pragma once
// A control of a screen model held as data: what the view shows and what the
// event handlers read and change. Positions and sizes are in twips.

#include <string>

#include "app/colour.h"

namespace bravik {

struct Control {
    std::string text;            // caption of a label, button or menu entry; text of a text box
    bool enabled = true;
    bool visible = true;
    bool value = false;          // selected state of an option button or check box
    Colour backColour = kWhite;
    int left = 0, top = 0, width = 0, height = 0;
};

}  // namespace bravik
