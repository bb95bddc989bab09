// The hull lines files checked by their structure: what each drawing,
// listing and model must hold for any hull.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "default_hull.h"
#include "dxf_polylines.h"
#include "export/lines_dxf.h"
#include "export/lines_xyz.h"
#include "export/vrml.h"

namespace bravik {
namespace {

using testing::OnLayer;
using testing::ReadPolylines;
using testing::SplitCrLf;

const HullDesign& Hull() {
    static const HullDesign d = testing::DefaultHull();
    return d;
}

template <class Write>
std::string Bytes(Write write) {
    TextFileWriter out;
    write(out);
    return out.Bytes();
}

TEST(LinesDxf, TwoDimensionalDrawingHasItsViewsOnTheirLayers) {
    const HullDesign& d = Hull();
    const auto all = ReadPolylines(Bytes([&](TextFileWriter& o) { WriteLines2dDxf(d, o); }));
    const int lines = d.lastLine + 1, sectionPoints = d.lastLine + 10;
    struct Expect {
        int layer, colour, polylines;
    } expected[] = {{1, 7, lines + 2}, {2, 7, lines}, {3, 7, 2 + 2 * lines}, {4, 5, 30}, {5, 6, 7}};
    for (const auto& e : expected) {
        const auto layer = OnLayer(all, e.layer);
        EXPECT_EQ(static_cast<int>(layer.size()), e.polylines) << "layer " << e.layer;
        for (const auto& p : layer) EXPECT_EQ(p.colour, e.colour) << "layer " << e.layer;
    }
    for (const auto& p : all)
        for (const auto& v : p.vertices) EXPECT_EQ(v.z, 0);
    // Plan outline of the keel: centre, one side, the other side, centre.
    EXPECT_EQ(OnLayer(all, 1)[0].vertices.size(), 1u + 83 + 83 + 1);
    // Body-view end section closed through the centreline, stations open.
    EXPECT_EQ(OnLayer(all, 3)[0].vertices.size(), static_cast<std::size_t>(2 * sectionPoints + 1));
    EXPECT_EQ(OnLayer(all, 4).back().vertices.size(), static_cast<std::size_t>(2 * sectionPoints - 1));
}

TEST(LinesDxf, ViewsArePlacedFromWholeMetresBeyondTheExtremes) {
    // The default hull reaches X = 6.53 at the sheer, -0.50 behind the
    // transom, 1.34 in half-breadth and height and -0.20 below the chine:
    // Xmax' = 7, Ymax' = Zmax' = 2, Xmin' = Zmin' = -1, so the body view
    // stands at A = 2·2 + 7 = 11 and the profile base line at B = 2·2 - 1 = 3.
    const HullDesign& d = Hull();
    const auto construction = OnLayer(ReadPolylines(Bytes([&](TextFileWriter& o) { WriteLines2dDxf(d, o); })), 5);
    ASSERT_EQ(construction.size(), 7u);
    const double expected[7][4] = {{-1, 0, 7, 0},  {-1, 3, 7, 3},    {9, 2, 13, -2}, {11, 0, 11, 5},
                                   {9.4, 3, 9, 3}, {12.6, 3, 13, 3}, {11, 0, 9, 0}};
    for (int i = 0; i < 7; ++i) {
        const auto& v = construction[i].vertices;
        ASSERT_EQ(v.size(), 2u);
        EXPECT_DOUBLE_EQ(v[0].x, expected[i][0]) << i;
        EXPECT_DOUBLE_EQ(v[0].y, expected[i][1]) << i;
        EXPECT_DOUBLE_EQ(v[1].x, expected[i][2]) << i;
        EXPECT_DOUBLE_EQ(v[1].y, expected[i][3]) << i;
    }
}

TEST(LinesDxf, BottomOnlyStillDrawsEndSectionsAndConstructionLines) {
    HullDesign d = Hull();
    d.lastLine = 0;
    const auto all = ReadPolylines(Bytes([&](TextFileWriter& o) { WriteLines2dDxf(d, o); }));
    EXPECT_EQ(OnLayer(all, 1).size(), 3u);   // one outline, transom end, bow end
    EXPECT_EQ(OnLayer(all, 3).size(), 4u);   // two end sections, the keel on both sides
    EXPECT_EQ(OnLayer(all, 5).size(), 7u);
}

TEST(LinesDxf, ThreeDimensionalLinesCycleTheirColours) {
    const HullDesign& d = Hull();
    const auto all = ReadPolylines(Bytes([&](TextFileWriter& o) { WriteLines3dDxf(d, o); }));
    ASSERT_EQ(all.size(), 1u + 6 + 1 + 21 + 1);
    const int colours[] = {7, 6, 5, 4, 7, 6};
    for (int k = 0; k <= 5; ++k) {
        EXPECT_EQ(all[1 + k].layer, 1);
        EXPECT_EQ(all[1 + k].colour, colours[k]) << "line " << k;
        EXPECT_EQ(all[1 + k].vertices.size(), 83u * 2 + 1);
        // Closed loop starting and ending on the -Y side at the transom.
        EXPECT_EQ(all[1 + k].vertices.front().y, all[1 + k].vertices.back().y);
    }
    for (int s = 0; s < 21; ++s) {
        EXPECT_EQ(all[8 + s].layer, 2);
        EXPECT_EQ(all[8 + s].colour, 5);
        // Station j = 1 + 4s stands at its own X along the whole section.
        EXPECT_NEAR(all[8 + s].vertices[0].x, d.sectionX(1 + 4 * s, d.lastLine + 9), 1e-4);
    }
    EXPECT_EQ(all.front().vertices.size(), 2u);
}

TEST(LinesXyz, OneBlockPerLineThenTwentyThreeSections) {
    const HullDesign& d = Hull();
    const auto lines = SplitCrLf(Bytes([&](TextFileWriter& o) { WriteLinesXyz(d, kEnglish, o); }));
    ASSERT_EQ(lines.size(), 1u + 6 * 86 + 23 * 34 + 1);
    EXPECT_EQ(lines[0], "BRAVIK2005\t created with Bravik2005");
    EXPECT_EQ(lines[1], "LINE \t Keel");
    EXPECT_EQ(lines[2], "     X \t     Y \t     Z");
    EXPECT_EQ(lines[1 + 86], "LINE \t Chine 1");
    const std::size_t sections = 1 + 6 * 86;
    EXPECT_EQ(lines[sections], "TRANSOM");
    EXPECT_EQ(lines[sections + 17], "KEEL");
    EXPECT_EQ(lines[sections + 34], "STATION\t 1 ");
    EXPECT_EQ(lines[sections + 2 * 34], "STATION\t 5 ");
    EXPECT_EQ(lines[sections + 22 * 34], "STEM");
    EXPECT_EQ(lines.back(), "EOF");
    // The keel point is written on both sides of the marker.
    EXPECT_EQ(lines[sections + 16], lines[sections + 18]);
    const std::regex row(R"( [+-]\d+\.\d{3} \t [+-]\d+\.\d{3} \t [+-]\d+\.\d{3} )");
    for (int i = 3; i < 86; ++i) EXPECT_TRUE(std::regex_match(lines[i], row)) << lines[i];
}

TEST(LinesXyz, FrenchTitles) {
    const auto lines = SplitCrLf(Bytes([&](TextFileWriter& o) { WriteLinesXyz(Hull(), kFrench, o); }));
    const std::size_t sections = 1 + 6 * 86;
    EXPECT_EQ(lines[1], "LIGNE \t Quille");
    EXPECT_EQ(lines[1 + 3 * 86], "LIGNE \t Bouchain 3");
    EXPECT_EQ(lines[sections], "TABLEAU");
    EXPECT_EQ(lines[sections + 17], "QUILLE");
    EXPECT_EQ(lines[sections + 21 * 34], "COUPLE\t 81 ");
    EXPECT_EQ(lines[sections + 22 * 34], "ETRAVE");
}

TEST(Vrml, OneClosedMeshPerPlank) {
    const HullDesign& d = Hull();
    const std::string text = Bytes([&](TextFileWriter& o) { WriteVrml(d, o); });
    const auto lines = SplitCrLf(text);
    EXPECT_EQ(lines.front(), "#VRML V2.0 utf8 ");
    EXPECT_EQ(lines.back(), "}    # end transform bateau ");

    std::vector<std::string> materials;
    int shapes = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != "      Shape { # hull ") continue;
        ++shapes;
        std::size_t j = i + 3;
        int triangles = 0, quads = 0, maxIndex = 0;
        for (; lines[j] != "          coord Coordinate { "; ++j) {
            const std::string& l = lines[j];
            // Indices are separated by commas; -1 ends a face.
            int count = 0;
            std::stringstream tokens(l.substr(0, l.find(']')));
            for (std::string token; std::getline(tokens, token, ',');) {
                if (token.find_first_of("0123456789") == std::string::npos) continue;
                const int n = std::stoi(token);
                if (n == -1) continue;
                maxIndex = std::max(maxIndex, n);
                ++count;
            }
            if (l.ends_with(", -1, ")) ++triangles;
            if (l.ends_with(" ] ")) {
                ++quads;
                EXPECT_EQ(count, 4) << l;
            }
        }
        EXPECT_EQ(triangles, 330);
        EXPECT_EQ(quads, 1);
        EXPECT_EQ(maxIndex, 331);
        int points = 0;
        for (j += 2; lines[j] != "            ] "; ++j) ++points;
        EXPECT_EQ(points, 332);
        for (; !lines[j].starts_with("          material"); ++j) {}
        materials.push_back(lines[j]);
    }
    EXPECT_EQ(shapes, 5);
    const std::vector<std::string> colours = {
        "          material Material { diffuseColor  1 0 0 } ", "          material Material { diffuseColor  0 1 0 } ",
        "          material Material { diffuseColor  0 0 1 } ", "          material Material { diffuseColor  .9 .9 .7 } ",
        "          material Material { diffuseColor  .9 .9 .7 } "};
    EXPECT_EQ(materials, colours);
    EXPECT_NE(text.find("\r\n             0, 1, 2, -1, \r\n             1, 3, 2, -1, \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n             330, 331, 1, 0 ] \r\n"), std::string::npos);
}

TEST(Vrml, ViewpointsArePlacedFromLineThreeNearTheBow) {
    const HullDesign& d = Hull();
    const auto lines = SplitCrLf(Bytes([&](TextFileWriter& o) { WriteVrml(d, o); }));
    const auto quarter = std::find(lines.begin(), lines.end(), "    Viewpoint { orientation 0 1 0 -.6 ");
    ASSERT_NE(quarter, lines.end());
    // -0.2·Xr follows the prefix directly: its minus takes the place of the blank.
    EXPECT_TRUE(quarter[1].starts_with("                position -")) << quarter[1];
    EXPECT_EQ(quarter[2], "                description \"Quarter\" ");
    EXPECT_EQ(lines[8], "    Viewpoint { position " + FormatDxfNumber(0.5 * d.X(3, 80)) + FormatDxfNumber(d.Z(3, 80)) +
                            FormatDxfNumber(d.X(3, 80)));
    EXPECT_EQ(lines[9], "                description \"Side\" ");
}

}  // namespace
}  // namespace bravik
