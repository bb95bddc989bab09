#pragma once
// The default hull and a drawing board connected to recording services.

#include <memory>

#include "app/application.h"
#include "drawing/dessin.h"
#include "default_hull.h"
#include "drawing/recording_surface.h"
#include "geometry/bottom.h"
#include "geometry/upper_chines.h"
#include "recording_ui.h"
#include "scripted_dialogs.h"

namespace bravik::testing {

// The default 6 m hull with its bottom computed and, when asked, its planks.
inline void MakeDefaultHull(HullDesign& d, bool planks) {
    ResetToDefaults(d);
    d.midshipIndex = 41;
    ComputeBottom(d);
    if (planks) ComputeSidePlanks(d);
}

inline constexpr double kBoardWidth = 15000;
inline constexpr double kBoardHeight = 9000;

struct Board {
    Application app;
    RecordingUi ui;
    ScriptedDialogs dialogs;
    RecordingSurface plan1{kBoardWidth, kBoardHeight};
    dessin board;

    Board() {
        app.Language = kEnglish;
        MakeDefaultHull(app.design, false);
        board.Connect(app, ui, dialogs, plan1);
    }
    HullDesign& d() { return app.design; }

    // The board as it stands after a validated bottom (stage 0) or planks
    // (stage 1) and the Redraw the closing screen triggers.
    void DrawnAt(int stage) {
        if (stage > 0) ComputeSidePlanks(app.design);
        board.definitionStage = static_cast<std::int16_t>(stage);
        board.dessine_GotFocus();
    }
};

inline std::unique_ptr<Board> NewBoard() { return std::make_unique<Board>(); }

}  // namespace bravik::testing
