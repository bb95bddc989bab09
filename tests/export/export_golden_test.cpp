// Every export of the default hull against its golden file, and the same
// bytes under a comma locale where the files promise a point.

#include <gtest/gtest.h>

#include "app/number_text.h"
#include "default_hull.h"
#include "export/developed_panel.h"
#include "export/development_dxf.h"
#include "export/development_xyz.h"
#include "export/lines_dxf.h"
#include "export/lines_xyz.h"
#include "export/station_dxf.h"
#include "export/vrml.h"
#include "geometry/panel_development.h"
#include "geometry/plate_development.h"
#include "golden.h"

namespace bravik {
namespace {

using testing::ExpectMatchesGolden;

template <class Write>
std::string Bytes(Write write) {
    TextFileWriter out;
    write(out);
    return out.Bytes();
}

// The materials of a lap-strake build: 12 mm transom and bow plate, laps of
// 20 mm on the first plank and 15 mm above.
void LapStrakeMaterials(HullDesign& d) {
    d.transomThickness = 0.012;
    d.bowPlateThickness = 0.012;
    for (int i = 0; i <= 90; ++i) {
        d.lapWidth(1, i) = 0.02;
        for (int k = 2; k <= kMaxLine; ++k) d.lapWidth(k, i) = 0.015;
    }
}

// Every file of the default hull, in one place for the golden and the
// comma-locale comparisons.
std::vector<std::pair<std::string, std::string>> AllExports() {
    HullDesign d = testing::DefaultHull();
    HullDesign pram = testing::PramBowHull();
    std::vector<std::pair<std::string, std::string>> files;
    files.emplace_back("lines_2d.dxf", Bytes([&](TextFileWriter& o) { WriteLines2dDxf(d, o); }));
    files.emplace_back("lines_3d.dxf", Bytes([&](TextFileWriter& o) { WriteLines3dDxf(d, o); }));
    files.emplace_back("lines_english.xyz", Bytes([&](TextFileWriter& o) { WriteLinesXyz(d, kEnglish, o); }));
    files.emplace_back("hull.wrl", Bytes([&](TextFileWriter& o) { WriteVrml(d, o); }));
    DevelopTransom(d);
    files.emplace_back("planks_plain.dxf", Bytes([&](TextFileWriter& o) { WritePlanksDxfFile(d, 4, false, o); }));
    files.emplace_back("decks.dxf", Bytes([&](TextFileWriter& o) { WriteDecksDxfFile(d, 5, o); }));
    files.emplace_back("station_41.dxf", Bytes([&](TextFileWriter& o) { WriteStationDxfFile(d, 41, o); }));
    files.emplace_back("transom.xyz", Bytes([&](TextFileWriter& o) { WriteTransomXyzFile(d, "BRAVIK2005_TR.XYZ", o); }));
    for (int k : {0, 1}) {
        const int last = DevelopPanel(d, k);
        const std::string name = "BRAVIK2005_P" + std::to_string(k) + ".XYZ";
        files.emplace_back("plank_" + std::to_string(k) + ".xyz",
                           Bytes([&](TextFileWriter& o) { WritePlankXyzFile(d, k, last, name, o); }));
    }
    DevelopDeck(d, 80, 2, d.X, d.Y, d.Z);
    files.emplace_back("deck_2.xyz", Bytes([&](TextFileWriter& o) { WriteDeckXyzFile(d, 2, "BRAVIK2005_D2.XYZ", o); }));

    DevelopTransom(pram);
    DevelopBowPlate(pram);
    LapStrakeMaterials(pram);
    files.emplace_back("pram_planks_lap.dxf", Bytes([&](TextFileWriter& o) { WritePlanksDxfFile(pram, 4, true, o); }));
    files.emplace_back("pram_bow_plate.xyz",
                       Bytes([&](TextFileWriter& o) { WriteBowPlateXyzFile(pram, "BRAVIK2005_BOW.XYZ", o); }));
    return files;
}

TEST(ExportGolden, DefaultHullFilesMatchTheirGoldenFiles) {
    for (const auto& [name, bytes] : AllExports()) ExpectMatchesGolden(name, bytes);
}

TEST(ExportGolden, CommaLocaleChangesOnlyTheXyzListings) {
    const auto point = AllExports();
    SetLocaleDecimalSeparator(',');
    const auto comma = AllExports();
    SetLocaleDecimalSeparator('.');
    ASSERT_EQ(point.size(), comma.size());
    for (std::size_t f = 0; f < point.size(); ++f) {
        const std::string& name = point[f].first;
        if (name.ends_with(".xyz")) {
            // The listings take the user's separator: every point became a comma.
            std::string expected = point[f].second;
            const std::string firstLine = expected.substr(0, expected.find('\n'));
            for (std::size_t i = firstLine.size(); i < expected.size(); ++i)
                if (expected[i] == '.') expected[i] = ',';
            EXPECT_EQ(comma[f].second, expected) << name;
            EXPECT_NE(comma[f].second.find(",000 "), std::string::npos) << name;
        } else {
            EXPECT_EQ(comma[f].second, point[f].second) << name;
        }
    }
}

}  // namespace
}  // namespace bravik
