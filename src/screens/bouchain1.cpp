#include "screens/bouchain1.h"

#include <cmath>
#include <limits>

#include "app/number_text.h"
#include "geometry/bottom.h"
#include "geometry/midship_station.h"
#include "geometry/numeric.h"
#include "screens/return_to_board.h"
#include "screens/screen_box.h"

namespace bravik {

namespace {

constexpr double kOpen = std::numeric_limits<double>::infinity();

void WriteBack(Control& box, double value) { box.text = PlainNumberText(value); }

}  // namespace

bouchain1::bouchain1(Application& app, dessin& board, Ui& ui) : app_(app), board_(board), ui_(ui) {}

void bouchain1::Form_Load(ScreenSize screen) { CentreWindow(form, 8400, 6500, screen); }

void bouchain1::SetCaptions() {
    const Application& a = app_;
    form.text = a.Text("  Fond ", "  Bottom ");
    Valider.text = a.Text("Valider", "Validation");
    titre1[0].text = a.Text("Définition du fond et du premier bouchain dans les 3 dimensions X,Y,Z.",
                            "Bottom and first chine definition in 3 dimensions X,Y,Z.");
    titre1[1].text = a.Text(
        "Définition des axes:  Origine=tableau,   X=longitudinal vers l'avant,   Y=transversal,  Z=vers le haut",
        "Axis definition :  Origin=transom,   X=longitudinal toward stem,   Y=transverse,  Z=upward");
    titre1[2].text = a.Text("Plan X-Y", "X-Y horizontal plane");
    titre1[3].text = a.Text("Plan X-Z", "X-Z vertical plane");

    Label1[0].text = a.Text("Longeur tableau-étrave LWL=", "Length stern-stem LWL=");
    Label1[1].text = a.Text("Position du maitre couple /AR=", "Position of max beam=");
    Label1[2].text = a.Text("Demi largeur au maitre couple=", "Half max beam=");
    Label1[3].text = a.Text("Demi largeur AV au brion=", "Half width forward=");
    Label1[4].text = a.Text("Demi largeur AR au tableau=", "Half width afterward=");
    Label1[5].text = a.Text("Puissance de X AV (2.1-4)=", "Power of X forward (2-4)=");
    Label1[6].text = a.Text("Puissance de X AR (2.1-4)=", "Power of X aft (2-4)=");

    Label2[0].text = a.Text("Hauteur AV au brion=", "Height forward=");
    Label2[1].text = a.Text("Hauteur AR au tableau=", "Height aft=");
    Label2[2].text = a.Text("Forme S arrière=", "Aft S shape=");
    Label2[3].text = a.Text("Angle fond (deg/horizontal)=", "Deadrise (deg/horizontal)=");
    Label2[4].text = a.Text("Avance de quille (deg)=", "Keel advance angle (deg)=");
    Label2[5].text = a.Text("Angle marotte (deg/vertical)=", "Stem incl. (deg/vertical)=");
    Label2[6].text = a.Text("Angle tableau (deg/vertical)=", "Transom incl. (deg/vertical)=");
    Label2[7].text = a.Text("Forme S avant=", "Forward S shape=");
}

void bouchain1::Form_Activate() {
    SetCaptions();
    const HullDesign& d = app_.design;
    const double left[7] = {d.lineLength(0),   d.maxBeamX(1), d.halfMaxBeam(1), d.halfWidthFwd(1),
                            d.halfWidthAft(1), d.powerFwd,    d.powerAft};
    const double right[8] = {d.heightFwd(1),
                             d.heightAft(1),
                             d.sShapeAft,
                             static_cast<double>(d.plankAngle(0)),
                             static_cast<double>(d.keelAdvanceAngle),
                             std::fabs(static_cast<double>(d.bowAngle)),
                             std::fabs(static_cast<double>(d.transomAngle)),
                             d.sShapeFwd};
    for (int i = 0; i < 7; ++i) {
        Text1[i].text = LocaleNumberText(left[i]);
        Text1_Change(i);
    }
    for (int i = 0; i < 8; ++i) Text2[i].text = LocaleNumberText(right[i]);
    ui_.SetFocus("bouchain1", "Valider");
}

void bouchain1::Text1_Change(int) {
    // The stem rake only matters for a pram bow: a first chine that stays open at the bow.
    Text2[5].enabled = LenientNumber(NormaliseNumberText(Text1[3].text)) != 0;
}

void bouchain1::Valider_Click() {
    HullDesign& d = app_.design;
    bool accepted = true;

    for (Control& box : Text1) NormaliseBox(box);
    for (Control& box : Text2) NormaliseBox(box);

    // Hull length. Exactly 0.1, the value this rule writes back, stands.
    d.lineLength(0) = std::fabs(BoxNumber(Text1[0]));
    if (ShownBelow(d.lineLength(0), 0.1)) {
        d.lineLength(0) = 0.1;
        Text1[0].backColour = kOrange;
        ui_.Beep();
        accepted = false;
    } else {
        accepted &= KeepInRange(d.lineLength(0), 0.1, kLongestHull, Text1[0]);
    }
    WriteBack(Text1[0], d.lineLength(0));
    d.sternX(0) = 0;
    d.lineLength(1) = d.lineLength(0);
    d.sternX(1) = 0;
    const double L = d.lineLength(0);

    // Maximum-beam position, snapped onto the regular station at or aft of it.
    double v = std::fabs(BoxNumber(Text1[1]));
    accepted &= KeepInRange(v, 0.2 * L, 0.7 * L, Text1[1]);
    d.midshipIndex = MidshipStationIndex(v, L, d.midshipIndex);
    d.maxBeamX(1) = StationX(d.midshipIndex, L);
    WriteBack(Text1[1], d.maxBeamX(1));

    // Half beam; then the keel's own maximum-beam station and depth from the
    // angles the previous validation stored.
    v = std::fabs(BoxNumber(Text1[2]));
    accepted &= KeepInRange(v, 0.01 * L, 0.5 * L, Text1[2]);
    d.halfMaxBeam(1) = v;
    WriteBack(Text1[2], v);
    d.heightAtMaxBeam(1) = 0;
    d.maxBeamX(0) = d.maxBeamX(1) + d.halfMaxBeam(1) * TanDeg(d.keelAdvanceAngle);
    d.halfMaxBeam(0) = 0;
    d.heightAtMaxBeam(0) = d.heightAtMaxBeam(1) - d.halfMaxBeam(1) * TanDeg(d.plankAngle(0));

    // Half width forward: kept clearly inside the half beam.
    v = std::fabs(BoxNumber(Text1[3]));
    if (ShownAbove(v, 0.991 * d.halfMaxBeam(1))) {
        v = 0.99 * d.halfMaxBeam(1);
        Text1[3].backColour = kYellow;
        accepted = false;
    } else {
        Text1[3].backColour = kWhite;
    }
    d.halfWidthFwd(1) = v;
    WriteBack(Text1[3], v);

    v = BoxNumber(Text2[0]);
    accepted &= KeepInRange(v, 0, kHeightPerLength * L, Text2[0]);
    d.heightFwd(1) = v;
    WriteBack(Text2[0], v);

    v = std::fabs(BoxNumber(Text1[4]));
    accepted &= KeepInRange(v, -kOpen, d.halfMaxBeam(1), Text1[4]);
    d.halfWidthAft(1) = v;
    WriteBack(Text1[4], v);

    v = BoxNumber(Text2[1]);
    accepted &= KeepInRange(v, -d.heightFwd(1), kHeightPerLength * L, Text2[1]);
    d.heightAft(1) = v;
    WriteBack(Text2[1], v);

    for (int i : {5, 6}) {
        v = BoxNumber(Text1[i]);
        accepted &= KeepInRange(v, 2.1, 5, Text1[i]);
        (i == 5 ? d.powerFwd : d.powerAft) = v;
        Text1[i].text = LocaleNumberText(v);
    }

    // The S shapes stand as typed; only a wild one is brought back and written.
    const auto shape = [&](Control& box, double& field) {
        field = BoxNumber(box);
        if (!KeepInRange(field, -kLargestSShape, kLargestSShape, box)) {
            WriteBack(box, field);
            accepted = false;
        }
    };
    shape(Text2[2], d.sShapeAft);
    shape(Text2[7], d.sShapeFwd);

    // Whole-degree angles; the transom rake is held negative.
    const auto angle = [&](Control& box, double typed, double low, double high, std::int16_t& field) {
        double a = WholeDegrees(typed);
        accepted &= KeepInRange(a, low, high, box);
        field = static_cast<std::int16_t>(a);
        WriteBack(box, field);
    };
    angle(Text2[3], BoxNumber(Text2[3]), -20, 45, d.plankAngle(0));
    angle(Text2[4], std::fabs(BoxNumber(Text2[4])), -kOpen, 70, d.keelAdvanceAngle);
    angle(Text2[5], std::fabs(BoxNumber(Text2[5])), -kOpen, 60, d.bowAngle);
    angle(Text2[6], -std::fabs(BoxNumber(Text2[6])), -70, kOpen, d.transomAngle);

    if (accepted) {
        {
            BusyPointer busy(ui_);
            ComputeBottom(d);
        }
        // The side-planks screen shows five planks at most.
        board_.Command1[1].enabled = d.lastLine < 7;
        board_.Command1[2].enabled = true;
        ReturnToDrawingBoard(ui_, board_, "bouchain1");
    }
    ui_.SetMousePointer(MousePointer::Default);
}

void bouchain1::Form_Deactivate() { Valider_Click(); }

}  // namespace bravik
