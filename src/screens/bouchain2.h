#pragma once
// The side-planks screen: up to five side planks above the bottom, each with
// the heights of its upper chine at the transom, the maximum-beam station
// and the bow, and its inclination; which chine is the sheer; and where the
// transom and the pram bow plate turn in.

#include <array>

#include "app/application.h"
#include "app/control.h"
#include "app/ui.h"
#include "drawing/dessin.h"
#include "screens/window_placement.h"

namespace bravik {

class bouchain2 {
public:
    static constexpr int kRows = 5;   // row k edits line k + 2 and plank k + 1

    bouchain2(Application& app, dessin& board, Ui& ui);

    void Form_Load(ScreenSize screen);
    void Form_Activate();
    void Form_Deactivate();
    void OptShear_Click(int index);
    void OptTableau_Click(int index);
    void OptMarotte_Click(int index);
    void Valider_Click();

    Control form;                        // caption and placement of the window
    std::array<Control, 1> titre1;
    std::array<Control, 8> Label1;       // column headings 1..7
    std::array<Control, kRows> plank;    // row frames
    std::array<Control, kRows> Label2;   // "Plank 1" ...
    std::array<Control, kRows> Text1;    // height aft: heightAft(k + 2)
    std::array<Control, kRows> Text2;    // height at max beam: heightAtMaxBeam(k + 2)
    std::array<Control, kRows> Text3;    // height forward: heightFwd(k + 2)
    std::array<Control, kRows> Text4;    // inclination: plankAngle(k + 1)
    std::array<Control, kRows> OptShear;
    std::array<Control, kRows> OptTableau;
    std::array<Control, kRows> OptMarotte;
    Control Valider;

private:
    void SetCaptions();
    // The shared rule of the two turn options: the plate turns in above the
    // clicked row's chine, or above the sheer for a row above the sheer row.
    void TurnClick(std::array<Control, kRows>& options, int k, bool bow);
    int SheerRow() const;

    Application& app_;
    dessin& board_;
    Ui& ui_;
};

}  // namespace bravik
