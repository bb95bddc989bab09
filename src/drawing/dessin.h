#pragma once
// The drawing board window as data: its buttons, text boxes and menu
// entries, and the form-level state the other screens read and change.
// The definition screens enable and disable its commands; the front end
// shows this state and forwards the window's events.

#include <cstdint>
#include <string>

#include "app/control.h"

namespace bravik {

struct dessin {
    std::string caption;          // window caption
    bool enabled = true;          // accepts input; a modal screen over it disables it

    // Definition-screen buttons: 0 bottom, 1 side planks, 2 automatic planking.
    Control Command1[3];
    Control dessine;              // Redraw lines
    Control DessCouple;           // Draw station
    Control Developer;            // Develop
    Control Cancel;               // save and return to the start screen
    Control Label1, Text1;        // station X
    Control Label2, Text2;        // hull name

    // Menu entries.
    Control fmenu, fmenu_New, fmenu_Open, fmenu_Save;
    Control fmenu_S_Data, fmenu_S_XYZ, fmenu_S_DXF2D, fmenu_S_DXF3D;
    Control fmenu_SD_XYZ, fmenu_SD_DXF, fmenu_Station_DXF, fmenu_S_VRML;
    Control fmenu_Print, fmenu_P_Data, fmenu_P_Dessin, fmenu_P_Develop, fmenu_P_Station, fmenu_P_Tout;
    Control fmenu_PSetup, fmenu_Quit;
    Control Hmenu;

    // Index of the definition screen last opened through Command1.
    std::int16_t definitionStage = 0;
};

}  // namespace bravik
