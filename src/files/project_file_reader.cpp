#include "files/project_file_reader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/error.h"
#include "app/number_text.h"
#include "files/project_file_layout.h"

namespace bravik {

namespace {

constexpr const char* kTitleMarks[] = {"Bravik2002", "Bravik2005", "Bravik2003"};

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when the number at the start of the text is too large for a double.
// The lenient conversion reads such a number as 0, which would silently turn
// a damaged value into a plausible one; the reader refuses it instead.
bool BeyondDoubleRange(std::string_view text) {
    const std::string t = NormaliseNumberText(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t start = i;
    // Decimal exponent of the leading significant digit.
    long long lead = 0;
    bool significant = false;
    while (i < t.size() && IsDigit(t[i])) {
        if (significant || t[i] != '0') {
            if (significant) ++lead;
            significant = true;
        }
        ++i;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            if (!significant) {
                --lead;
                significant = t[i] != '0';
            }
            ++i;
        }
    }
    if (!significant) return false;
    long long exponent = 0;
    std::size_t end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) negative = t[j++] == '-';
        if (j < t.size() && IsDigit(t[j])) {
            while (j < t.size() && IsDigit(t[j])) {
                if (exponent < 1'000'000) exponent = exponent * 10 + (t[j] - '0');
                ++j;
            }
            if (negative) exponent = -exponent;
            end = j;
        }
    }
    double value = 0;
    const auto result = std::from_chars(t.data() + start, t.data() + end, value);
    // Out of range both ways; only a large magnitude is an overflow.
    return result.ec == std::errc::result_out_of_range && lead + exponent > 0;
}

// The text up to the first comma, blanks around it removed.
std::string FirstField(const std::string& line) {
    const std::string field = line.substr(0, line.find(','));
    const auto first = field.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return field.substr(first, field.find_last_not_of(' ') - first + 1);
}

class BlockReader {
public:
    explicit BlockReader(std::string_view bytes) : in_(bytes) {}

    ProjectFileInput& in() { return in_; }

    double Number() { return Number(in_.ReadDataLine()); }

    double Number(const std::string& line) {
        const double value = LenientNumber(line);
        if (value == 0 && BeyondDoubleRange(line))
            Fail("Line " + std::to_string(in_.lineNumber()) +
                 " of the file holds a number beyond the range of a double");
        return value;
    }

    std::int16_t WholeDegrees() { return WholeDegrees(in_.ReadDataLine()); }

    std::int16_t WholeDegrees(const std::string& line) {
        const double value = RoundHalfEven(Number(line));
        if (value < -32768 || value > 32767)
            Fail("Line " + std::to_string(in_.lineNumber()) +
                 " of the file holds an angle beyond the whole numbers -32768 to 32767");
        return static_cast<std::int16_t>(value);
    }

    [[noreturn]] void Fail(const std::string& message) {
        throw BravikError(message, {}, in_.lineNumber());
    }

private:
    ProjectFileInput in_;
};

// lastLine from the line-end code: the number of up to two characters after
// its first "C"; 4 when there is no "C" or the code starts with it.
int LineCount(const std::string& code) {
    const auto c = code.find('C');
    if (c == std::string::npos || c == 0) return 4;
    return static_cast<int>(RoundHalfEven(LenientNumber(code.substr(c + 1, 2))));
}

void DecodeTurnFlags(const std::string& code, HullDesign& d) {
    const auto amp = code.find('&');
    if (amp == std::string::npos) {
        for (int k = 2; k <= 3; ++k) {
            d.bowTurn(k) = 1;
            d.transomTurn(k) = 1;
        }
        return;
    }
    const std::string letters = code.substr(amp + 1);
    auto flag = [&letters](std::size_t position) -> std::int16_t {   // position counted from 1
        return position <= letters.size() && letters[position - 1] == 'N' ? 1 : -1;
    };
    for (int k = 2; k <= d.lastLine; ++k) {
        d.bowTurn(k) = flag(static_cast<std::size_t>(2 * k - 3));
        d.transomTurn(k) = flag(static_cast<std::size_t>(2 * k - 2));
    }
}

}  // namespace

std::string ProjectFileInput::ReadRawLine() {
    std::string line;
    if (pos_ >= bytes_.size()) return line;
    ++lineNumber_;
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_++];
        if (c == '\n') break;
        if (static_cast<unsigned char>(c) >= 32) line += c;
    }
    return line;
}

std::string ProjectFileInput::ReadDataLine() {
    std::string line = ReadRawLine();
    for (char& c : line)
        if (c == ',') c = '.';
    return line;
}

std::string ProjectFileInput::ReadField() { return FirstField(ReadRawLine()); }

std::string ReadProjectFileBytes(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw BravikError(std::strerror(errno), path);
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, n);
        if (bytes.size() > kMaxProjectFileBytes)
            throw BravikError("This file is too large to be a Bravik data file", path);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(file.get())) throw BravikError(std::strerror(errno), path);
    return bytes;
}

bool IsOldLayoutPath(std::string_view path) {
    return path.size() >= 2 && path.substr(path.size() - 2) == "51";
}

void ReadProjectFile(std::string_view bytes, bool oldLayout, HullDesign& d,
                     const std::function<void()>& blockRead) {
    BlockReader r(bytes);
    ProjectFileInput& in = r.in();

    // The title line is recognised by the product name anywhere in it, so
    // that a hull name with a comma does not hide it.
    const std::string first = in.ReadRawLine();
    bool titled = false;
    for (const char* mark : kTitleMarks) titled = titled || Contains(first, mark);
    const std::string code = titled ? in.ReadField() : FirstField(first);

    const int lastLine = LineCount(code);
    if (lastLine < 0 || lastLine > kMaxLine)
        r.Fail("The line count " + std::to_string(lastLine) + " in the line-end code \"" + code +
               "\" is outside 0 to " + std::to_string(kMaxLine));
    d.lastLine = static_cast<std::int16_t>(lastLine);

    d.powerFwd = r.Number();
    d.powerAft = r.Number();
    d.sShapeAft = r.Number();
    d.sShapeFwd = oldLayout ? 0 : r.Number();
    d.keelAdvanceAngle = r.WholeDegrees();
    d.bowAngle = r.WholeDegrees();
    d.transomAngle = r.WholeDegrees();

    for (int k = 0; k <= lastLine; ++k) {
        if (blockRead) blockRead();
        std::string line = in.ReadDataLine();
        if (Contains(line, "LINE")) {
            line = in.ReadDataLine();
        } else if (Contains(line, "EOF")) {
            if (k < 2)
                r.Fail("The file ends before the values of line " + std::to_string(k) +
                       (k == 0 ? " (the keel)" : " (the first chine)"));
            // A shorter file: the last line repeats the one below it.
            d.plankAngle(k - 1) = d.plankAngle(k - 2);
            d.plankAngle(k) = d.plankAngle(k - 1);
            for (auto field : kLineBlockFields) (d.*field)(k) = (d.*field)(k - 1);
            break;
        }
        d.plankAngle(k) = r.WholeDegrees(line);
        for (auto field : kLineBlockFields) (d.*field)(k) = r.Number();
    }

    const std::string stem = in.ReadDataLine();
    d.stemShape = Contains(stem, "EOF") ? 0 : r.Number(stem);

    DecodeTurnFlags(code, d);
}

}  // namespace bravik
