#pragma once
// The automatic planking screen: lays out 2 to 20 side planks in one step.
// The inclinations grow evenly from the first plank to the last, the plank
// widths share the sheer's rise above the first chine at the bow, the
// maximum-beam station and the transom, and every upper chine is placed
// and computed.

#include <array>
#include <cstdint>

#include "app/application.h"
#include "app/control.h"
#include "app/ui.h"
#include "drawing/dessin.h"

namespace bravik {

class bouchain3 {
public:
    bouchain3(Application& app, dessin& board, Ui& ui);

    void Form_Activate();
    void Form_GotFocus();
    void Valider_Click();

    // Checks the first and last inclinations and sets angleStep; clears
    // inputsAccepted when it had to correct a box.
    void CheckPlankAngles();

    // Width of side plank k across the plank in the transverse section, at
    // the bow, the maximum-beam station and the transom.
    double plankW_FWD(int k) const;
    double plankW_MID(int k) const;
    double plankW_AFT(int k) const;

    Control form;                    // caption of the window
    std::array<Control, 2> Label0;   // explanation; "Number of side planks"
    Control Text0;                   // number of side planks = lastLine - 1
    std::array<Control, 1> Label1;
    std::array<Control, 1> Text1;    // first plank inclination
    std::array<Control, 4> Label2;
    std::array<Control, 4> Text2;    // last plank inclination; sheer heights bow, mid, aft
    Control Label4, Text4;           // stemShape
    Control Label3;                  // progress line
    Control Valider;

    std::int16_t angleStep = 0;      // degrees from one plank to the next
    bool inputsAccepted = false;

private:
    void SetCaptions();
    // H·(k/a)^e / Σ sin θi·(i/a)^e for the sheer's rise H above the first chine.
    double PlankWidth(int k, double rise, double exponent) const;
    void Progress(const std::string& text, Colour colour);
    // Places every upper chine from the plank widths and computes its line.
    void PlaceAndComputeChines();

    Application& app_;
    dessin& board_;
    Ui& ui_;
};

}  // namespace bravik
