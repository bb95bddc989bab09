#pragma once
// The start screen: fills the design with its defaults, chooses the
// interface language, and opens the drawing board with the bottom screen
// over it ("Create a hull") or ends the program ("Quit").

#include <array>
#include <functional>

#include "app/application.h"
#include "app/control.h"
#include "app/ui.h"
#include "drawing/dessin.h"
#include "screens/window_placement.h"

namespace bravik {

class menu2 {
public:
    menu2(Application& app, dessin& board, Ui& ui);

    void Form_Load(ScreenSize screen);
    void Langue1_Click(int index);     // 0 French, 1 English
    void Create_Click();
    void Terminate_Click();
    void Form_Unload();

    // Run at the end of loading: the front end loads (without showing) the
    // drawing board, the bottom screen and the side-planks screen.
    std::function<void()> LoadOtherForms;

    Control form;        // caption and placement of the window
    Control Label1;      // title
    Control Create;      // "Create a hull"
    Control Terminate;   // "Quit"
    std::array<Control, 2> Langue1;   // language options: 0 French, 1 English

private:
    Application& app_;
    dessin& board_;
    Ui& ui_;
};

}  // namespace bravik
