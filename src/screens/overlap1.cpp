#include "screens/overlap1.h"

#include <cmath>
#include <limits>

#include "app/number_text.h"
#include "screens/screen_box.h"

namespace bravik {

namespace {

// A chine flatter than this needs no extra overlap.
constexpr double kFlatChine = 0.001;

// The thickness or width a box holds, in millimetres, as the single-precision
// value it is kept in; a magnitude beyond that range reads as 0.
float Millimetres(const Control& box) {
    const double typed = std::fabs(BoxNumber(box));
    return typed > std::numeric_limits<float>::max() ? 0.0f : static_cast<float>(typed);
}

// A single-precision value written to the precision it has, without the
// leading blank: 6.1 stays "6.1".
std::string BoxText(double millimetres) { return PlainNumberText(millimetres, 7).substr(1); }

}  // namespace

overlap1::overlap1(Application& app, Ui& ui) : app_(app), ui_(ui) {}

void overlap1::Form_Load() {
    for (Control* box : {&Text1[0], &Text1[1], &Text2[0], &Text2[1], &Text3[1], &Text3[2]}) box->text = "0";
    Label0.text.clear();
    Label8[0].text.clear();
    Label8[1].text.clear();
}

void overlap1::SetCaptions() {
    const Application& a = app_;
    Label0.text = a.Text(
        "Cet écran permet d'entrer les épaisseurs des bordés\n"
        "ainsi que les largeurs de recouvrement pour un bordage à clins.\n"
        "Les fichiers DXF prendront en compte ces largeurs supplémetaires.\n"
        "Attention:\n"
        "Pour une construction soudée mettre toutes les valeurs à zéro.",
        "This screen allows to enter the thickness of planks \n"
        "as well as the width of the overlap for lap strake construction.\n"
        "The DXF files will include the corresponding additional material.\n"
        "Warning:\n"
        "For welded construction set all values to zero.");
    Label1[0].text = a.Text("Epaisseur du fond", "Thickness of bottom");
    Label1[1].text = a.Text("Largeur de recouvrement bordé 1 - fond", "Width of first side plank overlap to bottom");
    Label2[0].text = a.Text("Epaisseur des bordés", "Thickness of side planks");
    Label2[1].text = a.Text("Largeur de recouvrement des autres bordés", "Width of other side planks overlap");
    Label3[1].text = a.Text("Epaisseur du tableau arrière", "Thickness of transom");
    Label3[2].text = a.Text("Epaisseur de la marotte", "Thickness of bow plate");
    Command1[0].text = a.Text("Annuler", "Cancel");
    Command1[1].text = a.Text("Bordé franc/soudé\nmettre tout à 0", "Strip planking/welding\nreset all to 0");
    Command1[2].text = a.Text("Bordé à clin", "Lap strake");
}

void overlap1::Form_Activate() {
    SetCaptions();
    ecrireData();
    ui_.Refresh("overlap1");
}

void overlap1::ecrireData() {
    const HullDesign& d = app_.design;
    Text1[0].text = BoxText(1000 * d.plankThickness(0));
    Text2[0].text = BoxText(1000 * d.plankThickness(1));
    Text3[1].text = BoxText(1000 * d.transomThickness);
    Text3[2].text = BoxText(1000 * d.bowPlateThickness);
}

void overlap1::lireData() {
    HullDesign& d = app_.design;
    // Each box shows what its leading number was and gives that value in metres.
    const auto read = [](Control& box) {
        NormaliseBox(box);
        const float mm = Millimetres(box);
        box.text = BoxText(mm);
        return mm / 1000.0;
    };
    d.plankThickness(0) = read(Text1[0]);
    firstOverlap = read(Text1[1]);
    const double sides = read(Text2[0]);
    for (int k = 1; k <= d.lastLine - 1; ++k) d.plankThickness(k) = sides;
    otherOverlap = read(Text2[1]);
    d.transomThickness = read(Text3[1]);
    d.bowPlateThickness = read(Text3[2]);

    for (int j = 1; j <= d.lastLine; ++j) {
        calcBevel(j);
        calcOverlap(j);
    }
}

void overlap1::calcBevel(int ln) {
    HullDesign& d = app_.design;
    maxBevel(ln) = 0;
    maxBevelPoint(ln) = 0;
    midshipBevel(ln) = 0;
    for (int i = 0; i <= kBowPoint; ++i) {
        // Across a chine the lower panel's thickness shows as thickness / sin(angle between panels).
        const double angle = d.chineAngle(ln, i);
        d.chineBevel(ln, i) = angle > kFlatChine ? d.plankThickness(ln - 1) / std::sin(angle) : 0;
        const float bevel = static_cast<float>(d.chineBevel(ln, i));
        if (i == d.midshipIndex) midshipBevel(ln) = bevel;
        if (bevel > maxBevel(ln)) {
            maxBevel(ln) = bevel;
            maxBevelPoint(ln) = static_cast<std::int16_t>(i);
        }
    }
}

void overlap1::calcOverlap(int ln) {
    HullDesign& d = app_.design;
    const double width = ln == 0 ? 0 : ln == 1 ? firstOverlap : otherOverlap;
    for (int i = 0; i <= kBowPoint; ++i) d.lapWidth(ln, i) = width;
}

namespace {

// Whole millimetres, rounded up with a tolerance of a tenth.
std::string RoundedUpMillimetres(float metres) { return PlainNumberText(std::floor(1000.0 * metres + 0.9)); }

}  // namespace

void overlap1::Text1_LostFocus(int index) {
    lireData();
    if (index == 0) {
        const Application& a = app_;
        Label8[0].text = a.Text("Largeur de recouvrement proposée au point", "Recommended width of overlap at point") +
                         PlainNumberText(a.design.midshipIndex) + " (Bmax):" + RoundedUpMillimetres(midshipBevel(1)) +
                         "mm" + "\n" + a.Text("et au point", "and at point") + PlainNumberText(maxBevelPoint(1)) +
                         " :" + RoundedUpMillimetres(maxBevel(1)) + "mm";
    } else {
        Label8[0].text.clear();
    }
}

void overlap1::Text2_LostFocus(int index) {
    lireData();
    if (index == 0) {
        // Three plank thicknesses.
        Label8[1].text = std::string(app_.Text("Largeur de recouvrement proposée ", "Recommended width of overlap ")) +
                         PlainNumberText(3 * BoxNumber(Text2[0])) + "mm ";
    } else {
        Label8[1].text.clear();
    }
}

void overlap1::Text1_Change(int index) {
    lireData();
    Text1_LostFocus(index);
}

void overlap1::Text2_Change(int index) {
    lireData();
    Text2_LostFocus(index);
}

void overlap1::Text3_Change(int) { lireData(); }

void overlap1::Command1_Click(int index) {
    HullDesign& d = app_.design;
    if (index == 0) {
        d.overlapChoice = 0;
    } else if (index == 1) {
        for (Control* box : {&Text1[0], &Text1[1], &Text2[0], &Text2[1], &Text3[1], &Text3[2]}) box->text = "0";
        lireData();
        d.overlapChoice = 1;
    } else if (index == 2) {
        lireData();
        d.overlapChoice = 2;
    } else {
        return;
    }
    ui_.Hide("overlap1");
}

}  // namespace bravik
