#include "export/stroke_font.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "dxf_polylines.h"

namespace bravik {
namespace {

using testing::DxfVertex;

std::vector<std::vector<DxfVertex>> Polylines(const std::string& bytes) {
    std::vector<std::vector<DxfVertex>> result;
    for (auto& p : testing::ReadPolylines(bytes)) result.push_back(p.vertices);
    return result;
}

std::string Draw(std::string_view text, double q, double x, double y, double angle) {
    TextFileWriter out;
    DxfWriter dxf(out);
    StrokeFont(dxf, text, q, x, y, angle, 3, 7);
    return out.Bytes();
}

TEST(StrokeFont, DigitOneAtHeightOnePointSix) {
    const auto polylines = Polylines(Draw("1", 1.6, 10, 2, 0));
    ASSERT_EQ(polylines.size(), 1u);
    const std::vector<DxfVertex> expected = {{10.1, 3.2, 0}, {10.4, 3.6, 0}, {10.4, 2.0, 0}};
    ASSERT_EQ(polylines[0].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(polylines[0][i].x, expected[i].x);
        EXPECT_DOUBLE_EQ(polylines[0][i].y, expected[i].y);
        EXPECT_EQ(polylines[0][i].z, 0);
    }
    const std::string bytes = Draw("1", 1.6, 10, 2, 0);
    EXPECT_NE(bytes.find("  8\r\n3\r\n 62\r\n     7\r\n"), std::string::npos);
}

TEST(StrokeFont, SpacesDrawNothingButAdvance) {
    EXPECT_EQ(Draw("", 1, 0, 0, 0), "");
    EXPECT_EQ(Draw("   ", 1, 0, 0, 0), "");
    // "- -": the second hyphen starts two cells further on.
    const auto p = Polylines(Draw("- -", 1, 0, 0, 0));
    ASSERT_EQ(p.size(), 2u);
    EXPECT_DOUBLE_EQ(p[1][0].x - p[0][0].x, 2.0);
}

TEST(StrokeFont, CapitalsDrawTheSmallLetters) {
    EXPECT_EQ(Draw("Transom BOW St41", 0.05, 1, 2, 0.3), Draw("transom bow st41", 0.05, 1, 2, 0.3));
}

TEST(StrokeFont, UnknownCharactersDrawTheSubstituteMarkAndAdvance) {
    const auto marks = Polylines(Draw(".é?", 16, 0, 0, 0));   // é is one character of two bytes
    ASSERT_EQ(marks.size(), 3u);
    const std::vector<DxfVertex> mark = {{0, 4, 0}, {8, 4, 0}, {4, 8, 0}, {4, 0, 0}, {0, 4, 0}};
    for (std::size_t c = 0; c < marks.size(); ++c) {
        ASSERT_EQ(marks[c].size(), mark.size());
        for (std::size_t i = 0; i < mark.size(); ++i) {
            EXPECT_DOUBLE_EQ(marks[c][i].x, mark[i].x + 16.0 * c);
            EXPECT_DOUBLE_EQ(marks[c][i].y, mark[i].y);
        }
    }
}

TEST(StrokeFont, QuarterTurnStandsGlyphsUpAndStacksThemAlongY) {
    const auto p = Polylines(Draw("11", 16, 0, 0, std::numbers::pi / 2));
    ASSERT_EQ(p.size(), 2u);
    // (u, v) = (1, 12) turned a quarter counter-clockwise is (-12, 1).
    EXPECT_NEAR(p[0][0].x, -12, 1e-4);
    EXPECT_NEAR(p[0][0].y, 1, 1e-4);
    EXPECT_NEAR(p[1][0].x, -12, 1e-4);
    EXPECT_NEAR(p[1][0].y, 17, 1e-4);
}

TEST(StrokeFont, EveryGlyphStaysInItsCellAndRetracingGlyphsRepeatVertices) {
    const std::string all = "0123456789abcdefghijklmnopqrstuvwxyz-";
    std::size_t glyphs = 0;
    for (char c : all) {
        const auto g = StrokeGlyph(static_cast<char32_t>(c));
        ASSERT_GE(g.size(), 2u) << c;
        for (const GlyphPoint& p : g) {
            EXPECT_TRUE(p.u >= 0 && p.u <= 10 && p.v >= -2 && p.v <= 16) << c;
        }
        ++glyphs;
    }
    EXPECT_EQ(glyphs, all.size());
    EXPECT_TRUE(StrokeGlyph(U' ').empty());
    // Glyph sizes from the table, which also pins down the retraced vertices.
    EXPECT_EQ(StrokeGlyph(U'3').size(), 13u);
    EXPECT_EQ(StrokeGlyph(U'f').size(), 7u);
    EXPECT_EQ(StrokeGlyph(U'm').size(), 8u);
    EXPECT_EQ(StrokeGlyph(U'y').size(), 7u);
    const auto polylines = Polylines(Draw("3fmy", 1, 0, 0, 0));
    ASSERT_EQ(polylines.size(), 4u);
    EXPECT_EQ(polylines[0].size(), 13u);
    EXPECT_EQ(polylines[3].size(), 7u);
}

}  // namespace
}  // namespace bravik
