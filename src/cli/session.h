#pragma once
// The program as bravik-cli drives it: the same design record, drawing board
// and screen models as the desktop program, with the platform services
// answered from the script. Commands type into the same boxes and press the
// same buttons a person would.
//
// A definition screen is modal: the drawing board's button returns only when
// the screen is hidden. While a screen stays open after a refused
// validation, the following commands for the same screen type into it and
// press Validation again; any other command first presses Validation on it
// as it stands.

#include <deque>
#include <iosfwd>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "cli/design_dump.h"
#include "cli/script_line.h"
#include "drawing/dessin.h"
#include "drawing/svg_surface.h"
#include "screens/bouchain1.h"
#include "screens/bouchain2.h"
#include "screens/bouchain3.h"
#include "screens/hydro1.h"
#include "screens/mass1.h"
#include "screens/menu2.h"
#include "screens/overlap1.h"

namespace bravik::cli {

class Session : public Ui, public Dialogs {
public:
    // Results go to `out`, dialogs and messages to `log`.
    Session(std::ostream& out, std::ostream& log, bool keepGoing);

    // Runs the commands in order. Returns 0 when every command succeeded;
    // on the first failure writes one message naming the line to `log` and
    // returns 1.
    int Run(std::deque<ScriptLine> lines);

    Application& App() { return app_; }

    // ---- Ui ----------------------------------------------------------------
    void Beep() override;
    void SetMousePointer(MousePointer shape) override { pointer_ = shape; }
    MousePointer GetMousePointer() const override { return pointer_; }
    void Show(const std::string& form, bool modal) override;
    void Hide(const std::string& form) override;
    void SetFocus(const std::string& form, const std::string& control) override;
    void Refresh(const std::string&) override {}
    void EndProgram() override { ended_ = true; }

    // ---- Dialogs -----------------------------------------------------------
    std::optional<FileChoice> ShowOpen(const FileDialogRequest& request) override;
    std::optional<FileChoice> ShowSave(const FileDialogRequest& request) override;
    void MessageBox(const std::string& text, const std::string& title) override;
    bool PrinterSetup() override { return false; }

private:
    void Execute(const ScriptLine& line);
    void Start();

    // Commands.
    void DefinitionScreen(const ScriptLine& line, const std::string& form, int button,
                          const std::vector<std::string>& args);
    void TypeAndValidate(const std::string& form, const std::vector<std::string>& args);
    void ReportValidation(const std::string& form);
    void Overlap(const std::vector<std::string>& args);
    void AnswerOverlapScreen();
    void OpenHydroScreens();
    void Hydro(const std::vector<std::string>& args);
    void Mass(const std::vector<std::string>& args);
    void Export(const std::vector<std::string>& args);
    void Station(const std::vector<std::string>& args);
    void Zoom(const std::vector<std::string>& args);
    void Pan(const std::vector<std::string>& args);
    void Name(const std::vector<std::string>& args);
    void Dump(const std::vector<std::string>& args);
    void Draw(const std::vector<std::string>& args);
    void FileCommand(const std::string& what, const std::vector<std::string>& answers,
                     void (*command)(Application&, dessin&, Ui&, Dialogs&));

    // A definition screen shown modally: runs commands for it until it hides.
    void Load(const std::string& form);
    void RunModal(const std::string& form);
    void CloseOpenScreen();
    bool Visible(const std::string& form) const { return visible_.count(form) != 0; }
    void RequireEnabled(const Control& entry, const std::string& what) const;
    std::optional<FileChoice> Answer(const char* kind, const FileDialogRequest& request);

    std::ostream& out_;
    std::ostream& log_;
    bool keepGoing_;

    Application app_;
    SvgSurface plan1_;
    dessin board_;
    menu2 start_;
    bouchain1 bottom_;
    bouchain2 planks_;
    bouchain3 autoPlanks_;
    overlap1 overlap_;
    hydro1 hydro_;
    mass1 mass_;

    std::deque<ScriptLine> source_;          // commands not run yet
    std::string where_;                      // place of the command running now
    std::optional<ScriptLine> pending_;      // screen command waiting for its screen
    std::set<std::string> loaded_;
    std::set<std::string> visible_;
    std::deque<std::string> answers_;        // file dialog answers of the command running now
    std::vector<std::string> written_;       // paths the command running now chose
    std::vector<std::string> failures_;      // failure message boxes of the command running now
    std::vector<std::string> overlapArgs_;   // answers of the next thickness and overlap screen
    MousePointer pointer_ = MousePointer::Default;
    HydroResult lastHydro_;
    bool ended_ = false;
};

}  // namespace bravik::cli
