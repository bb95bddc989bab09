#pragma once
#include <cstdint>

namespace bravik {

// A colour as red + 256·green + 65536·blue.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r) + 256u * static_cast<Colour>(g) + 65536u * static_cast<Colour>(b);
}

// Field backgrounds of the definition screens.
inline constexpr Colour kWhite = Rgb(255, 255, 255);   // accepted as typed
inline constexpr Colour kYellow = Rgb(255, 255, 0);    // brought into range
inline constexpr Colour kOrange = Rgb(255, 125, 0);    // unusable, replaced
inline constexpr Colour kBlack = Rgb(0, 0, 0);

}  // namespace bravik
