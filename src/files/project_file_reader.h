#pragma once
// Reading the project data file back into a design record: the current
// layout (.D50) and every older one (.D51, no title line, no "&" or "C" in
// the line-end code, no LINE headers, line blocks that end early, no
// stemShape line).

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "app/hull_design.h"

namespace bravik {

// A project file being read, line by line.
class ProjectFileInput {
public:
    explicit ProjectFileInput(std::string_view bytes) : bytes_(bytes) {}

    // The next line without its line feed; characters below code 32 are
    // dropped (so CR and tabs vanish) and every comma becomes a point. At the
    // end of the file the result is empty.
    std::string ReadDataLine();

    // The first field of the next line: the text up to its first comma,
    // blanks around it removed. The rest of the line is skipped.
    std::string ReadField();

    // The next line as it is, only the characters below 32 dropped.
    std::string ReadRawLine();

    // Number (from 1) of the line read last.
    int lineNumber() const { return lineNumber_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int lineNumber_ = 0;
};

// A valid project file of any layout is a few kilobytes; anything larger is
// refused before it is read.
inline constexpr std::size_t kMaxProjectFileBytes = 1 << 20;

// The whole file at path; throws BravikError when it cannot be read or is
// larger than kMaxProjectFileBytes.
std::string ReadProjectFileBytes(const std::string& path);

// A path whose last two characters are "51" holds the older layout without
// the forward S-shape line.
bool IsOldLayoutPath(std::string_view path);

// Reads the file's design parameters into d: lastLine, the global
// parameters, the blocks of lines 0..lastLine, stemShape and the turn flags.
// Fields the file does not hold keep their values. Throws BravikError when
// the file cannot describe a design: it ends at the block of line 0 or 1, its
// line count is outside 0..25, a number is beyond the range of a double or a
// whole-degree value beyond 16 bits. blockRead is called before each block.
void ReadProjectFile(std::string_view bytes, bool oldLayout, HullDesign& d,
                     const std::function<void()>& blockRead = {});

}  // namespace bravik
