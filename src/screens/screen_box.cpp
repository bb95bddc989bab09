#include "screens/screen_box.h"

#include <algorithm>

#include "app/number_text.h"

namespace bravik {

double BoxNumber(const Control& box) { return LenientNumber(box.text); }

double ShownNumber(const Control& box) { return LenientNumber(NormaliseNumberText(box.text)); }

void NormaliseBox(Control& box) { box.text = NormaliseNumberText(box.text); }

bool ShownBelow(double a, double b) { return RoundToDigits(a) < RoundToDigits(b); }

bool ShownAbove(double a, double b) { return RoundToDigits(a) > RoundToDigits(b); }

bool KeepInRange(double& v, double low, double high, Control& box) {
    if (ShownBelow(v, low)) {
        v = low;
    } else if (ShownAbove(v, high)) {
        v = high;
    } else {
        box.backColour = kWhite;
        return true;
    }
    box.backColour = kYellow;
    return false;
}

std::int16_t WholeDegrees(double x) {
    return static_cast<std::int16_t>(std::clamp(RoundHalfEven(x), -32768.0, 32767.0));
}

}  // namespace bravik
