#include "cli/script_words.h"

#include "app/error.h"

namespace bravik::cli {

std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c == '#') break;
        std::string word;
        bool quoted = false;
        while (i < line.size()) {
            const char w = line[i];
            if (quoted) {
                if (w == '\\' && i + 1 < line.size() && line[i + 1] == '"') {
                    word += '"';
                    i += 2;
                    continue;
                }
                if (w == '"') quoted = false;
                else word += w;
                ++i;
                continue;
            }
            if (w == ' ' || w == '\t' || w == '\r' || w == '\n') break;
            if (w == '"') quoted = true;
            else word += w;
            ++i;
        }
        if (quoted) throw BravikError("unterminated quote");
        words.push_back(std::move(word));
    }
    return words;
}

}  // namespace bravik::cli
