#include "screens/mass1.h"

#include <algorithm>
#include <string>

#include "export/number_pattern.h"
#include "geometry/panel_areas.h"
#include "screens/screen_box.h"

namespace bravik {

namespace {

constexpr int kEnter = 13;
const std::string kBlank = " ";   // an emptied box holds a single space
constexpr int kPanelRows[] = {1, 2, 3, 4, 5, 6, 7, 8, 21, 22, 23, 24};
constexpr int kEquipmentRows[] = {13, 14, 15, 16, 17, 18};

bool RowExists(int row) { return row <= 8 || (row >= 13 && row <= 18) || row >= 21; }

std::string Three(double v) { return FormatLocaleNumber(v, "0.000"); }
std::string One(double v) { return FormatLocaleNumber(v, "0.0"); }

// A plank, floor or deck that the design does not have weighs nothing,
// whatever an earlier design left in its stored values.
bool PlankExists(const HullDesign& d, int k) { return k >= 0 && k + 1 <= d.lastLine; }
bool LineExists(const HullDesign& d, int line) { return line >= 1 && line <= d.lastLine; }
int DeckLine(const HullDesign& d, int deck) { return d.lastLine - deck + 1; }

// Row labels, French then English.
struct RowLabel {
    int row;
    const char* french;
    const char* english;
};
constexpr RowLabel kRowLabels[] = {
    {1, "Fond", "Bottom"},
    {2, "Premier bordé", "First side plank"},
    {3, "Deuxième bordé", "Second side plank"},
    {4, "Autres bordés", "Other side planks"},
    {5, "Tableau arrière", "Transom plate"},
    {6, "Marotte", "Pram bow plate"},
    {7, "Cloison 1", "Bulkhead 1"},
    {8, "Cloison 2", "Bulkhead 2"},
    {13, "Moteur", "Engine"},
    {14, "Lest", "Ballast"},
    {15, "Passagers", "Passengers"},
    {16, "Materiel 1", "Equipment 1"},
    {17, "Materiel 2", "Equipment 2"},
    {18, "Matériel 3", "Equipment 3"},
    {21, "Plancher 1", "Floor 1"},
    {22, "Plancher 2", "Floor 2"},
    {23, "Pont", "Deck"},
    {24, "Pont-1 ", "Deck-1"},
};

}  // namespace

mass1::mass1(Application& app, Ui& ui, hydro1& hydrostatics)
    : app_(app), ui_(ui), hydro_(hydrostatics) {
    for (int row = 0; row < kRows; ++row) {
        for (auto* column : {&Text1, &Text2, &Text3, &Text4}) {
            Control& box = (*column)[row];
            box.visible = RowExists(row);
            box.backColour = kResultBoxColour;
        }
        Label3[row].visible = RowExists(row);
    }
    Text1[0].visible = false;   // the totals have no density
    for (int row : kPanelRows) Text1[row].backColour = kInputBoxColour;
    for (int row : {7, 8}) Text4[row].backColour = kInputBoxColour;
    for (int row : kEquipmentRows) {
        Text3[row].backColour = kInputBoxColour;
        Text4[row].backColour = kInputBoxColour;
    }
}

void mass1::Form_Load(ScreenSize screen) {
    form.width = 9600;
    form.height = 8400;
    form.left = screen.width - form.width - 200;
    form.top = (screen.height - form.height) / 2;
    SetVisibleRows();
}

void mass1::SetCaptions() {
    const Application& a = app_;
    form.text = a.Text("  Budget de masse", "  Mass budget");
    Calcul1.text = a.Text("Calculer", "Compute");
    Frame1.text = a.Text("Fond et bordés", "Bottom and sides planks");
    Frame2.text = a.Text("Stations", "Stations");
    Frame3.text = a.Text("Planchers et ponts", "Floors and decks");
    Frame4.text = a.Text("Equipements", "Equipment");
    Label2[0].text = a.Text("Densité des panneaux (kg/m2)", "Panels density (kg/m2)");
    Label2[1].text = a.Text("Surface\n(m2)", "Area\n(m2)");
    Label2[2].text = a.Text("Masse\n(kg)", "Mass\n(kg)");
    Label2[3].text = a.Text("Centre de\nmasse X (m)", "Centre of\nmass X (m)");
    Label1.text = std::string(a.Text("Entrez les données uniquement dans les cases vertes.",
                                     "Enter data only in the green boxes.")) +
                  "\n" +
                  a.Text("Les cases roses sont réservées aux résultats de calcul.",
                         "Pink boxes are reserved for computation results.") +
                  "\n" +
                  a.Text("(Une densité de panneau de 10 kg/m2 correspond à 12mm de contreplaqué)",
                         "(Panel density of 10 kg/m2 correspond to 12mm plywood)");
    for (const RowLabel& label : kRowLabels) Label3[label.row].text = a.Text(label.french, label.english);
}

void mass1::Form_Activate() {
    for (int row : kPanelRows) {
        for (auto* column : {&Text1, &Text2, &Text3, &Text4}) (*column)[row].text = kBlank;
    }
    SetVisibleRows();
    ShowStoredBudget();
    SetCaptions();
}

void mass1::Form_Deactivate() { Calcul1_Click(); }

void mass1::Calcul1_Click() {
    RecomputeBudget();
    // The mass in tonnes floats as that many cubic metres of water.
    hydro_.TakeDisplacement(app_.design.totalMass / 1000);
    ui_.SetFocus("hydro1", "Calcul1");
}

void mass1::KeyPress(int key) {
    if (key == kEnter) RecomputeBudget();
}
void mass1::Text1_KeyPress(int, int key) { KeyPress(key); }
void mass1::Text2_KeyPress(int, int key) { KeyPress(key); }
void mass1::Text3_KeyPress(int, int key) { KeyPress(key); }
void mass1::Text4_KeyPress(int, int key) { KeyPress(key); }
void mass1::Text1_LostFocus(int) { RecomputeBudget(); }
void mass1::Text2_LostFocus(int) { RecomputeBudget(); }
void mass1::Text3_LostFocus(int) { RecomputeBudget(); }
void mass1::Text4_LostFocus(int) { RecomputeBudget(); }

void mass1::BlankRow(int row) {
    Text2[row].text = kBlank;
    Text3[row].text = kBlank;
    Text4[row].text = kBlank;
}

void mass1::ShowRow(int row, double area, double mass, double centreX) {
    Text2[row].text = Three(area);
    Text3[row].text = Three(mass);
    Text4[row].text = Three(centreX);
}

void mass1::SetVisibleRows() {
    const int lastLine = app_.design.lastLine;
    if (lastLine >= 4) {
        planksShown = 2;
        decksShown = 2;
    } else if (lastLine == 3) {
        planksShown = 2;
        decksShown = 1;
        for (int row : {4, 24}) BlankRow(row);
    } else {
        planksShown = 1;
        decksShown = 1;
        for (int row : {3, 4, 22, 24}) BlankRow(row);
    }
}

void mass1::ShowStoredBudget() {
    HullDesign& d = app_.design;
    if (d.panelDensity(1) < 1) d.panelDensity(1) = 1;
    for (int row = 1; row <= 8; ++row) Text1[row].text = One(d.panelDensity(row));
    for (int i = 1; i <= 2; ++i) {
        Text1[20 + i].text = One(d.floorDensity(i));
        Text1[22 + i].text = One(d.deckDensity(i));
    }
    for (int k = 0; k <= planksShown; ++k) {
        if (PlankExists(d, k)) ShowRow(k + 1, d.plankArea(k), d.plankMass(k), d.plankCentreX(k));
        else ShowRow(k + 1, 0, 0, 0);
    }
    ShowRow(5, d.transomArea, d.transomMass, d.transomCentreX);
    ShowRow(6, d.bowPlateArea, d.bowPlateMass, d.bowPlateCentreX);
    for (int b = 1; b <= 2; ++b) ShowRow(6 + b, d.bulkheadArea(b), d.bulkheadMass(b), d.bulkheadX(b));
    for (int f = 1; f <= planksShown; ++f) {
        if (LineExists(d, f)) ShowRow(20 + f, d.floorArea(f), d.floorMass(f), d.floorCentreX(f));
        else ShowRow(20 + f, 0, 0, 0);
    }
    for (int deck = 1; deck <= decksShown; ++deck) {
        if (LineExists(d, DeckLine(d, deck))) ShowRow(22 + deck, d.deckArea(deck), d.deckMass(deck), d.deckCentreX(deck));
        else ShowRow(22 + deck, 0, 0, 0);
    }
    for (int e = 1; e <= 6; ++e) {
        // An item never entered stays an empty box.
        Text3[12 + e].text = d.equipmentMass(e) ? Three(*d.equipmentMass(e)) : "";
        Text4[12 + e].text = d.equipmentX(e) ? Three(*d.equipmentX(e)) : "";
    }
}

void mass1::ReadBudgetInputs() {
    HullDesign& d = app_.design;
    const double length = d.lineLength(1);
    for (int row = 1; row <= 8; ++row) d.panelDensity(row) = std::max(row <= 4 ? 1.0 : 0.0, ShownNumber(Text1[row]));
    for (int i = 1; i <= 2; ++i) {
        d.floorDensity(i) = std::max(0.0, ShownNumber(Text1[20 + i]));
        d.deckDensity(i) = std::max(0.0, ShownNumber(Text1[22 + i]));
        d.bulkheadX(i) = std::clamp(ShownNumber(Text4[6 + i]), 0.0, std::max(0.0, length));
    }
    for (int e = 1; e <= 6; ++e) {
        d.equipmentMass(e) = ShownNumber(Text3[12 + e]);   // taken as entered, negative included
        d.equipmentX(e) = std::clamp(ShownNumber(Text4[12 + e]), 0.0, std::max(0.0, length));
    }
}

void mass1::ComputePlanks() {
    HullDesign& d = app_.design;
    double otherArea = 0, otherMass = 0, otherMoment = 0;
    for (int k = 0; k <= kMaxLine; ++k) {
        AreaAndCentre plank;
        if (PlankExists(d, k)) plank = PlankArea(d, k);
        d.plankArea(k) = plank.area;
        d.plankCentreX(k) = plank.centreX;
        d.plankMass(k) = plank.area * d.panelDensity(std::min(k, 3) + 1);
        if (k >= 3) {
            otherArea += d.plankArea(k);
            otherMass += d.plankMass(k);
            otherMoment += d.plankMass(k) * d.plankCentreX(k);
        }
    }
    // Planks 3 and up share row 4, written even when there are none.
    ShowRow(4, otherArea, otherMass, otherMoment / (otherMass + 0.000001));
}

void mass1::ComputeFloorsAndDecks() {
    HullDesign& d = app_.design;
    for (int f = 1; f <= planksShown; ++f) {
        AreaAndCentre floor;
        if (LineExists(d, f)) floor = PlanAreaInside(d, f);
        d.floorArea(f) = floor.area;
        d.floorCentreX(f) = floor.centreX;
        d.floorMass(f) = floor.area * d.floorDensity(f);
    }
    for (int deck = 1; deck <= decksShown; ++deck) {
        AreaAndCentre plan;
        if (LineExists(d, DeckLine(d, deck))) plan = PlanAreaInside(d, DeckLine(d, deck));
        d.deckArea(deck) = plan.area;
        d.deckCentreX(deck) = plan.centreX;
        d.deckMass(deck) = plan.area * d.deckDensity(deck);
    }
}

void mass1::ComputePlates() {
    HullDesign& d = app_.design;
    const AreaAndCentre transom = StationPlateArea(d, 0);
    d.transomArea = transom.area;
    d.transomCentreX = transom.centreX;
    d.transomMass = transom.area * d.panelDensity(5);
    const AreaAndCentre bow = StationPlateArea(d, kBowPoint);
    d.bowPlateArea = bow.area;
    d.bowPlateCentreX = bow.centreX;
    d.bowPlateMass = bow.area * d.panelDensity(6);

    const double length = d.lineLength(1);
    for (int b = 1; b <= 2; ++b) {
        // The regular station at or aft of the bulkhead's position.
        const double x = d.bulkheadX(b);
        const int p = x >= length ? 81 : (x > 0 ? static_cast<int>(x * 80 / length) + 1 : 1);
        const AreaAndCentre bulkhead = StationPlateArea(d, p);
        d.bulkheadArea(b) = bulkhead.area;
        d.bulkheadMass(b) = bulkhead.area * d.panelDensity(6 + b);
        d.bulkheadX(b) = bulkhead.centreX;
    }
}

void mass1::RecomputeBudget() {
    HullDesign& d = app_.design;
    SetVisibleRows();
    ReadBudgetInputs();
    ComputePlanks();
    ComputeFloorsAndDecks();
    ComputePlates();
    ShowStoredBudget();

    // Totals from the boxes as shown, three decimals.
    double area = 0;
    for (int row : kPanelRows) area += ShownNumber(Text2[row]);
    Text2[0].text = Three(area);

    double mass = 0, moment = 0;
    auto add = [&](int row) {
        const double m = ShownNumber(Text3[row]);
        mass += m;
        moment += m * ShownNumber(Text4[row]);
    };
    for (int row : kPanelRows) add(row);
    for (int row : kEquipmentRows) add(row);
    d.totalMass = mass;
    Text3[0].text = Three(mass);
    d.massCentreX = mass > 0 ? moment / mass : 0;
    Text4[0].text = Three(d.massCentreX);
}

}  // namespace bravik
