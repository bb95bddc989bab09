#include "screens/bouchain3.h"

#include <algorithm>
#include <cmath>

#include "app/number_text.h"
#include "geometry/upper_chines.h"
#include "screens/return_to_board.h"
#include "screens/screen_box.h"

namespace bravik {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr Colour kLightCyan = Rgb(192, 255, 255);
constexpr Colour kLightYellow = Rgb(255, 255, 192);
constexpr Colour kLightRed = Rgb(255, 192, 192);

// The shape exponent stays where the plank widths stay finite: (1/20)^-5 is
// about 3·10^6, while a large exponent overflows them.
constexpr double kStemShapeLimit = 10;

}  // namespace

bouchain3::bouchain3(Application& app, dessin& board, Ui& ui) : app_(app), board_(board), ui_(ui) {}

void bouchain3::SetCaptions() {
    const Application& a = app_;
    form.text = a.Text("Bordage automatique", "Automatic planking");
    Label0[0].text =
        a.Text("Cet écran vous permez de disposer automatiquement de 2 à 20 bordés latéraux.\n"
               "Les bordés seront répartis uniformement entre le bouchain 1 et le livet.\n"
               "Attention: le temps de calcul augmente exponentiellement avec le nombre de bordés.",
               "This screen allows you to automatically place 2 to 20 side planks.\n"
               "The planks will be equispaced between the chine 1 and the sheer line.\n"
               "Warning: the computation time increases exponentially with the number of planks.");
    Label0[1].text = a.Text("Nombre de bordés latéraux (max 20) :", "Number of side planks (max 20) :");
    Label1[0].text = a.Text("Ïnclinaison du premier bordé (degrés/horizontal) :",
                            "Ïnclination of the first plank (degrees/horizontal) :");
    Label2[0].text = a.Text("Ïnclinaison du dernier bordé (degrés/horizontal) :",
                            "Ïnclinaison of the last plank  (degrées/horizontal) :");
    Label2[1].text = a.Text("Hauteur avant du livet :", "Forward height of sheer line :");
    Label2[2].text = a.Text("Hauteur milieu du livet :", "Middle height of sheer line :");
    Label2[3].text = a.Text("Hauteur arrière du livet :", "Aft height of sheer line :");
    Label4.text = a.Text("Forme d'étrave :", "Stem shape :");
}

void bouchain3::Form_Activate() {
    const HullDesign& d = app_.design;
    Label3.backColour = kLightCyan;
    Label3.text.clear();
    const int sheer = std::max<int>(d.lastLine, 1);
    Text0.text = LocaleNumberText(d.lastLine - 1);
    Text1[0].text = LocaleNumberText(d.plankAngle(1));
    Text2[0].text = LocaleNumberText(d.plankAngle(sheer - 1));
    Text2[1].text = LocaleNumberText(d.heightFwd(sheer));
    Text2[2].text = LocaleNumberText(d.heightAtMaxBeam(sheer));
    Text2[3].text = LocaleNumberText(d.heightAft(sheer));
    Text4.text = LocaleNumberText(d.stemShape);
    SetCaptions();
    ui_.Refresh("bouchain3");
}

void bouchain3::Form_GotFocus() { ui_.Refresh("bouchain3"); }

double bouchain3::PlankWidth(int k, double rise, double exponent) const {
    const HullDesign& d = app_.design;
    const int a = d.lastLine - 1;
    double verticalShare = 0;
    for (int i = 1; i <= a; ++i)
        verticalShare += std::sin(d.plankAngle(i) * kPi / 180) * std::pow(static_cast<double>(i) / a, exponent);
    return rise * std::pow(static_cast<double>(k) / a, exponent) / verticalShare;
}

double bouchain3::plankW_FWD(int k) const {
    const HullDesign& d = app_.design;
    return PlankWidth(k, d.heightFwd(d.lastLine) - d.heightFwd(1), d.stemShape / 2);
}

double bouchain3::plankW_MID(int k) const {
    const HullDesign& d = app_.design;
    return PlankWidth(k, d.heightAtMaxBeam(d.lastLine) - d.heightAtMaxBeam(1), d.stemShape / 3);
}

double bouchain3::plankW_AFT(int k) const {
    const HullDesign& d = app_.design;
    return PlankWidth(k, d.heightAft(d.lastLine) - d.heightAft(1), d.stemShape / 3);
}

void bouchain3::CheckPlankAngles() {
    HullDesign& d = app_.design;
    for (Control* box : {&Text0, &Text1[0], &Text2[0], &Text2[1], &Text2[2], &Text2[3]}) NormaliseBox(*box);

    double first = WholeDegrees(std::fabs(BoxNumber(Text1[0])));
    if (first < 5) first = 5;
    if (!KeepInRange(first, d.plankAngle(0) + 4, 80, Text1[0])) inputsAccepted = false;
    d.plankAngle(1) = static_cast<std::int16_t>(first);
    Text1[0].text = PlainNumberText(first);

    const int last = d.lastLine - 1;
    const int steps = std::max(d.lastLine - 2, 1);   // plank-to-plank steps from the first to the last
    d.plankAngle(last) = WholeDegrees(std::fabs(BoxNumber(Text2[0])));
    double step = RoundHalfEven((d.plankAngle(last) - first) / steps);
    if (step > 2) {
        if (d.plankAngle(last) <= 170) {
            Text2[0].backColour = kWhite;
        } else {
            step = std::floor((170 - first) / steps);
            Text2[0].backColour = kYellow;
            inputsAccepted = false;
        }
    } else {
        step = 3;
        Text2[0].backColour = kYellow;
        inputsAccepted = false;
    }
    angleStep = static_cast<std::int16_t>(step);
    d.plankAngle(last) = static_cast<std::int16_t>(steps * angleStep + first);
    Text2[0].text = PlainNumberText(d.plankAngle(last));
}

void bouchain3::Progress(const std::string& text, Colour colour) {
    Label3.text = text;
    Label3.backColour = colour;
    ui_.Refresh("bouchain3");
}

void bouchain3::PlaceAndComputeChines() {
    HullDesign& d = app_.design;
    // Each chine sits one plank width up the plank below it; the vertical
    // parts of the widths add up to the sheer's rise, so the last chine
    // lands on the sheer heights.
    for (int j = 2; j <= d.lastLine; ++j) {
        Progress("Positioning chine " + PlainNumberText(j), Label3.backColour);
        const double t = d.plankAngle(j - 1) * kPi / 180;
        const auto place = [&](double w, LineArray& height, LineArray& halfWidth) {
            height(j) = height(j - 1) + std::sin(t) * w;
            halfWidth(j) = halfWidth(j - 1) + std::cos(t) * w;
        };
        place(plankW_FWD(j - 1), d.heightFwd, d.halfWidthFwd);
        place(plankW_MID(j - 1), d.heightAtMaxBeam, d.halfMaxBeam);
        place(plankW_AFT(j - 1), d.heightAft, d.halfWidthAft);
    }

    for (int j = 2; j <= d.lastLine; ++j) {
        const std::string of = PlainNumberText(j) + "  of " + PlainNumberText(d.lastLine);
        Progress("Computing line " + of, kLightYellow);
        ComputeChinePlane(d, j);
        ComputeLineEnds(d, j);
        Progress("Computing points of line " + of, kLightRed);
        ComputeLinePoints(d, j);
        ComputeChineAngles(d, j - 1);
    }
    ComputeChineAngles(d, d.lastLine);
}

void bouchain3::Valider_Click() {
    HullDesign& d = app_.design;
    {
        BusyPointer busy(ui_);
        inputsAccepted = true;

        NormaliseBox(Text0);
        double count = RoundHalfEven(BoxNumber(Text0) + 1);
        if (!KeepInRange(count, 3, 21, Text0)) inputsAccepted = false;
        d.lastLine = static_cast<std::int16_t>(count);
        Text0.text = PlainNumberText(d.lastLine - 1);

        // The box is filled in the user's own number format, so it is read
        // with either separator.
        NormaliseBox(Text4);
        d.stemShape = BoxNumber(Text4);
        if (!KeepInRange(d.stemShape, -kStemShapeLimit, kStemShapeLimit, Text4)) {
            Text4.text = PlainNumberText(d.stemShape);
            inputsAccepted = false;
        }

        if (d.lastLine > 4)
            for (int j = 1; j <= d.lastLine; ++j) d.transomTurn(j) = d.bowTurn(j) = 1;

        CheckPlankAngles();

        for (int j = 2; j <= d.lastLine; ++j) d.maxBeamX(j) = d.maxBeamX(1);
        for (int j = 2; j <= d.lastLine; ++j)
            d.plankAngle(j) = static_cast<std::int16_t>(d.plankAngle(j - 1) + angleStep);

        // The sheer stands clear of the first chine by a tenth of the half beam.
        const double clearance = 0.1 * d.halfMaxBeam(1);
        const auto sheerHeight = [&](Control& box, LineArray& field) {
            double h = BoxNumber(box);
            const double lowest = field(1) + clearance;
            if (!KeepInRange(h, lowest, std::max(lowest, kHeightPerLength * d.lineLength(0)), box)) inputsAccepted = false;
            field(d.lastLine) = h;
            box.text = PlainNumberText(h);
        };
        sheerHeight(Text2[1], d.heightFwd);
        sheerHeight(Text2[2], d.heightAtMaxBeam);
        sheerHeight(Text2[3], d.heightAft);

        if (inputsAccepted) PlaceAndComputeChines();
    }

    ui_.SetMousePointer(MousePointer::Default);
    if (!inputsAccepted) return;

    Label3.text.clear();
    // The side-planks screen shows five planks at most.
    board_.Command1[1].enabled = d.lastLine < 7;
    ReturnToDrawingBoard(ui_, board_, "bouchain3", "Command1(2)");
}

}  // namespace bravik
