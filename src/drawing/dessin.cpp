#include "drawing/dessin.h"

#include <stdexcept>

#include "app/number_text.h"
#include "drawing/development_view.h"
#include "drawing/body_plan_view.h"
#include "drawing/lines_view.h"
#include "drawing/scale_and_grid.h"
#include "drawing/station_view.h"
#include "geometry/station_sections.h"

namespace bravik {

void dessin::Connect(Application& app, Ui& ui, Dialogs& dialogs, Surface& plan1) {
    app_ = &app;
    ui_ = &ui;
    dialogs_ = &dialogs;
    Plan1 = &plan1;
}

Application& dessin::App() const {
    if (!app_) throw std::logic_error("drawing board used before Connect");
    return *app_;
}

Ui& dessin::UI() const {
    if (!ui_) throw std::logic_error("drawing board used before Connect");
    return *ui_;
}

Surface& dessin::Surf() const {
    if (!Plan1) throw std::logic_error("drawing board used before Connect");
    return *Plan1;
}

void dessin::Form_GotFocus() { UI().Refresh("dessin"); }

void dessin::Command1_Click(int index) {
    static const char* const kScreens[] = {"bouchain1", "bouchain2", "bouchain3"};
    if (index < 0 || index > 2) return;

    // The lines change on the screen: outputs that read them wait for the next Redraw.
    for (Control* entry : {&fmenu_P_Tout, &fmenu_P_Develop, &fmenu_S_XYZ, &fmenu_S_DXF2D, &fmenu_S_DXF3D,
                           &fmenu_Station_DXF, &fmenu_S_VRML})
        entry->enabled = false;
    definitionStage = static_cast<std::int16_t>(index);
    dessine.enabled = true;

    UI().Show(kScreens[index], true);

    if (index == 0) {
        DessCouple.enabled = false;
        Developer.enabled = false;
    } else {
        Hmenu.enabled = true;
        fmenu_S_VRML.enabled = true;
    }
    UI().SetMousePointer(MousePointer::Default);
}

void dessin::DrawStages() {
    Surface& s = Surf();
    HullDesign& d = App().design;
    DrawGridAndAxes(d, s);
    for (int k = 0; k <= definitionStage; ++k) {
        DrawStageLines(d, k, s);
        DrawStageSections(d, k, s);
    }
    dessine.enabled = true;
}

void dessin::dessine_Click() {
    HullDesign& d = App().design;
    Surface& s = Surf();
    {
        BusyPointer busy(UI());
        s.Clear();
        s.ClearOverlay();
        // Too small a surface or a design without extent: nothing is drawn,
        // but the sections and the commands are brought up to date all the same.
        const bool drawable = ComputeScaleAndDrawGrid(d, definitionStage, s);
        for (int st = 0; st <= kBowPoint; ++st) ComputeStationSection(d, st);
        if (drawable) {
            for (int k = 0; k <= definitionStage; ++k) {
                DrawStageLines(d, k, s);
                DrawStageSections(d, k, s);
            }
        }
        dessine.enabled = true;
        Developer.enabled = true;

        if (definitionStage < 1) {
            if (d.lastLine < 7) {
                Command1[1].enabled = true;
                UI().SetFocus("dessin", "Command1(1)");
            } else {
                Command1[1].enabled = false;
                UI().SetFocus("dessin", "Command1(2)");
            }
            DessCouple.enabled = false;
            fmenu_P_Tout.enabled = true;
            fmenu_P_Develop.enabled = true;
            for (Control* entry : {&fmenu_S_XYZ, &fmenu_S_DXF2D, &fmenu_S_DXF3D, &fmenu_SD_XYZ, &fmenu_SD_DXF,
                                   &fmenu_Station_DXF, &fmenu_S_VRML})
                entry->enabled = false;
        } else {
            UI().SetFocus("dessin", "Developer");
            for (Control* entry : {&DessCouple, &fmenu_P_Tout, &fmenu_P_Develop, &fmenu_S_XYZ, &fmenu_S_DXF2D,
                                   &fmenu_S_DXF3D, &fmenu_SD_XYZ, &fmenu_SD_DXF, &fmenu_S_VRML})
                entry->enabled = true;
        }
    }
    UI().SetMousePointer(MousePointer::Default);
}

void dessin::dessine_GotFocus() { dessine_Click(); }

void dessin::DessCouple_Click() {
    HullDesign& d = App().design;
    Text1.text = NormaliseNumberText(Text1.text);
    {
        BusyPointer busy(UI());
        d.stationX = LenientNumber(Text1.text);
        d.stationIndex = SnapStation(d, d.stationX);
        Text1.text = PlainNumberText(d.X(0, d.stationIndex));
        DrawStation(d, d.stationIndex, Surf());
    }
    UI().SetMousePointer(MousePointer::Default);
    fmenu_Station_DXF.enabled = true;
}

void dessin::Developer_Click() {
    {
        BusyPointer busy(UI());
        DrawDevelopments(App().design, definitionStage, Surf());
    }
    UI().SetMousePointer(MousePointer::Default);
}

void dessin::Hmenu_Click() {
    UI().Show("hydro1", false);
    UI().Show("mass1", false);
}

}  // namespace bravik
