#pragma once
// The one error type of the program. It carries the message shown to the
// user and, for a file being read, its path and line. It is caught once, at
// the command boundary, where the message box is shown.

#include <stdexcept>
#include <string>
#include <utility>

namespace bravik {

class BravikError : public std::runtime_error {
public:
    explicit BravikError(const std::string& message, std::string path = {}, int line = 0)
        : std::runtime_error(message), path_(std::move(path)), line_(line) {}
    const std::string& path() const { return path_; }
    int line() const { return line_; }

private:
    std::string path_;
    int line_;
};

}  // namespace bravik
