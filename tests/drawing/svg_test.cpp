#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "drawing/body_plan_view.h"
#include "drawing/development_view.h"
#include "drawing/lines_view.h"
#include "drawing/scale_and_grid.h"
#include "drawing/svg_surface.h"
#include "drawing_fixture.h"
#include "geometry/station_sections.h"

namespace bravik {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t BigEndian32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

// The drawing board of the default hull, with its developments, written as
// SVG and rendered by an independent SVG renderer.
TEST(SvgSurface, DefaultHullRendersWithRsvgConvert) {
    auto d = std::make_unique<HullDesign>();
    testing::MakeDefaultHull(*d, true);
    SvgSurface svg(14400, 8640);   // 10 × 6 inches
    ASSERT_TRUE(ComputeScaleAndDrawGrid(*d, 1, svg));
    for (int s = 0; s <= kBowPoint; ++s) ComputeStationSection(*d, s);
    for (int k = 0; k <= 1; ++k) {
        DrawStageLines(*d, k, svg);
        DrawStageSections(*d, k, svg);
    }
    DrawDevelopments(*d, 1, svg);

    const std::string doc = svg.Document();
    EXPECT_EQ(doc.rfind("<?xml", 0), 0u);
    EXPECT_NE(doc.find("width=\"10in\" height=\"6in\" viewBox=\"0 0 14400 8640\""), std::string::npos);
    EXPECT_NE(doc.find(">6.0</text>"), std::string::npos);
    EXPECT_NE(doc.find("stroke-dasharray=\"15 30\""), std::string::npos);   // dotted developments
    EXPECT_EQ(doc.find("nan"), std::string::npos);
    EXPECT_EQ(doc.find("inf"), std::string::npos);

    const fs::path dir = fs::temp_directory_path() / ("bravik-svg-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "board.svg", png = dir / "board.png";
    svg.Save(file.string());
    EXPECT_EQ(Read(file), doc);

    if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "rsvg-convert is not installed (scripts/setup installs it)";
    const std::string command = "rsvg-convert -d 96 -p 96 -o '" + png.string() + "' '" + file.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string image = Read(png);
    ASSERT_GT(image.size(), 24u);
    EXPECT_EQ(image.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian32(image, 16), 960u);   // 10 inches at 96 dots per inch
    EXPECT_EQ(BigEndian32(image, 20), 576u);
    fs::remove_all(dir);
}

TEST(SvgSurface, TextIsEscapedAndClearStartsAFreshDrawing) {
    SvgSurface svg(1440, 1440);
    svg.MoveTo(100, 100);
    svg.Print("a<b & \"c\"");
    EXPECT_NE(svg.Document().find(">a&lt;b &amp; &quot;c&quot;</text>"), std::string::npos);
    svg.OverlayLine(0, 0, 10, 10, kBlack);
    EXPECT_NE(svg.Document().find("id=\"overlay\""), std::string::npos);
    svg.Clear();
    svg.ClearOverlay();
    EXPECT_EQ(svg.Document().find("<text"), std::string::npos);
    EXPECT_EQ(svg.Document().find("overlay"), std::string::npos);
}

}  // namespace
}  // namespace bravik
