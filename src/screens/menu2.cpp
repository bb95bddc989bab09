#include "screens/menu2.h"

#include "app/hull_design.h"

namespace bravik {

namespace {

constexpr const char* kProduct = "Bravik2005";

}  // namespace

menu2::menu2(Application& app, dessin& board, Ui& ui) : app_(app), board_(board), ui_(ui) {}

void menu2::Form_Load(ScreenSize screen) {
    BusyPointer busy(ui_);
    CentreWindow(form, 5000, 6500, screen);

    // A centred vertical stack, each control placed from the one above it.
    Label1.top = 100;
    Label1.height = 400;
    Label1.width = form.width * 9 / 10;
    Label1.left = (form.width - Label1.width) / 2;

    Create.width = form.width / 2;
    Create.height = 500;
    Create.left = (form.width - Create.width) / 2;
    Create.top = Label1.top + Label1.height + 500;

    Terminate.left = Create.left;
    Terminate.width = Create.width;
    Terminate.height = Create.height;
    Terminate.top = Create.top + Create.height + 100;

    Langue1[0].width = 1500;
    Langue1[0].height = 300;
    Langue1[0].left = Create.left;
    Langue1[0].top = Terminate.top + Terminate.height + 200;

    Langue1[1].width = 1500;
    Langue1[1].height = 300;
    Langue1[1].left = Langue1[0].left;
    Langue1[1].top = Langue1[0].top + Langue1[0].height + 100;

    Langue1[0].text = "Français";
    Langue1[1].text = "English";

    // Selecting the English option runs its click handler: the program starts in English.
    Langue1_Click(kEnglish);
    ResetToDefaults(app_.design);

    ui_.Show("menu2", false);
    if (LoadOtherForms) LoadOtherForms();
}

void menu2::Langue1_Click(int index) {
    if (index != kFrench && index != kEnglish) return;
    for (int i = 0; i < 2; ++i) Langue1[i].value = i == index;
    app_.Language = static_cast<std::int16_t>(index);
    Label1.text = kProduct;
    form.text = std::string(" ") + kProduct + "  - version " + " 23 Oct 2005 ";
    Create.text = app_.Text("Créer une carène", "Create a hull");
    Terminate.text = app_.Text("Quitter", "Quit");
}

void menu2::Create_Click() {
    board_.caption = std::string(kProduct) + app_.Text("  -  Nouvelle carène : ", "  -  New Hull : ") +
                     app_.design.hullName;

    board_.Command1[0].enabled = true;
    board_.Command1[1].enabled = false;
    board_.Command1[2].enabled = false;
    // Commands that need computed lines wait for the first validated bottom.
    for (Control* entry : {&board_.fmenu_P_Tout, &board_.fmenu_P_Develop, &board_.fmenu_S_XYZ,
                           &board_.fmenu_S_DXF2D, &board_.fmenu_S_DXF3D, &board_.fmenu_SD_XYZ,
                           &board_.fmenu_SD_DXF, &board_.fmenu_S_VRML, &board_.fmenu_Station_DXF})
        entry->enabled = false;

    ui_.Hide("menu2");
    ui_.Show("dessin", false);
    ui_.Show("bouchain1", true);
}

void menu2::Terminate_Click() {
    ui_.Hide("menu2");
    ui_.EndProgram();
}

void menu2::Form_Unload() { ui_.EndProgram(); }

}  // namespace bravik
