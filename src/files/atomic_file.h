#pragma once
// Every file the program writes goes through here: the content is written
// to a temporary file in the target folder, flushed to disk and renamed over
// the target. A failure throws BravikError with the system's description and
// leaves any earlier file of that name untouched and no temporary file behind.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bravik {

void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Test seam: makes the next writes fail after this many bytes (as a full
// disk would); std::nullopt restores normal writing.
void InjectWriteFailureAfter(std::optional<std::size_t> bytes);

// Collects the lines of a text file (UTF-8 in memory) and writes them in
// Windows-1252 with CR LF line ends, atomically.
class TextFileWriter {
public:
    void Line(std::string_view utf8);           // one line, CR LF appended
    void Raw(std::string_view utf8);            // text without a line end
    const std::string& Bytes() const { return bytes_; }
    void Commit(const std::string& path) const { WriteFileAtomically(path, bytes_); }

private:
    std::string bytes_;
};

}  // namespace bravik
