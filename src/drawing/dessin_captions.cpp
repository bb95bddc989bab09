// The drawing board's captions in the current language, set each time the
// window becomes active. Run-time menu captions carry no access key, except
// the Hydro menu's.
#include "drawing/dessin.h"

namespace bravik {

void dessin::Form_Activate() {
    const Application& app = App();
    auto set = [&](Control& c, const char* french, const char* english) { c.text = app.Text(french, english); };

    caption = app.Text("  Planche à dessin  ", "  Drawing board  ");
    set(Command1[0], "Fond", "Bottom");
    set(Command1[1], "Bordés", "Planks");
    set(Command1[2], "Auto Bordés", "Auto Planking");
    set(Label1, "Station X=", "Station X=");
    set(Label2, "Lignes de ", "Lines of ");
    set(DessCouple, "Dessiner couple", "Draw station");
    set(Developer, "Développer", "Develop");
    set(dessine, "Redessiner", "Redraw lines");
    set(Cancel, "Terminer", "Quit");

    set(fmenu, "Fichier", "File");
    set(fmenu_New, "Nouveau", "New");
    set(fmenu_Open, "Ouvrir", "Open");
    set(fmenu_Save, "Sauvegarde", "Save");
    set(fmenu_S_Data, "Données", "Data");
    set(fmenu_S_XYZ, "Lignes  XYZ", "Lines  XYZ");
    set(fmenu_S_DXF2D, "Lignes 2D DXF", "Lines 2D DXF");
    set(fmenu_S_DXF3D, "Lignes 3D DXF", "Lines 3D DXF");
    set(fmenu_SD_XYZ, "Développés XYZ", "Development XYZ");
    set(fmenu_SD_DXF, "Développés DXF", "Development DXF");
    set(fmenu_Station_DXF, "Station DXF", "Station DXF");
    set(fmenu_S_VRML, "VRML", "VRML");
    set(fmenu_Print, "Imprimer", "Print");
    set(fmenu_P_Data, "Données", "Data");
    set(fmenu_P_Dessin, "Dessin", "Drawing");
    set(fmenu_P_Develop, "Développés", "Development");
    set(fmenu_P_Station, "Station", "Station");
    set(fmenu_P_Tout, "Tous offsets", "All offsets");
    set(fmenu_PSetup, "Choix imprimante", "Printer setup");
    set(fmenu_Quit, "Quitter", "Quit");
    set(Hmenu, "&Hydro", "&Hydro");

    UI().Refresh("dessin");
}

}  // namespace bravik
