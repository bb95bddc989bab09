#pragma once
// One command of a script, with the place it came from for error messages.

#include <string>
#include <vector>

namespace bravik::cli {

struct ScriptLine {
    std::string where;                 // "-e 2", "hull.txt:5", "stdin:3"
    std::vector<std::string> words;    // the command and its arguments
};

}  // namespace bravik::cli
