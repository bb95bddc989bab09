#include "app/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace bravik {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char g_decimalSeparator = '.';

}  // namespace

std::string NormaliseNumberText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ',') out += '.';
        else if (c != ' ') out += c;
    }
    return out;
}

std::string PlainNumberText(double x, int digits) {
    if (!std::isfinite(x)) return x != x ? " 0" : (x > 0 ? " 1.79769313486232E+308" : "-1.79769313486232E+308");
    if (x == 0) return " 0";

    // Round to `digits` significant digits: d.ddd...e±XX.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, x);
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const auto ePos = s.find('e');
    const int exp10 = std::atoi(s.c_str() + ePos + 1);
    std::string mantissa;   // the significant digits, no point
    for (std::size_t i = 0; i < ePos; ++i)
        if (IsDigit(s[i])) mantissa += s[i];
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string body;
    if (exp10 >= digits || exp10 < -5) {
        body = mantissa.substr(0, 1);
        if (mantissa.size() > 1) body += "." + mantissa.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
        body += e;
    } else if (exp10 < 0) {
        body = "." + std::string(static_cast<std::size_t>(-exp10 - 1), '0') + mantissa;
    } else {
        const auto intDigits = static_cast<std::size_t>(exp10 + 1);
        if (mantissa.size() <= intDigits) {
            body = mantissa + std::string(intDigits - mantissa.size(), '0');
        } else {
            body = mantissa.substr(0, intDigits) + "." + mantissa.substr(intDigits);
        }
    }
    return (negative ? "-" : " ") + body;
}

double RoundToDigits(double x, int digits) {
    if (!std::isfinite(x) || x == 0) return x;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, x);
    return std::strtod(buf, nullptr);   // both sides use the same C-locale separator
}

std::string PlainNumberText(double x) { return PlainNumberText(x, 15); }

double LenientNumber(std::string_view text) {
    std::string clean;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') clean += '-';
        ++i;
    }
    bool anyDigit = false;
    auto takeDigits = [&] {
        for (;;) {
            skipBlanks();
            if (i < text.size() && IsDigit(text[i])) {
                clean += text[i++];
                anyDigit = true;
            } else {
                break;
            }
        }
    };
    takeDigits();
    skipBlanks();
    if (i < text.size() && text[i] == '.') {
        clean += '.';
        ++i;
        takeDigits();
    }
    if (!anyDigit) return 0;
    skipBlanks();
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t save = i;
        std::string exponent = "e";
        ++i;
        skipBlanks();
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) exponent += text[i++];
        bool expDigit = false;
        for (;;) {
            skipBlanks();
            if (i < text.size() && IsDigit(text[i])) {
                exponent += text[i++];
                expDigit = true;
            } else {
                break;
            }
        }
        if (expDigit) clean += exponent;
        else i = save;
    }
    if (clean.back() == '.') clean.pop_back();
    if (clean == "-" || clean.empty()) return 0;

    double value = 0;
    const char* first = clean.data();
    const auto result = std::from_chars(first, first + clean.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

double RoundHalfEven(double x) {
    return std::nearbyint(x);   // the default rounding mode rounds ties to even
}

char LocaleDecimalSeparator() { return g_decimalSeparator; }

void SetLocaleDecimalSeparator(char separator) { g_decimalSeparator = separator; }

std::string WithLocaleSeparator(std::string text) {
    for (char& c : text)
        if (c == '.') c = g_decimalSeparator;
    return text;
}

std::string LocaleNumberText(double x) {
    std::string text = PlainNumberText(x);
    if (text[0] == ' ') text.erase(0, 1);
    const std::size_t digitsStart = text[0] == '-' ? 1 : 0;
    if (text[digitsStart] == '.') text.insert(digitsStart, "0");
    return WithLocaleSeparator(text);
}

}  // namespace bravik
