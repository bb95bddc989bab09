#pragma once
// The bottom screen: hull length, the first chine's plan and profile laws,
// deadrise, keel advance and the rakes of stem and transom. Validation
// corrects out-of-range fields in place; only a validation that corrected
// nothing stores the bottom and computes the keel and the first chine.

#include <array>

#include "app/application.h"
#include "app/control.h"
#include "app/ui.h"
#include "drawing/dessin.h"
#include "screens/window_placement.h"

namespace bravik {

class bouchain1 {
public:
    bouchain1(Application& app, dessin& board, Ui& ui);

    void Form_Load(ScreenSize screen);
    void Form_Activate();
    void Text1_Change(int index);
    void Valider_Click();
    void Form_Deactivate();

    Control form;                       // caption and placement of the window
    std::array<Control, 7> Text1;       // plan view: length, beam position, half beams, powers
    std::array<Control, 7> Label1;
    std::array<Control, 8> Text2;       // profile and angles
    std::array<Control, 8> Label2;
    std::array<Control, 4> titre1;
    Control Valider;

private:
    void SetCaptions();

    Application& app_;
    dessin& board_;
    Ui& ui_;
};

}  // namespace bravik
