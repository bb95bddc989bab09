#include "export/number_pattern.h"

#include <cmath>
#include <cstdio>

#include "app/number_text.h"

namespace bravik {

namespace {

bool IsPlaceholder(char c) { return c == '0' || c == '#' || c == '.'; }

// One section of a pattern: literal text around a run of placeholders.
struct Section {
    std::string_view prefix, suffix;
    int minIntegerDigits = 0;   // '0' placeholders before the point
    bool hasPoint = false;
    int maxDecimals = 0;        // placeholders after the point
    int minDecimals = 0;        // up to and including the last '0' after the point
};

Section ParseSection(std::string_view text) {
    Section s;
    const std::size_t first = text.find_first_of("0#.");
    if (first == std::string_view::npos) {
        s.prefix = text;
        return s;
    }
    std::size_t end = first;
    while (end < text.size() && IsPlaceholder(text[end])) ++end;
    s.prefix = text.substr(0, first);
    s.suffix = text.substr(end);
    bool afterPoint = false;
    for (std::size_t i = first; i < end; ++i) {
        const char c = text[i];
        if (c == '.') {
            afterPoint = true;
            s.hasPoint = true;
        } else if (afterPoint) {
            ++s.maxDecimals;
            if (c == '0') s.minDecimals = s.maxDecimals;
        } else if (c == '0') {
            ++s.minIntegerDigits;
        }
    }
    return s;
}

// Adds one unit of the last digit to a string of digits and at most one point.
void IncrementLastDigit(std::string& number) {
    for (std::size_t i = number.size(); i-- > 0;) {
        if (number[i] == '.') continue;
        if (number[i] != '9') {
            ++number[i];
            return;
        }
        number[i] = '0';
    }
    number.insert(number.begin(), '1');
}

std::string FormatSection(double magnitude, const Section& s) {
    std::string digits = RoundedMagnitude(magnitude, s.maxDecimals);
    std::string integerPart = digits.substr(0, digits.find('.'));
    std::string decimals = s.maxDecimals > 0 ? digits.substr(integerPart.size() + 1) : std::string();
    while (static_cast<int>(decimals.size()) > s.minDecimals && decimals.back() == '0') decimals.pop_back();
    if (integerPart == "0" && s.minIntegerDigits == 0) integerPart.clear();
    while (static_cast<int>(integerPart.size()) < s.minIntegerDigits) integerPart.insert(integerPart.begin(), '0');
    std::string out = integerPart;
    if (s.hasPoint) out += '.' + decimals;
    return out;
}

}  // namespace

std::string RoundedMagnitude(double v, int decimals) {
    double a = std::isfinite(v) ? std::fabs(v) : 0.0;
    // glibc prints the binary value exactly, rounding only at the last printed
    // digit. With 2·decimals + 20 digits no value that lies below a halfway
    // point can print as that point, so the first dropped digit being 5 or more
    // means the exact value is halfway or beyond: round away from zero.
    const int precision = 2 * decimals + 20;
    const int length = std::snprintf(nullptr, 0, "%.*f", precision, a);
    std::string full(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(full.data(), full.size(), "%.*f", precision, a);
    full.resize(static_cast<std::size_t>(length));

    const std::size_t point = full.find('.');
    const std::size_t keep = point + (decimals > 0 ? 1 + decimals : 0);
    std::string out = full.substr(0, keep);
    if (full[point + 1 + decimals] >= '5') IncrementLastDigit(out);
    return out;
}

std::string FormatNumber(double v, std::string_view pattern) {
    if (!std::isfinite(v)) v = 0;
    const std::size_t semicolon = pattern.find(';');
    const bool negative = v < 0;
    if (negative && semicolon != std::string_view::npos) {
        const Section s = ParseSection(pattern.substr(semicolon + 1));
        return std::string(s.prefix) + FormatSection(-v, s) + std::string(s.suffix);
    }
    const Section s = ParseSection(pattern.substr(0, semicolon));
    return std::string(s.prefix) + (negative ? "-" : "") + FormatSection(std::fabs(v), s) + std::string(s.suffix);
}

std::string FormatLocaleNumber(double v, std::string_view pattern) {
    return WithLocaleSeparator(FormatNumber(v, pattern));
}

}  // namespace bravik
