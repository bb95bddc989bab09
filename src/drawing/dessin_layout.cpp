// Where the drawing board's controls go: their sizes when the window loads
// and their places each time it is resized (twips).
#include <cmath>

#include "app/number_text.h"
#include "drawing/dessin.h"

namespace bravik {

namespace {

int Twips(double x) { return static_cast<int>(std::lround(x)); }

}  // namespace

void dessin::Form_Load(ScreenSize screen) {
    const HullDesign& d = App().design;

    // 1. The window nearly fills the screen.
    form.width = Twips(0.96 * screen.width);
    form.left = Twips(0.02 * screen.width);
    form.height = Twips(0.92 * screen.height);
    form.top = Twips(0.03 * screen.height);

    // 2. to 6. Button, label and box sizes.
    dessine.height = 400;
    dessine.width = 1300;
    Cancel.height = dessine.height;
    Cancel.width = 1000;
    Developer.height = dessine.height;
    Developer.width = dessine.width;
    Command1[0].width = 1400;
    Command1[0].height = dessine.height;
    for (int i = 1; i <= 2; ++i) {
        Command1[i].width = Command1[0].width;
        Command1[i].height = Command1[0].height;
    }
    DessCouple.height = Command1[0].height;
    DessCouple.width = 1400;
    DessCouple.left = Label1.left;
    Label2.height = Label1.height;
    Label2.width = 950;
    Text2.width = 2800;
    Text2.text = d.hullName;
    Label1.height = 200;
    Label1.width = 1000;
    Text1.width = 1000;
    Text1.text = PlainNumberText(d.maxBeamX(1));

    // 7. Only the bottom can be defined yet.
    for (Control* c : {&DessCouple, &Command1[1], &Developer, &dessine, &Hmenu}) c->enabled = false;
    fmenu_PSetup.enabled = true;
    UI().Refresh("dessin");
}

void dessin::Form_Resize() {
    if (!(form.height > 4000 && form.width > 10000)) return;

    Plan1Layout.width = form.width - 200;
    Plan1Layout.left = 40;
    Plan1Layout.height = form.height - 2000;
    Plan1Layout.top = 40;

    Label2.top = Plan1Layout.height + 250;
    Label2.left = 200;
    Text2.left = Label2.width + Label2.left + 50;
    Text2.top = Label2.top - 50;

    Command1[0].top = Label2.height + Label2.top + 200;
    Command1[0].left = Label2.left;
    Command1[1].top = Command1[0].top;
    Command1[1].left = Command1[0].width + Command1[0].left + 100;
    Command1[2].top = Command1[0].top;
    Command1[2].left = Command1[1].width + Command1[1].left + 100;

    Label1.top = Label2.top;
    Label1.left = Command1[2].width + Command1[2].left + 300;
    Text1.top = Label1.top - 50;
    Text1.left = Label1.width + Label1.left + 100;
    DessCouple.width = Text1.width + Text1.left - Label1.left;
    DessCouple.left = Label1.left;
    DessCouple.top = Command1[0].top;

    Cancel.top = Label2.top - 50;
    Cancel.left = Plan1Layout.width - Cancel.width;
    dessine.top = Cancel.top;
    dessine.left = Cancel.left - dessine.width - 200;
    Developer.top = DessCouple.top;
    Developer.left = dessine.left;
}

}  // namespace bravik
