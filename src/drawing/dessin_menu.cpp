#include "drawing/dessin_menu.h"

#include <array>

namespace bravik {

namespace {

constexpr MenuItem Separator(int level) { return {"", nullptr, level, ""}; }

const std::array<MenuItem, 24> kMenuTree{{
    {"fmenu", &dessin::fmenu, 0, ""},
    {"fmenu_New", &dessin::fmenu_New, 1, "Ctrl+N"},
    {"fmenu_Open", &dessin::fmenu_Open, 1, "Ctrl+O"},
    Separator(1),
    {"fmenu_Save", &dessin::fmenu_Save, 1, ""},
    {"fmenu_S_Data", &dessin::fmenu_S_Data, 2, "Ctrl+S"},
    {"fmenu_S_XYZ", &dessin::fmenu_S_XYZ, 2, ""},
    {"fmenu_S_DXF2D", &dessin::fmenu_S_DXF2D, 2, ""},
    {"fmenu_S_DXF3D", &dessin::fmenu_S_DXF3D, 2, ""},
    {"fmenu_SD_XYZ", &dessin::fmenu_SD_XYZ, 2, ""},
    {"fmenu_SD_DXF", &dessin::fmenu_SD_DXF, 2, ""},
    {"fmenu_Station_DXF", &dessin::fmenu_Station_DXF, 2, ""},
    {"fmenu_S_VRML", &dessin::fmenu_S_VRML, 2, ""},
    Separator(1),
    {"fmenu_Print", &dessin::fmenu_Print, 1, ""},
    {"fmenu_P_Data", &dessin::fmenu_P_Data, 2, ""},
    {"fmenu_P_Dessin", &dessin::fmenu_P_Dessin, 2, "Ctrl+D"},
    {"fmenu_P_Develop", &dessin::fmenu_P_Develop, 2, ""},
    {"fmenu_P_Station", &dessin::fmenu_P_Station, 2, ""},
    {"fmenu_P_Tout", &dessin::fmenu_P_Tout, 2, "Ctrl+A"},
    {"fmenu_PSetup", &dessin::fmenu_PSetup, 1, ""},
    Separator(1),
    {"fmenu_Quit", &dessin::fmenu_Quit, 1, "Ctrl+Q"},
    {"Hmenu", &dessin::Hmenu, 0, ""},
}};

}  // namespace

std::span<const MenuItem> MenuTree() { return kMenuTree; }

}  // namespace bravik
