#pragma once
// Splitting a script line into words.

#include <string>
#include <string_view>
#include <vector>

namespace bravik::cli {

// Words are separated by blanks; a word in double quotes may hold blanks
// ("my boat.D50"), and \" inside quotes is a quote. A # outside quotes
// starts a comment that runs to the end of the line. Throws BravikError on
// an unterminated quote.
std::vector<std::string> SplitWords(std::string_view line);

}  // namespace bravik::cli
