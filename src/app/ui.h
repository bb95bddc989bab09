#pragma once
// Platform effects that the screen models ask for but never perform
// themselves: a beep, the busy pointer, showing, hiding, focusing and
// refreshing windows. The desktop program implements this with its toolkit,
// the command-line front end and the tests with plain recorders.

#include <string>

namespace bravik {

// Mouse pointer shapes as the windowing toolkit numbers them.
enum class MousePointer { Default = 0, SizeNESW = 6, SizeNS = 7, SizeNWSE = 8, SizeWE = 9, Hourglass = 11 };

class Ui {
public:
    virtual ~Ui() = default;

    virtual void Beep() = 0;
    virtual void SetMousePointer(MousePointer shape) = 0;
    virtual MousePointer GetMousePointer() const = 0;

    // Windows are named by their form name ("menu2", "dessin", "bouchain1", ...).
    virtual void Show(const std::string& form, bool modal) = 0;
    virtual void Hide(const std::string& form) = 0;
    // Gives the focus to a control of a form ("dessin", "dessine"); the
    // front end runs that control's focus handler.
    virtual void SetFocus(const std::string& form, const std::string& control) = 0;
    // Repaints a form now (progress texts during long computations).
    virtual void Refresh(const std::string& form) = 0;
    // Ends the program (start screen Quit or close box).
    virtual void EndProgram() = 0;
};

// Shows the hourglass for the life of the object and restores the pointer
// that was there before, also when the computation throws.
class BusyPointer {
public:
    explicit BusyPointer(Ui& ui) : ui_(ui), previous_(ui.GetMousePointer()) {
        ui_.SetMousePointer(MousePointer::Hourglass);
    }
    ~BusyPointer() { ui_.SetMousePointer(previous_); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Ui& ui_;
    MousePointer previous_;
};

}  // namespace bravik
