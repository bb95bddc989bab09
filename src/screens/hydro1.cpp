#include "screens/hydro1.h"

#include <cmath>
#include <string>

#include "export/number_pattern.h"
#include "geometry/hydrostatics.h"
#include "screens/screen_box.h"

namespace bravik {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr int kEnter = 13;

std::string Three(double v) { return FormatLocaleNumber(v, "0.000"); }

}  // namespace

hydro1::hydro1(Application& app, Ui& ui) : app_(app), ui_(ui) {
    Option1[0].value = true;   // displacement mode until the user chooses
}

void hydro1::Form_Load(ScreenSize screen) {
    form.width = 7800;
    form.height = 6600;
    form.left = 200;
    form.top = (screen.height - form.height) / 2;
    Label2[0].text = "  ";
    Label2[1].text = "  ";
    Label4.text = "  ";
}

void hydro1::SetCaptions() {
    const Application& a = app_;
    form.text = a.Text("  Calcul hydrostatique", "  Hydrostatic computation");
    Label1[0].text = a.Text(
        "Utilisez le tableau de calcul du budget de masse ou entrez directement la valeur du déplacement pour "
        "calculer la hauteur de la ligne de flottaison,\npuis cliquez le bouton 'Déplacement'",
        "Use the mass budget screen or enter directly the displacement value to compute the water level,\n"
        "then click on 'Displacement' button");
    Label1[1].text = a.Text(
        "Entrez la hauteur de la ligne de flottaison pour calculer le déplacement,\n"
        "puis cliquez le bouton 'Z ligne flottaison'",
        "Enter the height of the waterline to compute the displacement\nthen click 'Z Waterline' button.");
    Label1[2].text = a.Text(
        "Cliquez 'Calcul' pour effectuer le calcul désiré, surveillez les commentaires çi-dessous\n"
        "Les unités de mesure du niveau de la flottaison et du déplacement sont les mêmes que pour les dimensions "
        "de la coque du bateau (m et m³).",
        "Click on 'Compute' to execute the desired computation, watch comments herebelow\n"
        "Units of mesure for waterline height and displacement are the same as for the dimensions of the hull "
        "(m and m³).");
    Label3[0].text = a.Text("Angle de tanguage (deg)", "Pitch angle (deg)");
    Option1[0].text = a.Text("Déplacement (m3)", "Displacement (m3)");
    Option1[1].text = a.Text("Z ligne flottaison (m)", "Z Waterline (m)");
    Calcul1.text = a.Text("Calcul", "Compute");
    cdQuit.text = a.Text("Terminé", "Quit");
}

// Selecting an option runs its click handler when the selection changes.
void hydro1::SelectOption(int index) {
    if (Option1[index].value) return;
    Option1[index].value = true;
    Option1[1 - index].value = false;
    Option1_Click(index);
}

void hydro1::Form_Activate() {
    SetCaptions();
    HullDesign& d = app_.design;
    if (d.totalMass <= 0) {   // no mass budget yet: a waterline a hundredth of the length up
        Text1[1].text = Three(d.lineLength(0) / 100);
        SelectOption(1);
    }
    Text3[0].text = FormatLocaleNumber(d.pitchAngle * 180 / kPi, "0.0");
    Calcul1_Click();
}

void hydro1::Option1_Click(int index) {
    computeMode = static_cast<std::int16_t>(index);
    Calcul1_Click();
}

void hydro1::Text1_KeyPress(int index, int key) {
    if (key != kEnter) return;
    SelectOption(index);
    Calcul1_Click();
}

void hydro1::Form_Deactivate() { Calcul1_Click(); }

void hydro1::Form_Unload() {
    Calcul1_Click();
    ui_.Hide("mass1");
}

void hydro1::TakeDisplacement(double tonnes) {
    Text1[0].text = Three(tonnes);
    Option1[0].value = true;
    Option1[1].value = false;
    Option1_Click(0);
}

void hydro1::Calcul1_Click() {
    HullDesign& d = app_.design;
    d.pitchAngle = ShownNumber(Text3[0]) * kPi / 180;
    for (Control& box : Text1) NormaliseBox(box);
    d.targetDisplacement = std::fabs(BoxNumber(Text1[0]));
    const double z = BoxNumber(Text1[1]);

    Hydrostatics h;
    {
        BusyPointer busy(ui_);
        Label2[0].text = "  ";
        Label2[1].text = "  ";
        if (computeMode == 0) {
            // The user watches the height converge.
            h = SolveWaterlineForDisplacement(d, z, [&](double height) {
                Text1[1].text = Three(height);
                ui_.Refresh("hydro1");
            });
        } else {
            h = SolveWaterlineForZ(d, z);
        }
        Text1[0].text = Three(h.V);
        d.totalMass = 1000 * h.V;
        Text1[1].text = Three(h.z);
        Text3[0].text = FormatLocaleNumber(d.pitchAngle * 180 / kPi, "0.0");
    }
    lastResult = h;
    ShowStatus(h.status, h.Awp);
    ui_.Refresh("hydro1");
}

void hydro1::ShowStatus(int status, double Awp) {
    const Application& a = app_;
    const HullDesign& d = a.design;
    Control& message = Label2[0];
    if (status < 0) {
        // No station reaches the water: nothing to report below.
        message.backColour = kAfloatColour;
        message.text = a.Text("La coque est hors de l'eau : aucune station n'atteint la ligne de flottaison",
                              "The hull is out of the water: no station reaches the waterline");
        return;
    }
    if (status >= d.lastLine) {
        message.backColour = kSinkingColour;
        message.text = a.Text("ATTENTION : le pont est immergé, le bateau coule !",
                              "WARNING : the deck is immersed, the boat is sinking !");
    } else if (status == 0) {
        message.backColour = kAfloatColour;
        message.text = a.Text("La quille est dans l'eau, le bouchain 1 est émergé",
                              "The keel is in water, chine 1 is emerged");
    } else {
        message.backColour = kAfloatColour;
        const std::string n = std::to_string(status);
        message.text = app_.Language == kFrench ? "Le bouchain " + n + " est immergé" : "Chine " + n + "  is immersed";
    }
    if (status > d.lastLine) return;
    Label2[1].text = std::string(a.Text("Surface du plan de flottaison  = ", "Waterline plane area  = ")) +
                     Three(Awp) + " m2\n" + a.Text("Centre de déplacement :", "Centre of displacement :") +
                     "\nX= " + Three(d.buoyancyX) + " m\nY= " + Three(d.buoyancyY) + " m\nZ= " + Three(d.buoyancyZ) +
                     " m";
}

void hydro1::cdQuit_Click() {
    ui_.Hide("mass1");
    ui_.Hide("hydro1");
    ui_.Show("dessin", false);
    if (DrawWaterline) DrawWaterline();
}

}  // namespace bravik
