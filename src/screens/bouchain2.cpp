#include "screens/bouchain2.h"

#include <algorithm>
#include <cmath>

#include "app/number_text.h"
#include "geometry/upper_chines.h"
#include "screens/return_to_board.h"
#include "screens/screen_box.h"

namespace bravik {

namespace {

void Select(std::array<Control, bouchain2::kRows>& options, int k) {
    for (int i = 0; i < bouchain2::kRows; ++i) options[i].value = i == k;
}

}  // namespace

bouchain2::bouchain2(Application& app, dessin& board, Ui& ui) : app_(app), board_(board), ui_(ui) {}

void bouchain2::Form_Load(ScreenSize screen) {
    CentreWindow(form, 10000, 7000, screen);
    for (int k = 0; k < kRows; ++k)
        for (Control* box : {&Text1[k], &Text2[k], &Text3[k], &Text4[k]}) box->text.clear();
}

void bouchain2::SetCaptions() {
    const Application& a = app_;
    form.text = a.Text("  Bordés ", "  Planks ");
    Valider.text = a.Text("Valider", "Validation");
    titre1[0].text = a.Text("Définition des bordés et hauteur de leurs bouchains supérieurs",
                            "Definition of side planks and height of their upper chines");
    Label1[1].text = a.Text("Hauteur AR", "Height aft");
    Label1[2].text = a.Text("Hauteur au maitre couple", "Height at B max");
    Label1[3].text = a.Text("Hauteur AV", "Height fwd");
    Label1[4].text = a.Text("Inclinaison du bordé (deg/horizontal)", "Plank incl. (deg/horizontal)");
    Label1[5].text = a.Text("Livet", "Shear line");
    Label1[6].text = a.Text("Tableau rentrant", "Transom turn");
    Label1[7].text = a.Text("Marotte rentrante", "Bow turn");
    for (int k = 0; k < kRows; ++k) Label2[k].text = a.Text("Bordé", "Plank") + PlainNumberText(k + 1);
}

int bouchain2::SheerRow() const { return std::clamp(app_.design.lastLine - 2, 0, kRows - 1); }

void bouchain2::Form_Activate() {
    HullDesign& d = app_.design;
    SetCaptions();

    if (d.lastLine >= 6) OptShear_Click(4);
    else if (d.lastLine > 1) OptShear_Click(d.lastLine - 2);
    else OptShear_Click(0);

    // The first line at which each plate turns in selects its option.
    const auto selectTurn = [&](const LineIntArray& turn, std::array<Control, kRows>& options,
                                void (bouchain2::*click)(int)) {
        Select(options, -1);
        for (int j = 2; j <= d.lastLine; ++j)
            if (turn(j) < 1) {
                (this->*click)(j - 2);
                return;
            }
    };
    selectTurn(d.bowTurn, OptMarotte, &bouchain2::OptMarotte_Click);
    selectTurn(d.transomTurn, OptTableau, &bouchain2::OptTableau_Click);

    for (int k = 0; k <= d.lastLine - 2; ++k) {
        Text1[k].text = LocaleNumberText(d.heightAft(k + 2));
        Text2[k].text = LocaleNumberText(d.heightAtMaxBeam(k + 2));
        Text3[k].text = LocaleNumberText(d.heightFwd(k + 2));
        Text4[k].text = LocaleNumberText(d.plankAngle(k + 1));
    }
    ui_.SetFocus("bouchain2", "Valider");
}

void bouchain2::Form_Deactivate() { Valider_Click(); }

void bouchain2::OptShear_Click(int index) {
    if (index < 0 || index >= kRows) return;
    Select(OptShear, index);
    app_.design.lastLine = static_cast<std::int16_t>(index + 2);
    for (int k = 0; k < kRows; ++k)
        for (Control* box : {&Text1[k], &Text2[k], &Text3[k], &Text4[k]}) box->enabled = k <= index;
}

void bouchain2::OptTableau_Click(int index) { TurnClick(OptTableau, index, false); }

void bouchain2::OptMarotte_Click(int index) { TurnClick(OptMarotte, index, true); }

void bouchain2::TurnClick(std::array<Control, kRows>& options, int k, bool bow) {
    if (k < 0 || k >= kRows) return;
    HullDesign& d = app_.design;
    LineIntArray& turn = bow ? d.bowTurn : d.transomTurn;
    if (d.lastLine >= 2 && k > d.lastLine - 2) {
        TurnClick(options, SheerRow(), bow);
        turn(d.lastLine) = -1;
    } else {
        Select(options, k);
        turn(k + 2) = -1;
    }
    // With the clicked row: a click above the sheer row leaves no turn up to the sheer.
    for (int j = 1; j <= k + 1; ++j) turn(j) = 1;
}

void bouchain2::Valider_Click() {
    HullDesign& d = app_.design;
    bool accepted = true;
    {
        BusyPointer busy(ui_);
        // The rows in use: line j = 2..topLine is row j - 2.
        const int topLine = std::min<int>(d.lastLine, kRows + 1);
        for (int k = 0; k <= topLine - 2; ++k)
            for (Control* box : {&Text1[k], &Text2[k], &Text3[k], &Text4[k]}) NormaliseBox(*box);

        // Inclinations: plank 1 at least five degrees steeper than the
        // deadrise and at most upright; no plank leans less than the one below.
        const auto incline = [&](int plankNo, double low, double high) {
            Control& box = Text4[plankNo - 1];
            double a = WholeDegrees(std::fabs(BoxNumber(box)));
            if (!KeepInRange(a, low, high, box)) {
                box.text = PlainNumberText(a);
                accepted = false;
            }
            d.plankAngle(plankNo) = static_cast<std::int16_t>(a);
        };
        if (topLine >= 2) incline(1, d.plankAngle(0) + 5, 90);
        for (int j = 2; j <= topLine - 1; ++j) incline(j, d.plankAngle(j - 1), 175);

        // Heights: no chine below the chine under it at the same station.
        const auto height = [&](Control& box, LineArray& field, int j) {
            double h = BoxNumber(box);
            if (!KeepInRange(h, field(j - 1), std::max(field(j - 1), kHeightPerLength * d.lineLength(0)), box)) {
                box.text = PlainNumberText(h);
                accepted = false;
            }
            field(j) = h;
        };
        for (int j = 2; j <= topLine; ++j) {
            d.maxBeamX(j) = d.maxBeamX(j - 1);
            height(Text3[j - 2], d.heightFwd, j);
            height(Text2[j - 2], d.heightAtMaxBeam, j);
            height(Text1[j - 2], d.heightAft, j);
            SetFwdHalfWidth(d, j);
            SetAftHalfWidth(d, j);
            SetMidHalfWidth(d, j);
        }

        if (accepted) RecomputeUpperLines(d);
    }
    ui_.SetMousePointer(MousePointer::Default);
    if (!accepted) return;

    board_.Command1[1].enabled = true;
    ReturnToDrawingBoard(ui_, board_, "bouchain2", "Command1(1)");
}

}  // namespace bravik
