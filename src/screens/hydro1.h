#pragma once
// The hydrostatics screen: the waterline (and, with a mass centre from the
// mass budget, the pitch) that carries a displacement, or the displacement
// under a waterline. Shows the result in its boxes and two message labels,
// and hands the displacement back to the mass budget's total.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/application.h"
#include "app/control.h"
#include "app/ui.h"
#include "geometry/hydrostatics.h"
#include "screens/window_placement.h"

namespace bravik {

// Background of the status message: pale cyan while afloat, red when sunk.
inline constexpr Colour kAfloatColour = Rgb(192, 255, 255);
inline constexpr Colour kSinkingColour = Rgb(255, 0, 0);

class hydro1 {
public:
    hydro1(Application& app, Ui& ui);

    void Form_Load(ScreenSize screen);
    void Form_Activate();
    void Option1_Click(int index);           // 0 displacement mode, 1 waterline mode
    void Text1_KeyPress(int index, int key); // Enter (13) selects that box's mode and computes
    void Form_Deactivate();
    void Form_Unload();
    void Calcul1_Click();                    // Compute
    void cdQuit_Click();                     // Quit: back to the drawing board with the waterline drawn

    // From the mass budget: its total, in tonnes, as the displacement to
    // float; selects displacement mode, which computes.
    void TakeDisplacement(double tonnes);

    // Run at the end of Quit: the front end draws the waterline and the
    // centre of displacement of the last computation on the drawing board.
    std::function<void()> DrawWaterline;

    Control form;                    // caption and placement of the window
    std::array<Control, 3> Label1;   // instructions
    std::array<Control, 2> Option1;  // 0 displacement (m³), 1 waterline height (m)
    std::array<Control, 2> Text1;    // 0 displacement, 1 waterline height at X = 0
    std::array<Control, 1> Label3;   // caption of the pitch box
    std::array<Control, 1> Text3;    // pitch angle, degrees
    Control Calcul1;
    Control cdQuit;
    std::array<Control, 2> Label2;   // 0 status message, 1 results
    Control Label4;

    std::int16_t computeMode = 0;    // 0 displacement, 1 waterline

    // What the last Compute found, for front ends that report it as data.
    std::optional<Hydrostatics> lastResult;

private:
    void SetCaptions();
    void SelectOption(int index);
    void ShowStatus(int status, double Awp);

    Application& app_;
    Ui& ui_;
};

}  // namespace bravik
