#pragma once
// The mass budget: panel areas from the computed lines times a density per
// square metre, bulkheads, floors and decks, plus equipment entered as
// masses at positions; totals the masses and finds their centre X, and
// hands the total to the hydrostatics screen as the displacement to float.
//
// The grid is four columns of boxes indexed by row: Text1 density (kg/m²),
// Text2 area (m²), Text3 mass (kg), Text4 centre X (m). Rows 1-8 bottom,
// planks, transom, bow plate, bulkheads; 13-18 equipment; 21-24 floors and
// decks; 0 the totals. Rows 9-12, 19 and 20 do not exist.

#include <array>
#include <cstdint>

#include "app/application.h"
#include "app/control.h"
#include "app/ui.h"
#include "screens/hydro1.h"
#include "screens/window_placement.h"

namespace bravik {

inline constexpr Colour kInputBoxColour = Rgb(192, 255, 192);    // green: typed by the user
inline constexpr Colour kResultBoxColour = Rgb(255, 192, 192);   // pink: computed

class mass1 {
public:
    static constexpr int kRows = 25;

    mass1(Application& app, Ui& ui, hydro1& hydrostatics);

    void Form_Load(ScreenSize screen);
    void Form_Activate();
    void Form_Deactivate();
    void Calcul1_Click();   // Compute, then hand the total to the hydrostatics screen

    // Enter (13) in a box, or a box losing the focus, recomputes the budget.
    void Text1_KeyPress(int row, int key);
    void Text2_KeyPress(int row, int key);
    void Text3_KeyPress(int row, int key);
    void Text4_KeyPress(int row, int key);
    void Text1_LostFocus(int row);
    void Text2_LostFocus(int row);
    void Text3_LostFocus(int row);
    void Text4_LostFocus(int row);

    void RecomputeBudget();

    Control form;
    std::array<Control, kRows> Text1, Text2, Text3, Text4;
    std::array<Control, kRows> Label3;    // row labels
    std::array<Control, 4> Label2;        // column headers
    Control Label1;                       // notice
    Control Frame1, Frame2, Frame3, Frame4;
    Control Calcul1;

    std::int16_t planksShown = 1;   // highest side plank in its own row; also the number of floors
    std::int16_t decksShown = 1;

private:
    void SetCaptions();
    void SetVisibleRows();
    void ShowStoredBudget();
    void ReadBudgetInputs();
    void ComputePlanks();
    void ComputeFloorsAndDecks();
    void ComputePlates();
    void ShowRow(int row, double area, double mass, double centreX);
    void BlankRow(int row);
    void KeyPress(int key);

    Application& app_;
    Ui& ui_;
    hydro1& hydro_;
};

}  // namespace bravik
