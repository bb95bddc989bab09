// bravik-cli: scripted design, batch export, drawings and a data dump.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/error.h"
#include "cli/help_text.h"
#include "cli/script_words.h"
#include "cli/session.h"

namespace {

using bravik::cli::ScriptLine;

// Adds the commands of one text (a script or one -e argument); blank lines
// and comments are dropped. Throws BravikError naming the line.
void AddLines(std::deque<ScriptLine>& lines, std::istream& in, const std::string& source, bool numbered) {
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        const std::string where = numbered ? source + ":" + std::to_string(number) : source;
        std::vector<std::string> words;
        try {
            words = bravik::cli::SplitWords(text);
        } catch (const bravik::BravikError& e) {
            throw bravik::BravikError(where + ": " + e.what());
        }
        if (!words.empty()) lines.push_back({where, std::move(words)});
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::deque<ScriptLine> lines;
    bool keepGoing = false;
    std::string script;
    int commandNumber = 0;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "-h" || arg == "--help") {
                std::cout << bravik::cli::kHelpText;
                return 0;
            } else if (arg == "--keep-going") {
                keepGoing = true;
            } else if (arg == "-e") {
                if (i + 1 >= argc) throw bravik::BravikError("-e needs a command");
                std::istringstream in(argv[++i]);
                AddLines(lines, in, "-e " + std::to_string(++commandNumber), false);
            } else if (!script.empty() || (arg.size() > 1 && arg[0] == '-')) {
                throw bravik::BravikError("unexpected argument \"" + arg + "\" (see bravik-cli --help)");
            } else {
                script = arg;
            }
        }
        if (script == "-") {
            AddLines(lines, std::cin, "stdin", true);
        } else if (!script.empty()) {
            std::ifstream in(script);
            if (!in) throw bravik::BravikError("cannot read the script \"" + script + "\"");
            AddLines(lines, in, script, true);
        }
    } catch (const std::exception& e) {
        std::cerr << "bravik-cli: " << e.what() << '\n';
        return 1;
    }
    bravik::cli::Session session(std::cout, std::cerr, keepGoing);
    return session.Run(std::move(lines));
}
