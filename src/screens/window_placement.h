#pragma once
// Where a screen's window goes: sizes and positions in twips.

#include "app/control.h"

namespace bravik {

struct ScreenSize {
    int width = 0;    // twips
    int height = 0;
};

// Sizes the window and centres it on the screen.
inline void CentreWindow(Control& window, int width, int height, ScreenSize screen) {
    window.width = width;
    window.height = height;
    window.left = (screen.width - width) / 2;
    window.top = (screen.height - height) / 2;
}

}  // namespace bravik
