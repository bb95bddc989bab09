#pragma once
// The drawing board window as data: its buttons, text boxes and menu
// entries, the form-level state the other screens read and change, and the
// event handlers of the window itself. The definition screens enable and
// disable its commands; the front end shows this state, forwards the
// window's events and applies the layout numbers to its widgets.
//
// The handlers draw on the surface Plan1 and reach the design, the platform
// and the dialogs through the services given to Connect; the controls can be
// read and changed without them.

#include <cstdint>
#include <string>

#include "app/application.h"
#include "app/control.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "drawing/surface.h"
#include "screens/window_placement.h"

namespace bravik {

// Colours of the hull name box.
inline constexpr Colour kWindowBackground = kWhite;      // the system's window background
inline constexpr Colour kNameRefused = Rgb(255, 127, 0);  // name too short: orange

// Mouse button codes as the window reports them; combinations add up.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

struct dessin {
    std::string caption;          // window caption
    bool enabled = true;          // accepts input; a modal screen over it disables it
    Control form;                 // placement of the window (its caption is `caption`)

    // Definition-screen buttons: 0 bottom, 1 side planks, 2 automatic planking.
    Control Command1[3];
    Control dessine;              // Redraw lines
    Control DessCouple;           // Draw station
    Control Developer;            // Develop
    Control Cancel;               // save and return to the start screen
    // Station X: caption, with its design height, and box.
    Control Label1 = [] {
        Control c;
        c.height = 200;
        return c;
    }();
    Control Text1;
    Control Label2, Text2;        // hull name
    Control Plan1Layout;          // placement of the drawing surface

    // Menu entries.
    Control fmenu, fmenu_New, fmenu_Open, fmenu_Save;
    Control fmenu_S_Data, fmenu_S_XYZ, fmenu_S_DXF2D, fmenu_S_DXF3D;
    Control fmenu_SD_XYZ, fmenu_SD_DXF, fmenu_Station_DXF, fmenu_S_VRML;
    Control fmenu_Print, fmenu_P_Data, fmenu_P_Dessin, fmenu_P_Develop, fmenu_P_Station, fmenu_P_Tout;
    Control fmenu_PSetup, fmenu_Quit;
    Control Hmenu;

    // Index of the definition screen last opened through Command1.
    std::int16_t definitionStage = 0;

    // Mouse drag on Plan1, in its user units (twips from the top left).
    double dragStartX = 0, dragStartY = 0, dragEndX = 0, dragEndY = 0, dragPrevX = 0, dragPrevY = 0;

    // The drawing surface; null until Connect.
    Surface* Plan1 = nullptr;

    // ---- Services ---------------------------------------------------------
    void Connect(Application& app, Ui& ui, Dialogs& dialogs, Surface& plan1);

    // ---- Window events ----------------------------------------------------
    void Form_Load(ScreenSize screen);
    void Form_Activate();         // captions in the current language
    void Form_GotFocus();
    void Form_Resize();           // places the controls from form.width and form.height
    void Form_Unload();

    // ---- Buttons and boxes -------------------------------------------------
    void Command1_Click(int index);
    void dessine_Click();         // Redraw lines
    void dessine_GotFocus();      // the definition screens close by focusing dessine
    void DessCouple_Click();      // Draw station
    void Developer_Click();       // Develop
    void Cancel_Click();          // Quit: save, back to the start screen
    void Text2_KeyPress(int keyAscii);   // hull name, acts on Enter

    // ---- Menus --------------------------------------------------------------
    void fmenu_Quit_Click();
    void Hmenu_Click();

    // ---- Mouse on Plan1: zoom with the left button, pan with the right ------
    void Plan1_MouseDown(int button, int shift, double x, double y);
    void Plan1_MouseMove(int button, int shift, double x, double y);
    void Plan1_MouseUp(int button, int shift, double x, double y);
    void Plan1_DblClick();

    // Draws the grid, then the lines and body plan of every stage up to
    // definitionStage, at the current view placement (after a zoom or pan).
    void DrawStages();

private:
    Application& App() const;
    Ui& UI() const;
    Surface& Surf() const;

    Application* app_ = nullptr;
    Ui* ui_ = nullptr;
    Dialogs* dialogs_ = nullptr;
};

}  // namespace bravik
