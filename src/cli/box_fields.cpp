#include "cli/box_fields.h"

#include <array>
#include <cmath>
#include <regex>
#include <string_view>

#include "app/error.h"
#include "app/number_text.h"

namespace bravik::cli {

namespace {

struct BoxName {
    const char* name;
    int column;   // which control array: 1 = Text1, 2 = Text2, ...
    int index;
};

constexpr std::array<BoxName, 15> kBottomBoxes{{
    {"length", 1, 0},      {"beam-x", 1, 1},       {"half-beam", 1, 2},  {"half-width-fwd", 1, 3},
    {"half-width-aft", 1, 4}, {"power-fwd", 1, 5}, {"power-aft", 1, 6},  {"height-fwd", 2, 0},
    {"height-aft", 2, 1},  {"s-aft", 2, 2},        {"deadrise", 2, 3},   {"keel-advance", 2, 4},
    {"stem-rake", 2, 5},   {"transom-rake", 2, 6}, {"s-fwd", 2, 7},
}};

// Side planks: ROW.FIELD, the field naming the column.
constexpr std::array<BoxName, 4> kPlankColumns{{{"aft", 1, 0}, {"mid", 2, 0}, {"fwd", 3, 0}, {"angle", 4, 0}}};
constexpr std::array<const char*, 3> kPlankOptions{"sheer", "transom-turn", "bow-turn"};

constexpr std::array<BoxName, 7> kAutoPlankBoxes{{
    {"count", 0, 0}, {"first", 1, 0}, {"last", 2, 0}, {"fwd", 2, 1}, {"mid", 2, 2}, {"aft", 2, 3}, {"stem", 4, 0},
}};

constexpr std::array<BoxName, 6> kOverlapBoxes{{
    {"bottom", 1, 0}, {"first-overlap", 1, 1}, {"planks", 2, 0}, {"other-overlap", 2, 1}, {"transom", 3, 1}, {"bow", 3, 2},
}};

template <std::size_t N>
const BoxName* Find(const std::array<BoxName, N>& boxes, std::string_view name) {
    for (const auto& b : boxes)
        if (name == b.name) return &b;
    return nullptr;
}

template <std::size_t N>
std::string Names(const std::array<BoxName, N>& boxes) {
    std::string s;
    for (const auto& b : boxes) s += (s.empty() ? "" : ", ") + std::string(b.name);
    return s;
}

// Plank row 1..5 of "3.fwd".
struct PlankBox {
    int row;                 // 0..4
    const BoxName* column;   // null for an option
    int option = -1;         // index into kPlankOptions
};

PlankBox ParsePlankField(const std::string& name, const std::string& value) {
    for (int o = 0; o < 3; ++o) {
        if (name == kPlankOptions[static_cast<std::size_t>(o)]) {
            const double k = Number(value, name);
            if (k != std::floor(k) || k < 1 || k > 5) throw BravikError(name + " takes a plank number from 1 to 5");
            return {static_cast<int>(k) - 1, nullptr, o};
        }
    }
    const auto dot = name.find('.');
    const BoxName* column = dot == std::string::npos ? nullptr : Find(kPlankColumns, name.substr(dot + 1));
    const std::string row = dot == std::string::npos ? "" : name.substr(0, dot);
    if (column == nullptr || row.size() != 1 || row[0] < '1' || row[0] > '5')
        throw BravikError("unknown planks field \"" + name + "\" (ROW.FIELD with ROW 1 to 5 and FIELD aft, mid, fwd, "
                          "angle; or sheer=K, transom-turn=K, bow-turn=K)");
    Number(value, name);
    return {row[0] - '1', column, -1};
}

void Type(Control& box, const std::string& text, const std::string& name) {
    if (!box.enabled) throw BravikError("the box " + name + " is disabled");
    box.text = text;
}

}  // namespace

std::pair<std::string, std::string> KeyValue(const std::string& word) {
    const auto eq = word.find('=');
    if (eq == std::string::npos || eq == 0) throw BravikError("expected FIELD=VALUE, got \"" + word + "\"");
    return {word.substr(0, eq), word.substr(eq + 1)};
}

Fields KeyValues(const std::vector<std::string>& words) {
    Fields fields;
    for (const auto& w : words) fields.push_back(KeyValue(w));
    return fields;
}

double Number(const std::string& text, const std::string& what) {
    static const std::regex kNumber(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    const std::string n = NormaliseNumberText(text);
    if (!std::regex_match(n, kNumber)) throw BravikError(what + " is not a number: \"" + text + "\"");
    const double v = LenientNumber(n);
    if (v == 0 && n.find_first_of("123456789") != std::string::npos)
        throw BravikError(what + " is out of range: \"" + text + "\"");   // beyond what a double holds
    return v;
}

std::string ScreenTitle(const std::string& form) {
    if (form == "bouchain1") return "the bottom screen";
    if (form == "bouchain2") return "the planks screen";
    if (form == "bouchain3") return "the automatic planking screen";
    return form;
}

void CheckScreenFields(const std::string& form, const std::vector<std::string>& args) {
    for (const auto& [name, value] : KeyValues(args)) {
        if (form == "bouchain1") {
            if (Find(kBottomBoxes, name) == nullptr)
                throw BravikError("unknown bottom field \"" + name + "\" (fields: " + Names(kBottomBoxes) + ")");
            Number(value, name);
        } else if (form == "bouchain2") {
            ParsePlankField(name, value);
        } else {
            if (Find(kAutoPlankBoxes, name) == nullptr)
                throw BravikError("unknown autoplank field \"" + name + "\" (fields: " + Names(kAutoPlankBoxes) + ")");
            Number(value, name);
        }
    }
}

void TypeBottomFields(bouchain1& screen, const Fields& fields) {
    for (const auto& [name, value] : fields) {
        const BoxName* b = Find(kBottomBoxes, name);
        if (b->column == 1) {
            Type(screen.Text1[static_cast<std::size_t>(b->index)], value, name);
            screen.Text1_Change(b->index);
        } else {
            Type(screen.Text2[static_cast<std::size_t>(b->index)], value, name);
        }
    }
}

void TypePlankFields(bouchain2& screen, const Fields& fields) {
    // Options first: the sheer decides which rows take input.
    for (const auto& [name, value] : fields) {
        const PlankBox p = ParsePlankField(name, value);
        if (p.option == 0) screen.OptShear_Click(p.row);
        else if (p.option == 1) screen.OptTableau_Click(p.row);
        else if (p.option == 2) screen.OptMarotte_Click(p.row);
    }
    for (const auto& [name, value] : fields) {
        const PlankBox p = ParsePlankField(name, value);
        if (p.column == nullptr) continue;
        const auto row = static_cast<std::size_t>(p.row);
        Control& box = p.column->column == 1 ? screen.Text1[row]
                       : p.column->column == 2 ? screen.Text2[row]
                       : p.column->column == 3 ? screen.Text3[row]
                                               : screen.Text4[row];
        Type(box, value, name);
    }
}

void TypeAutoPlankFields(bouchain3& screen, const Fields& fields) {
    for (const auto& [name, value] : fields) {
        const BoxName* b = Find(kAutoPlankBoxes, name);
        const auto i = static_cast<std::size_t>(b->index);
        Control& box = b->column == 0 ? screen.Text0 : b->column == 1 ? screen.Text1[i] : b->column == 2 ? screen.Text2[i] : screen.Text4;
        Type(box, value, name);
    }
}

void TypeOverlapFields(overlap1& screen, const Fields& fields) {
    for (const auto& [name, value] : fields) {
        const BoxName* b = Find(kOverlapBoxes, name);
        if (b == nullptr)
            throw BravikError("unknown overlap field \"" + name + "\" (fields: " + Names(kOverlapBoxes) + ", choice)");
        Number(value, name);
        const auto i = static_cast<std::size_t>(b->index);
        if (b->column == 1) {
            screen.Text1[i].text = value;
            screen.Text1_Change(b->index);
        } else if (b->column == 2) {
            screen.Text2[i].text = value;
            screen.Text2_Change(b->index);
        } else {
            screen.Text3[i].text = value;
            screen.Text3_Change(b->index);
        }
    }
}

std::vector<ShownField> CorrectedFields(const std::string& form, const bouchain1& bottom, const bouchain2& planks,
                                        const bouchain3& autoPlanks) {
    std::vector<ShownField> shown;
    auto add = [&](const std::string& name, const Control& box) {
        if (box.backColour != kWhite) shown.push_back({name, box.text, box.backColour});
    };
    if (form == "bouchain1") {
        for (const auto& b : kBottomBoxes) {
            const auto i = static_cast<std::size_t>(b.index);
            add(b.name, b.column == 1 ? bottom.Text1[i] : bottom.Text2[i]);
        }
    } else if (form == "bouchain2") {
        for (std::size_t row = 0; row < 5; ++row) {
            const std::string r = std::to_string(row + 1) + ".";
            add(r + "aft", planks.Text1[row]);
            add(r + "mid", planks.Text2[row]);
            add(r + "fwd", planks.Text3[row]);
            add(r + "angle", planks.Text4[row]);
        }
    } else {
        for (const auto& b : kAutoPlankBoxes) {
            const auto i = static_cast<std::size_t>(b.index);
            add(b.name, b.column == 0 ? autoPlanks.Text0 : b.column == 1 ? autoPlanks.Text1[i]
                        : b.column == 2 ? autoPlanks.Text2[i] : autoPlanks.Text4);
        }
    }
    return shown;
}

}  // namespace bravik::cli
