#pragma once
// Golden files: expected outputs under tests/data/export/, compared line by
// line. BRAVIK_REGENERATE=1 in the environment rewrites them instead; read
// every change in the diff before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace bravik::testing {

inline std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

inline void ExpectMatchesGolden(const std::string& name, const std::string& bytes) {
    const std::string path = std::string(TEST_DATA_DIR) + "/export/" + name;
    const char* regenerate = std::getenv("BRAVIK_REGENERATE");
    if (regenerate != nullptr && std::string(regenerate) == "1") {
        std::ofstream(path, std::ios::binary) << bytes;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << path << " (BRAVIK_REGENERATE=1 writes it)";
    std::stringstream expected;
    expected << in.rdbuf();
    if (expected.str() == bytes) return;
    const auto want = SplitCrLf(expected.str()), got = SplitCrLf(bytes);
    for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i)
        if (want[i] != got[i]) {
            ADD_FAILURE() << name << " line " << i + 1 << ": expected \"" << want[i] << "\", got \"" << got[i] << '"';
            return;
        }
    ADD_FAILURE() << name << ": " << got.size() << " lines instead of " << want.size()
                  << (bytes.ends_with("\r\n") ? "" : " (last line without CR LF)");
}

}  // namespace bravik::testing
