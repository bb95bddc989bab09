#pragma once
// The thickness and overlap screen: plank, transom and bow plate thicknesses
// and, for lap-strake construction, how far each plank overlaps the one
// below. It recommends overlap widths from the thickness and the angle
// between the panels along each chine, and its exit button tells the
// development export which construction to draw.

#include <array>
#include <cstdint>

#include "app/application.h"
#include "app/control.h"
#include "app/tables.h"
#include "app/ui.h"

namespace bravik {

class overlap1 {
public:
    overlap1(Application& app, Ui& ui);

    void Form_Load();
    void Form_Activate();
    void Command1_Click(int index);   // 0 cancel, 1 strip planking or welded, 2 lap strake
    void Text1_Change(int index);
    void Text1_LostFocus(int index);
    void Text2_Change(int index);
    void Text2_LostFocus(int index);
    void Text3_Change(int index);

    void lireData();     // reads every box into the design and recomputes bevels and laps
    void ecrireData();   // writes the stored thicknesses into the boxes
    void calcBevel(int ln);
    void calcOverlap(int ln);

    Control Label0;                   // explanation
    std::array<Control, 2> Label1;
    std::array<Control, 2> Text1;     // 0 bottom thickness, 1 overlap of plank 1 on the bottom (mm)
    std::array<Control, 2> Label2;
    std::array<Control, 2> Text2;     // 0 side plank thickness, 1 overlap of the other planks (mm)
    std::array<Control, 3> Label3;    // 1 and 2 used
    std::array<Control, 3> Text3;     // 1 transom thickness, 2 bow plate thickness (mm)
    std::array<Control, 2> Label8;    // recommendations
    std::array<Control, 3> Command1;

    double firstOverlap = 0;   // metres: side plank 1 on the bottom
    double otherOverlap = 0;   // metres: every higher plank
    // Per line: the largest overlap the thickness below needs, the point
    // where it is needed, and the need at the maximum-beam station (metres).
    Table1<float, 0, kMaxLine> maxBevel;
    Table1<std::int16_t, 0, kMaxLine> maxBevelPoint;
    Table1<float, 0, kMaxLine> midshipBevel;

private:
    void SetCaptions();

    Application& app_;
    Ui& ui_;
};

}  // namespace bravik
