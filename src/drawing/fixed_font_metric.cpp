#include "drawing/fixed_font_metric.h"

namespace bravik {

namespace {

// Advance widths in twips (15 twips per pixel on a 96 dpi screen).
double CharWidth(unsigned char c) {
    switch (c) {
        case ' ': case '.': case ',': case ':': case ';': case '!': case '\'': case '|':
        case 'i': case 'l': case 'I': case 'j':
            return 60;
        case '-': case '(': case ')': case 'f': case 'r': case 't':
            return 75;
        case 'M': case 'W': case 'm': case 'w':
            return 165;
        default:
            break;
    }
    if (c >= 'A' && c <= 'Z') return 120;
    return 105;
}

}  // namespace

double FixedFontTextWidth(std::string_view text) {
    double w = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) == 0x80) continue;   // continuation byte of a UTF-8 character
        w += CharWidth(c);
    }
    return w;
}

double FixedFontTextHeight() { return 195; }
double FixedFontSize() { return 165; }
double FixedFontAscent() { return 160; }

}  // namespace bravik
