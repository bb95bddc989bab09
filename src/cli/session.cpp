#include "cli/session.h"

#include <cmath>
#include <filesystem>
#include <map>
#include <ostream>
#include <utility>

#include "app/error.h"
#include "app/number_text.h"
#include "cli/box_fields.h"
#include "cli/design_dump.h"
#include "export/development_dxf.h"
#include "export/development_xyz.h"
#include "export/lines_dxf.h"
#include "export/lines_xyz.h"
#include "export/station_dxf.h"
#include "export/vrml.h"
#include "drawing/waterline_view.h"
#include "files/data_file_names.h"
#include "files/project_commands.h"
#include "geometry/hydrostatics.h"

namespace bravik::cli {

namespace {

// The desktop program's screen, as the command-line front end pretends it to be.
constexpr ScreenSize kScreen{28800, 16200};
constexpr double kPlanWidth = 27000, kPlanHeight = 13000;   // twips of the drawing surface

const std::map<std::string, std::pair<std::string, int>> kScreenCommands = {
    {"bottom", {"bouchain1", 0}},
    {"planks", {"bouchain2", 1}},
    {"autoplank", {"bouchain3", 2}},
};

std::string ColourName(Colour c) {
    if (c == kWhite) return "white";
    if (c == kYellow) return "yellow";
    if (c == kOrange) return "orange";
    char buf[32];
    std::snprintf(buf, sizeof buf, "RGB(%u, %u, %u)", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

}  // namespace

Session::Session(std::ostream& out, std::ostream& log, bool keepGoing)
    : out_(out),
      log_(log),
      keepGoing_(keepGoing),
      plan1_(kPlanWidth, kPlanHeight),
      start_(app_, board_, *this),
      bottom_(app_, board_, *this),
      planks_(app_, board_, *this),
      autoPlanks_(app_, board_, *this),
      overlap_(app_, *this),
      hydro_(app_, *this),
      mass_(app_, *this, hydro_) {
    board_.Connect(app_, *this, *this, plan1_);
    hydro_.DrawWaterline = [this] { DrawWaterline(app_.design, plan1_); };
}

// ---- Running a script ---------------------------------------------------------

void Session::Start() {
    // As the program starts: the start screen loads the defaults in English
    // and loads the other windows; then "Create a hull".
    start_.LoadOtherForms = [this] {
        for (const char* form : {"dessin", "bouchain1", "bouchain2"}) Load(form);
    };
    start_.Form_Load(kScreen);
    start_.Create_Click();
}

int Session::Run(std::deque<ScriptLine> lines) {
    source_ = std::move(lines);
    try {
        where_ = "start";
        Start();
        while (!source_.empty() && !ended_) {
            ScriptLine line = std::move(source_.front());
            source_.pop_front();
            Execute(line);
        }
    } catch (const std::exception& e) {
        log_ << "bravik-cli: " << where_ << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}

void Session::Execute(const ScriptLine& line) {
    where_ = line.where;
    answers_.clear();
    written_.clear();
    failures_.clear();
    const std::string& cmd = line.words.at(0);
    const std::vector<std::string> args(line.words.begin() + 1, line.words.end());

    if (auto s = kScreenCommands.find(cmd); s != kScreenCommands.end()) {
        DefinitionScreen(line, s->second.first, s->second.second, args);
        return;
    }
    if (cmd != "language" && cmd != "dump" && cmd != "draw") CloseOpenScreen();

    if (cmd == "new") {
        if (!args.empty()) throw BravikError("new takes no arguments");
        FileCommand("new", {}, fmenu_New_Click);
    } else if (cmd == "open") {
        if (args.size() != 1) throw BravikError("usage: open PATH");
        FileCommand("open", args, fmenu_Open_Click);
    } else if (cmd == "save") {
        if (args.size() != 1) throw BravikError("usage: save PATH");
        FileCommand("save", args, fmenu_S_Data_Click);
    } else if (cmd == "language") {
        if (args.size() != 1 || (args[0] != "fr" && args[0] != "en")) throw BravikError("usage: language fr|en");
        start_.Langue1_Click(args[0] == "fr" ? 0 : 1);
        board_.Form_Activate();
        out_ << "language: " << (args[0] == "fr" ? "Français" : "English") << '\n';
    } else if (cmd == "name") {
        Name(args);
    } else if (cmd == "overlap") {
        Overlap(args);
    } else if (cmd == "redraw") {
        if (!args.empty()) throw BravikError("redraw takes no arguments");
        RequireEnabled(board_.dessine, "Redraw");
        board_.dessine_Click();
        out_ << "redraw: done\n";
    } else if (cmd == "station") {
        Station(args);
    } else if (cmd == "develop") {
        if (!args.empty()) throw BravikError("develop takes no arguments");
        RequireEnabled(board_.Developer, "Develop");
        board_.Developer_Click();
        out_ << "develop: done\n";
    } else if (cmd == "zoom") {
        Zoom(args);
    } else if (cmd == "pan") {
        Pan(args);
    } else if (cmd == "full-view") {
        if (!args.empty()) throw BravikError("full-view takes no arguments");
        board_.Plan1_DblClick();
        out_ << "full-view: done\n";
    } else if (cmd == "hydro") {
        Hydro(args);
    } else if (cmd == "mass") {
        Mass(args);
    } else if (cmd == "export") {
        Export(args);
    } else if (cmd == "draw") {
        Draw(args);
    } else if (cmd == "dump") {
        Dump(args);
    } else {
        throw BravikError("unknown command \"" + cmd + "\" (see bravik-cli --help)");
    }
}

// ---- Definition screens -------------------------------------------------------------

void Session::DefinitionScreen(const ScriptLine& line, const std::string& form, int button,
                               const std::vector<std::string>& args) {
    CheckScreenFields(form, args);   // a misspelt field fails before anything is pressed
    pending_ = line;
    // A screen still open after a refused validation takes its own command;
    // another open screen is validated as it stands first.
    CloseOpenScreen();
    if (!pending_) return;
    RequireEnabled(board_.Command1[button], ScreenTitle(form));
    board_.Command1_Click(button);   // returns when the screen is hidden
    pending_.reset();
}

void Session::RunModal(const std::string& form) {
    int refusedAsItStands = 0;
    while (Visible(form)) {
        std::vector<std::string> args;
        bool typed = false;
        if (pending_ && kScreenCommands.at(pending_->words[0]).first == form) {
            args.assign(pending_->words.begin() + 1, pending_->words.end());
            where_ = pending_->where;
            pending_.reset();
            typed = true;
        } else if (!source_.empty() && kScreenCommands.count(source_.front().words[0]) != 0 &&
                   kScreenCommands.at(source_.front().words[0]).first == form) {
            const ScriptLine next = std::move(source_.front());
            source_.pop_front();
            where_ = next.where;
            args.assign(next.words.begin() + 1, next.words.end());
            CheckScreenFields(form, args);
            typed = true;
        }
        TypeAndValidate(form, args);
        if (!Visible(form)) return;
        if (!keepGoing_) throw BravikError("validation refused: the corrected fields are shown above");
        if (!typed && ++refusedAsItStands >= 2)
            throw BravikError("the screen refuses its own corrections; give the fields explicitly");
        if (!typed && source_.empty()) return;
    }
}

void Session::CloseOpenScreen() {
    for (const auto& [cmd, screen] : kScreenCommands) {
        if (Visible(screen.first)) RunModal(screen.first);
    }
}

void Session::TypeAndValidate(const std::string& form, const std::vector<std::string>& args) {
    std::vector<std::pair<std::string, std::string>> fields;
    for (const auto& a : args) fields.push_back(KeyValue(a));
    if (form == "bouchain1") {
        TypeBottomFields(bottom_, fields);
        bottom_.Valider_Click();
    } else if (form == "bouchain2") {
        TypePlankFields(planks_, fields);
        planks_.Valider_Click();
    } else {
        TypeAutoPlankFields(autoPlanks_, fields);
        autoPlanks_.Valider_Click();
    }
    ReportValidation(form);
}

void Session::ReportValidation(const std::string& form) {
    const std::string name = form == "bouchain1" ? "bottom" : form == "bouchain2" ? "planks" : "autoplank";
    if (!Visible(form)) {
        out_ << name << ": accepted\n";
        return;
    }
    out_ << name << ": refused\n";
    for (const auto& field : CorrectedFields(form, bottom_, planks_, autoPlanks_))
        out_ << "  " << field.name << " =" << (field.text.empty() || field.text[0] != ' ' ? " " : "")
             << field.text << " (" << ColourName(field.colour) << ")\n";
}

// ---- Ui -------------------------------------------------------------------------------

// A beep comes with an orange box or a refused name, which the output
// already reports.
void Session::Beep() {}

void Session::Load(const std::string& form) {
    // A window loads once, the first time it is loaded or shown.
    if (!loaded_.insert(form).second) return;
    if (form == "dessin") board_.Form_Load(kScreen);
    else if (form == "bouchain1") bottom_.Form_Load(kScreen);
    else if (form == "bouchain2") planks_.Form_Load(kScreen);
    else if (form == "overlap1") overlap_.Form_Load();
    else if (form == "hydro1") hydro_.Form_Load(kScreen);
    else if (form == "mass1") mass_.Form_Load(kScreen);
}

void Session::Show(const std::string& form, bool modal) {
    Load(form);
    const bool wasVisible = Visible(form);
    visible_.insert(form);
    if (form == "bouchain1") {
        if (!wasVisible) bottom_.Form_Activate();
        if (modal) RunModal(form);
    } else if (form == "bouchain2") {
        if (!wasVisible) planks_.Form_Activate();
        if (modal) RunModal(form);
    } else if (form == "bouchain3") {
        if (!wasVisible) autoPlanks_.Form_Activate();
        if (modal) RunModal(form);
    } else if (form == "overlap1") {
        overlap_.Form_Activate();
        AnswerOverlapScreen();
    } else if (form == "hydro1") {
        if (!wasVisible) hydro_.Form_Activate();
    } else if (form == "mass1") {
        if (!wasVisible) mass_.Form_Activate();
    } else if (form == "dessin") {
        if (!wasVisible) board_.Form_Activate();
    }
}

void Session::Hide(const std::string& form) {
    if (!Visible(form)) return;
    visible_.erase(form);
    // Leaving a screen deactivates it; the bottom and side-planks screens
    // validate again when they lose the front.
    if (form == "bouchain1") bottom_.Form_Deactivate();
    else if (form == "bouchain2") planks_.Form_Deactivate();
}

void Session::SetFocus(const std::string& form, const std::string& control) {
    if (form == "dessin" && control == "dessine") board_.dessine_GotFocus();
}

// ---- Dialogs ----------------------------------------------------------------------

std::optional<FileChoice> Session::Answer(const char* kind, const FileDialogRequest& request) {
    log_ << "dialog: " << kind << " \"" << request.title << "\" filter \"" << request.filter << "\" folder \""
         << request.initialDir << "\" name \"" << request.fileName << "\"";
    if (answers_.empty()) {
        log_ << " -> cancel\n";
        return std::nullopt;
    }
    std::string path = answers_.front();
    answers_.pop_front();
    // A folder answers every dialog with the name the dialog proposes.
    if (!path.empty() && path.back() == '/') path += request.fileName;
    log_ << " -> " << path << '\n';
    written_.push_back(path);
    return FileChoice{path, std::filesystem::path(path).filename().string()};
}

std::optional<FileChoice> Session::ShowOpen(const FileDialogRequest& request) { return Answer("open", request); }
std::optional<FileChoice> Session::ShowSave(const FileDialogRequest& request) { return Answer("save", request); }

void Session::MessageBox(const std::string& text, const std::string& title) {
    log_ << "message: " << title << ": " << text << '\n';
    // The only message box that reports success is Save Data's, which shows
    // the path it wrote: the chosen one, made a .D50 file.
    for (const auto& p : written_)
        if (text == p || text == DataFilePath(p)) return;
    failures_.push_back(text);
}

void Session::RequireEnabled(const Control& entry, const std::string& what) const {
    if (!entry.enabled) throw BravikError(what + " is not available at this stage of the design");
}

// ---- Commands ---------------------------------------------------------------------

void Session::FileCommand(const std::string& what, const std::vector<std::string>& answers,
                          void (*command)(Application&, dessin&, Ui&, Dialogs&)) {
    answers_.assign(answers.begin(), answers.end());
    command(app_, board_, *this, *this);
    if (!failures_.empty()) throw BravikError(what + " failed: " + failures_.front());
    if (what == "new") out_ << "new: default design \"" << app_.design.hullName << "\"\n";
    else if (what == "open") out_ << "open: " << answers.front() << " (\"" << app_.design.hullName << "\")\n";
    else out_ << "save: " << DataFilePath(written_.front()) << '\n';
}

void Session::Name(const std::vector<std::string>& args) {
    if (args.empty()) throw BravikError("usage: name TEXT");
    std::string text;
    for (const auto& a : args) text += (text.empty() ? "" : " ") + a;
    board_.Text2.text = text;
    board_.Text2_KeyPress(13);
    out_ << "name: " << board_.Text2.text << " (" << ColourName(board_.Text2.backColour) << ")\n";
    if (board_.Text2.backColour == kNameRefused) throw BravikError("hull name refused: it needs 3 characters or more");
}

void Session::Station(const std::vector<std::string>& args) {
    if (args.size() != 1) throw BravikError("usage: station X");
    RequireEnabled(board_.DessCouple, "Draw station");
    board_.Text1.text = args[0];
    board_.DessCouple_Click();
    out_ << "station: point " << app_.design.stationIndex << " at X =" << board_.Text1.text << '\n';
}

void Session::Zoom(const std::vector<std::string>& args) {
    if (args.size() != 4) throw BravikError("usage: zoom X1 Y1 X2 Y2 (twips on the drawing)");
    const double x1 = Number(args[0], "X1"), y1 = Number(args[1], "Y1");
    const double x2 = Number(args[2], "X2"), y2 = Number(args[3], "Y2");
    board_.Plan1_MouseDown(kLeftButton, 0, x1, y1);
    board_.Plan1_MouseMove(kLeftButton, 0, x2, y2);
    board_.Plan1_MouseUp(kLeftButton, 0, x2, y2);
    out_ << "zoom: done\n";
}

void Session::Pan(const std::vector<std::string>& args) {
    if (args.size() != 2) throw BravikError("usage: pan DX DY (twips on the drawing)");
    const double dx = Number(args[0], "DX"), dy = Number(args[1], "DY");
    const double x = kPlanWidth / 2, y = kPlanHeight / 2;
    board_.Plan1_MouseDown(kRightButton, 0, x, y);
    board_.Plan1_MouseMove(kRightButton, 0, x + dx, y + dy);
    board_.Plan1_MouseUp(kRightButton, 0, x + dx, y + dy);
    out_ << "pan: done\n";
}

void Session::Draw(const std::vector<std::string>& args) {
    if (args.size() != 1) throw BravikError("usage: draw PATH.svg");
    plan1_.Save(args[0]);
    out_ << "draw: " << args[0] << '\n';
}

void Session::Dump(const std::vector<std::string>& args) {
    if (args.size() != 1) throw BravikError("usage: dump PATH.json");
    WriteDesignDump(args[0], app_.design, board_.definitionStage, lastHydro_);
    out_ << "dump: " << args[0] << '\n';
}

}  // namespace bravik::cli

namespace bravik::cli {

// ---- Thickness and overlap screen -------------------------------------------------

void Session::Overlap(const std::vector<std::string>& args) {
    std::vector<std::string> fields;
    bool choice = false;
    for (const auto& [name, value] : KeyValues(args)) {
        if (name == "choice") {
            if (value != "cancel" && value != "strip" && value != "lap")
                throw BravikError("choice takes cancel, strip or lap");
            choice = true;
        }
        fields.push_back(name + "=" + value);
    }
    if (!choice) throw BravikError("overlap needs choice=cancel|strip|lap");
    overlapArgs_ = fields;
    out_ << "overlap: answers kept for the next development DXF export\n";
}

void Session::AnswerOverlapScreen() {
    // Without an "overlap" command the screen is left with the button of the
    // construction chosen last (strip planking for a new design).
    int button = app_.design.overlapChoice == 2 ? 2 : 1;
    Fields typed;
    for (const auto& [name, value] : KeyValues(overlapArgs_)) {
        if (name == "choice") button = value == "cancel" ? 0 : value == "strip" ? 1 : 2;
        else typed.emplace_back(name, value);
    }
    TypeOverlapFields(overlap_, typed);
    log_ << "screen: thickness and overlap -> " << (button == 0 ? "cancel" : button == 1 ? "strip planking" : "lap strake")
         << '\n';
    overlap_.Command1_Click(button);
    visible_.erase("overlap1");
}

// ---- Exports ------------------------------------------------------------------------

void Session::Export(const std::vector<std::string>& args) {
    using Command = void (*)(Application&, dessin&, Ui&, Dialogs&);
    struct Kind {
        const char* name;
        Control dessin::*entry;
        Command command;
        int paths;
    };
    static const Kind kinds[] = {
        {"lines-dxf2d", &dessin::fmenu_S_DXF2D, fmenu_S_DXF2D_Click, 1},
        {"lines-dxf3d", &dessin::fmenu_S_DXF3D, fmenu_S_DXF3D_Click, 1},
        {"lines-xyz", &dessin::fmenu_S_XYZ, fmenu_S_XYZ_Click, 1},
        {"vrml", &dessin::fmenu_S_VRML, fmenu_S_VRML_Click, 1},
        {"station-dxf", &dessin::fmenu_Station_DXF, fmenu_Station_DXF_Click, 1},
        {"dev-dxf", &dessin::fmenu_SD_DXF, fmenu_SD_DXF_Click, 2},
        {"dev-xyz", &dessin::fmenu_SD_XYZ, fmenu_SD_XYZ_Click, 1},
    };
    if (args.empty()) throw BravikError("usage: export KIND PATH... (see bravik-cli --help)");
    for (const auto& k : kinds) {
        if (args[0] != k.name) continue;
        if (static_cast<int>(args.size()) != k.paths + 1)
            throw BravikError(std::string("export ") + k.name + (k.paths == 2 ? " needs two paths" : " needs one path"));
        RequireEnabled(board_.*(k.entry), std::string("export ") + k.name);
        std::vector<std::string> answers(args.begin() + 1, args.end());
        if (args[0] == std::string("dev-xyz")) {
            std::filesystem::create_directories(answers[0]);
            std::string dir = answers[0];
            if (dir.back() != '/') dir += '/';
            // One answer per file of the sequence: the folder and the proposed name.
            answers.assign(3 * (kMaxLine + 2), dir);
        }
        answers_.assign(answers.begin(), answers.end());
        k.command(app_, board_, *this, *this);
        if (!failures_.empty()) throw BravikError(std::string("export ") + k.name + " failed: " + failures_.front());
        if (written_.empty()) {
            out_ << "export " << k.name << ": nothing written\n";
            return;
        }
        for (const auto& p : written_) out_ << "export " << k.name << ": " << p << '\n';
        return;
    }
    throw BravikError("unknown export \"" + args[0] + "\" (lines-dxf2d, lines-dxf3d, lines-xyz, vrml, station-dxf, "
                      "dev-dxf, dev-xyz)");
}

}  // namespace bravik::cli

namespace bravik::cli {

// ---- Analysis screens ---------------------------------------------------------------

namespace {

struct MassBox {
    const char* name;
    int row;
    int column;   // 1 density, 3 mass, 4 position
};

constexpr MassBox kMassBoxes[] = {
    {"bottom", 1, 1},      {"plank1", 2, 1},       {"plank2", 3, 1},        {"other-planks", 4, 1},
    {"transom", 5, 1},     {"bow-plate", 6, 1},    {"bulkhead1", 7, 1},     {"bulkhead2", 8, 1},
    {"bulkhead1-x", 7, 4}, {"bulkhead2-x", 8, 4},  {"engine", 13, 3},       {"engine-x", 13, 4},
    {"ballast", 14, 3},    {"ballast-x", 14, 4},   {"passengers", 15, 3},   {"passengers-x", 15, 4},
    {"equipment1", 16, 3}, {"equipment1-x", 16, 4}, {"equipment2", 17, 3},  {"equipment2-x", 17, 4},
    {"equipment3", 18, 3}, {"equipment3-x", 18, 4}, {"floor1", 21, 1},      {"floor2", 22, 1},
    {"deck", 23, 1},       {"deck-1", 24, 1},
};

HydroResult Result(const std::optional<Hydrostatics>& r) {
    if (!r) return {};
    return {true, r->V, r->Awp, r->z, r->status};
}

}  // namespace

void Session::OpenHydroScreens() {
    if (Visible("hydro1") && Visible("mass1")) return;
    RequireEnabled(board_.Hmenu, "The Hydro menu");
    board_.Hmenu_Click();
}

void Session::Hydro(const std::vector<std::string>& args) {
    std::optional<double> displacement, waterline, pitch;
    std::string given[3];
    for (const auto& [name, value] : KeyValues(args)) {
        if (name == "displacement") displacement = Number(value, name), given[0] = value;
        else if (name == "waterline") waterline = Number(value, name), given[1] = value;
        else if (name == "pitch") pitch = Number(value, name), given[2] = value;
        else throw BravikError("unknown hydro field \"" + name + "\" (displacement, waterline, pitch)");
    }
    if (displacement.has_value() == waterline.has_value())
        throw BravikError("hydro takes displacement=V or waterline=Z");
    OpenHydroScreens();
    if (pitch) hydro_.Text3[0].text = given[2];
    const int box = displacement ? 0 : 1;
    hydro_.Text1[static_cast<std::size_t>(box)].text = displacement ? given[0] : given[1];
    hydro_.Text1_KeyPress(box, 13);
    lastHydro_ = Result(hydro_.lastResult);
    out_ << "hydro: displacement " << hydro_.Text1[0].text << " m3, waterline " << hydro_.Text1[1].text
         << " m, pitch " << hydro_.Text3[0].text << " deg\n";
    out_ << "  " << hydro_.Label2[0].text << '\n';
    std::string results = hydro_.Label2[1].text;
    for (std::size_t p = 0; (p = results.find('\n', p)) != std::string::npos; p += 3) results.replace(p, 1, "\n  ");
    if (results.find_first_not_of(' ') != std::string::npos) out_ << "  " << results << '\n';
    // Quit: back to the drawing board, with the waterline drawn on it.
    hydro_.cdQuit_Click();
}

void Session::Mass(const std::vector<std::string>& args) {
    Fields typed = KeyValues(args);
    for (const auto& [name, value] : typed) {
        bool known = false;
        for (const auto& b : kMassBoxes) known = known || name == b.name;
        if (!known) {
            std::string names;
            for (const auto& b : kMassBoxes) names += (names.empty() ? "" : ", ") + std::string(b.name);
            throw BravikError("unknown mass field \"" + name + "\" (fields: " + names + ")");
        }
        Number(value, name);
    }
    OpenHydroScreens();
    for (const auto& [name, value] : typed) {
        for (const auto& b : kMassBoxes) {
            if (name != b.name) continue;
            const auto row = static_cast<std::size_t>(b.row);
            Control& box = b.column == 1 ? mass_.Text1[row] : b.column == 3 ? mass_.Text3[row] : mass_.Text4[row];
            box.text = value;
        }
    }
    mass_.Calcul1_Click();
    lastHydro_ = Result(hydro_.lastResult);
    out_ << "mass: area " << mass_.Text2[0].text << " m2, mass " << mass_.Text3[0].text << " kg, centre X "
         << mass_.Text4[0].text << " m\n";
    for (int row = 1; row < mass1::kRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const std::string mass = mass_.Text3[r].text;
        if (mass.find_first_not_of(' ') == std::string::npos || mass_.Label3[r].text.empty()) continue;
        out_ << "  " << mass_.Label3[r].text << ": " << mass << " kg at X " << mass_.Text4[r].text << '\n';
    }
    out_ << "hydro: displacement " << hydro_.Text1[0].text << " m3, waterline " << hydro_.Text1[1].text << " m\n";
    out_ << "  " << hydro_.Label2[0].text << '\n';
}

}  // namespace bravik::cli
