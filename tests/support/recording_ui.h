#pragma once
// A Ui that does nothing but remember what it was asked to do.

#include <string>
#include <vector>

#include "app/ui.h"

namespace bravik::testing {

class RecordingUi : public Ui {
public:
    void Beep() override { ++beeps; events.push_back("beep"); }
    void SetMousePointer(MousePointer shape) override { pointer = shape; }
    MousePointer GetMousePointer() const override { return pointer; }
    void Show(const std::string& form, bool modal) override {
        events.push_back((modal ? "show-modal " : "show ") + form);
    }
    void Hide(const std::string& form) override { events.push_back("hide " + form); }
    void SetFocus(const std::string& form, const std::string& control) override {
        events.push_back("focus " + form + "." + control);
    }
    void Refresh(const std::string& form) override { ++refreshes; lastRefreshed = form; }
    void EndProgram() override { ended = true; events.push_back("end"); }

    bool Saw(const std::string& event) const {
        for (const auto& e : events)
            if (e == event) return true;
        return false;
    }
    void Clear() { events.clear(); beeps = 0; refreshes = 0; }

    std::vector<std::string> events;
    int beeps = 0;
    int refreshes = 0;
    std::string lastRefreshed;
    MousePointer pointer = MousePointer::Default;
    bool ended = false;
};

}  // namespace bravik::testing
