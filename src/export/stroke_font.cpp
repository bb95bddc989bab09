#include "export/stroke_font.h"

#include <array>
#include <cmath>

#include "geometry/plane_offsets.h"

namespace bravik {

namespace {

using G = GlyphPoint;

// Single-stroke glyphs: curves are chamfered corners, the pen retraces a
// stroke where it has to come back, the zero is slashed, i and j have no dots.
constexpr G kDigit0[] = {{0, 2}, {8, 14}, {6, 16}, {2, 16}, {0, 14}, {0, 2}, {2, 0}, {6, 0}, {8, 2}, {8, 14}};
constexpr G kDigit1[] = {{1, 12}, {4, 16}, {4, 0}};
constexpr G kDigit2[] = {{0, 14}, {2, 16}, {6, 16}, {8, 14}, {8, 10}, {0, 1}, {0, 0}, {8, 0}};
constexpr G kDigit3[] = {{0, 14}, {2, 16}, {6, 16}, {8, 14}, {8, 11}, {6, 9}, {2, 9},
                         {6, 9},  {8, 7},  {8, 2},  {6, 0},  {2, 0},  {0, 2}};
constexpr G kDigit4[] = {{8, 4}, {0, 4}, {6, 16}, {6, 0}};
constexpr G kDigit5[] = {{8, 16}, {2, 16}, {1, 10}, {6, 10}, {8, 8}, {8, 2}, {6, 0}, {2, 0}, {0, 2}};
constexpr G kDigit6[] = {{8, 16}, {4, 16}, {0, 12}, {0, 2}, {2, 0}, {6, 0}, {8, 2}, {8, 6}, {6, 8}, {0, 8}};
constexpr G kDigit7[] = {{0, 14}, {1, 16}, {8, 16}, {8, 14}, {2, 0}};
constexpr G kDigit8[] = {{0, 2},  {0, 6},  {8, 10}, {8, 14}, {6, 16}, {2, 16}, {0, 14},
                         {0, 10}, {8, 6},  {8, 2},  {6, 0},  {2, 0},  {0, 2}};
constexpr G kDigit9[] = {{0, 0}, {4, 0}, {8, 4}, {8, 14}, {6, 16}, {2, 16}, {0, 14}, {0, 10}, {2, 8}, {8, 8}};

constexpr G kA[] = {{0, 8}, {7, 8}, {8, 7}, {8, 0}, {1, 0}, {0, 1}, {0, 3}, {1, 4}, {8, 4}};
constexpr G kB[] = {{0, 16}, {0, 0}, {7, 0}, {8, 1}, {8, 7}, {7, 8}, {1, 8}, {0, 7}};
constexpr G kC[] = {{8, 7}, {7, 8}, {1, 8}, {0, 7}, {0, 1}, {1, 0}, {8, 0}};
constexpr G kD[] = {{8, 16}, {8, 0}, {1, 0}, {0, 1}, {0, 7}, {1, 8}, {7, 8}, {8, 7}};
constexpr G kE[] = {{0, 4}, {8, 4}, {8, 7}, {7, 8}, {1, 8}, {0, 7}, {0, 1}, {1, 0}, {8, 0}};
constexpr G kF[] = {{4, 16}, {1, 16}, {0, 15}, {0, 8}, {4, 8}, {0, 8}, {0, 0}};
constexpr G kG[] = {{8, 2}, {1, 2}, {0, 3}, {0, 7}, {1, 8}, {8, 8}, {8, -2}, {0, -2}};
constexpr G kH[] = {{0, 16}, {0, 0}, {0, 8}, {7, 8}, {8, 7}, {8, 0}};
constexpr G kI[] = {{4, 8}, {4, 0}};
constexpr G kJ[] = {{7, 8}, {8, 8}, {8, 0}, {6, -2}, {2, -2}, {1, -1}};
constexpr G kK[] = {{0, 16}, {0, 0}, {0, 4}, {8, 8}, {4, 6}, {8, 0}};
constexpr G kL[] = {{3, 16}, {3, 1}, {4, 0}, {6, 0}};
constexpr G kM[] = {{0, 0}, {0, 8}, {0, 6}, {5, 8}, {5, 0}, {5, 6}, {10, 8}, {10, 0}};
constexpr G kN[] = {{0, 0}, {0, 8}, {0, 6}, {8, 8}, {8, 0}};
constexpr G kO[] = {{0, 2}, {0, 6}, {2, 8}, {6, 8}, {8, 6}, {8, 2}, {6, 0}, {2, 0}, {0, 2}};
constexpr G kP[] = {{0, 2}, {7, 2}, {8, 3}, {8, 7}, {7, 8}, {0, 8}, {0, -2}};
constexpr G kQ[] = {{9, -2}, {8, -2}, {8, 6}, {6, 8}, {2, 8}, {0, 6}, {0, 2}, {2, 0}, {6, 0}, {8, 2}};
constexpr G kR[] = {{0, 0}, {0, 8}, {0, 6}, {6, 8}, {8, 6}};
constexpr G kS[] = {{8, 6}, {6, 8}, {2, 8}, {0, 6}, {7, 3}, {8, 2}, {6, 0}, {2, 0}, {0, 2}};
constexpr G kT[] = {{6, 0}, {2, 0}, {0, 2}, {0, 12}, {0, 8}, {4, 8}};
constexpr G kU[] = {{0, 8}, {0, 1}, {1, 0}, {7, 0}, {8, 1}, {8, 8}};
constexpr G kV[] = {{0, 8}, {4, 0}, {8, 8}};
constexpr G kW[] = {{0, 8}, {3, 0}, {5, 6}, {7, 0}, {10, 8}};
constexpr G kX[] = {{0, 8}, {8, 0}, {4, 4}, {0, 0}, {8, 8}};
constexpr G kY[] = {{0, 8}, {6, 2}, {8, 8}, {6, 2}, {4, -2}, {2, -2}, {0, 0}};
constexpr G kZ[] = {{0, 8}, {8, 8}, {0, 0}, {8, 0}};
constexpr G kHyphen[] = {{0, 4}, {8, 4}};
constexpr G kSubstitute[] = {{0, 4}, {8, 4}, {4, 8}, {4, 0}, {0, 4}};

constexpr std::array<std::span<const G>, 10> kDigits = {kDigit0, kDigit1, kDigit2, kDigit3, kDigit4,
                                                        kDigit5, kDigit6, kDigit7, kDigit8, kDigit9};
constexpr std::array<std::span<const G>, 26> kLetters = {kA, kB, kC, kD, kE, kF, kG, kH, kI, kJ, kK, kL, kM,
                                                         kN, kO, kP, kQ, kR, kS, kT, kU, kV, kW, kX, kY, kZ};

// Decodes the next UTF-8 character of `text` at `pos`; a malformed byte is
// taken as one character of its own (it draws the substitute mark).
char32_t NextCharacter(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = more == 3 ? lead & 0x07 : more == 2 ? lead & 0x0F : more == 1 ? lead & 0x1F : lead;
    while (more-- > 0 && pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
        c = (c << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    return c;
}

}  // namespace

std::span<const GlyphPoint> StrokeGlyph(char32_t c) {
    if (c >= 'A' && c <= 'Z') c = c - 'A' + 'a';
    if (c == ' ') return {};
    if (c >= '0' && c <= '9') return kDigits[c - '0'];
    if (c >= 'a' && c <= 'z') return kLetters[c - 'a'];
    if (c == '-') return kHyphen;
    return kSubstitute;
}

void StrokeFont(DxfWriter& dxf, std::string_view text, double q, double x, double y, double angle,
                std::int16_t layer, std::int16_t colour) {
    // The advance, the origin and every vertex are single precision, as the
    // labels have always been drawn.
    const float stepX = static_cast<float>(q * std::cos(angle)), stepY = static_cast<float>(q * std::sin(angle));
    float x0 = static_cast<float>(x), y0 = static_cast<float>(y);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t ch = NextCharacter(text, pos);
        if (ch != U' ') {
            dxf.BeginPolyline(layer, colour);
            for (const GlyphPoint& p : StrokeGlyph(ch)) {
                const Point2 turned = RotateAbout({p.u * q / 16, p.v * q / 16}, {0, 0}, angle);
                const float vx = static_cast<float>(turned.x) + x0;
                const float vy = static_cast<float>(turned.y) + y0;
                dxf.WriteVertex(layer, colour, vx, vy, 0);
            }
            dxf.EndPolyline();
        }
        x0 += stepX;
        y0 += stepY;
    }
}

}  // namespace bravik
