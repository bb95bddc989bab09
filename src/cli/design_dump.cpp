#include "cli/design_dump.h"

#include <nlohmann/json.hpp>

#include "files/atomic_file.h"
#include "geometry/panel_development.h"
#include "geometry/plate_development.h"

namespace bravik::cli {

namespace {

using nlohmann::json;

json Points(const LineTable& t, int k) {
    json a = json::array();
    for (int i = 0; i <= kBowPoint; ++i) a.push_back(t(k, i));
    return a;
}

// The flat outline just developed: lower edge 0..n, upper edge 0..n.
json Outline(const HullDesign& d, int n) {
    json lower = json::array(), upper = json::array();
    for (int i = 0; i <= n; ++i) {
        lower.push_back({d.devLowerX(i), d.devLowerY(i)});
        upper.push_back({d.devUpperX(i), d.devUpperY(i)});
    }
    return {{"lower", lower}, {"upper", upper}};
}

json HalfPlate(const Table2<double, 1, 2, 0, 35>& t, int last) {
    json a = json::array();
    for (int k = 0; k <= last; ++k) a.push_back({{"height", t(1, k)}, {"halfWidth", t(2, k)}});
    return a;
}

}  // namespace

std::string DesignDumpText(HullDesign& d, int definitionStage, const HydroResult& hydro) {
    const int last = d.lastLine;
    json j;
    j["hullName"] = d.hullName;
    j["lastLine"] = last;
    j["midshipIndex"] = d.midshipIndex;
    j["definitionStage"] = definitionStage;

    json lines = json::array();
    for (int k = 0; k <= last; ++k) lines.push_back({{"line", k}, {"X", Points(d.X, k)}, {"Y", Points(d.Y, k)}, {"Z", Points(d.Z, k)}});
    j["lines"] = lines;

    json sections = json::array();
    for (int s = 0; s <= kBowPoint; ++s) {
        json x = json::array(), y = json::array(), z = json::array();
        for (int k = 0; k <= last + 9; ++k) {
            x.push_back(d.sectionX(s, k));
            y.push_back(d.sectionY(s, k));
            z.push_back(d.sectionZ(s, k));
        }
        sections.push_back({{"station", s}, {"X", x}, {"Y", y}, {"Z", z}});
    }
    j["sections"] = sections;

    json angles = json::array();
    for (int k = 0; k <= last; ++k) {
        json a = json::array();
        for (int i = 0; i <= kBowPoint; ++i) a.push_back(d.chineAngle(k, i));
        angles.push_back({{"line", k}, {"angle", a}});
    }
    j["chineAngle"] = angles;

    json dev;
    DevelopPlank(d, 81, 0, d.bottomLineX, d.bottomLineY, d.bottomLineZ);
    dev["bottom"] = Outline(d, 83);
    json planks = json::array();
    for (int k = 1; k <= last - 1; ++k) {
        DevelopPlank(d, 80, k, d.X, d.Y, d.Z);
        json p = Outline(d, 82);
        p["plank"] = k;
        planks.push_back(p);
    }
    dev["planks"] = planks;
    json decks = json::array();
    for (int v = 1; v <= last; ++v) {
        DevelopDeck(d, 80, v, d.X, d.Y, d.Z);
        json p = Outline(d, 82);
        p["line"] = v;
        decks.push_back(p);
    }
    dev["decks"] = decks;
    DevelopTransom(d);
    dev["transom"] = HalfPlate(d.transomDev, last + 9);
    DevelopBowPlate(d);
    dev["bowPlate"] = HalfPlate(d.bowPlateDev, last + 9);
    j["developments"] = dev;

    if (hydro.computed) {
        j["hydrostatics"] = {
            {"volume", hydro.volume},
            {"centre", {{"X", d.buoyancyX}, {"Y", d.buoyancyY}, {"Z", d.buoyancyZ}}},
            {"waterplaneArea", hydro.waterplaneArea},
            {"waterlineZ", hydro.waterlineZ},
            {"status", hydro.status},
            {"pitch", d.pitchAngle},
        };
    } else {
        j["hydrostatics"] = nullptr;
    }
    return j.dump(1) + "\n";
}

void WriteDesignDump(const std::string& path, HullDesign& d, int definitionStage, const HydroResult& hydro) {
    WriteFileAtomically(path, DesignDumpText(d, definitionStage, hydro));
}

}  // namespace bravik::cli
