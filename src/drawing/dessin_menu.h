#pragma once
// The drawing board's menu tree as data, for the front end that builds the
// menus: the entries in order, their nesting and their keyboard shortcuts.
// Captions and enabled state live in the entries' controls on `dessin`.

#include <span>
#include <string_view>

#include "drawing/dessin.h"

namespace bravik {

struct MenuItem {
    std::string_view name;        // control name; empty for a separator
    Control dessin::*entry;       // null for a separator
    int level;                    // 0 a menu bar title, 1 its entries, 2 a submenu's entries
    std::string_view shortcut;    // "Ctrl+N", or empty
};

// File menu (with its Save and Print submenus), then the Hydro menu.
std::span<const MenuItem> MenuTree();

}  // namespace bravik
