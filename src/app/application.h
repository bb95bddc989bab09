#pragma once
// What lives for the whole run: the one design record and, beside it, the
// interface language.

#include <cstdint>

#include "app/hull_design.h"

namespace bravik {

inline constexpr std::int16_t kFrench = 0;
inline constexpr std::int16_t kEnglish = 1;

struct Application {
    HullDesign design;
    std::int16_t Language = kFrench;   // set to English by the start screen as it loads

    // The wording of a text for the current language.
    const char* Text(const char* french, const char* english) const {
        return Language == kFrench ? french : english;
    }
};

}  // namespace bravik
