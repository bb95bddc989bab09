// The hull name box: on Enter the typed name is taken in upper case when it
// has 3 to 15 characters, cut to 15 on a yellow background when longer, and
// refused with a beep ("BRAVIK" on orange) when shorter.
#include <string>
#include <string_view>
#include <vector>

#include "drawing/dessin.h"

namespace bravik {

namespace {

// The characters of a UTF-8 text, each as its own byte sequence.
std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

// Upper case of one character: ASCII letters and the accented letters of
// the Latin-1 range (à..þ except ÷), which is what a name on a hull uses.
std::string Upper(const std::string& c) {
    if (c.size() == 1 && c[0] >= 'a' && c[0] <= 'z') return std::string(1, static_cast<char>(c[0] - 'a' + 'A'));
    if (c.size() == 2 && static_cast<unsigned char>(c[0]) == 0xC3) {
        const unsigned char b = static_cast<unsigned char>(c[1]);
        if (b >= 0xA0 && b <= 0xBE && b != 0xB7) return std::string{c[0], static_cast<char>(b - 0x20)};
    }
    return c;
}

std::string UpperFirst(const std::vector<std::string>& chars, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < chars.size() && i < count; ++i) out += Upper(chars[i]);
    return out;
}

}  // namespace

void dessin::Text2_KeyPress(int keyAscii) {
    if (keyAscii != 13) return;
    HullDesign& d = App().design;
    {
        BusyPointer busy(UI());
        const auto chars = Characters(Text2.text);
        if (chars.size() <= 2) {
            UI().Beep();
            Text2.text = "BRAVIK";
            Text2.backColour = kNameRefused;
        } else if (chars.size() < 16) {
            Text2.text = UpperFirst(chars, chars.size());
            d.hullName = Text2.text;
            Text2.backColour = kWindowBackground;
        } else {
            Text2.text = UpperFirst(chars, 15);
            d.hullName = Text2.text;
            Text2.backColour = kYellow;
        }
    }
    UI().SetMousePointer(MousePointer::Default);
}

}  // namespace bravik
