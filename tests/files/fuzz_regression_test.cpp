// Inputs kept from fuzzing the reader (and the hostile ones it was seeded
// with), opened the way the fuzz target opens them: each gives a design with
// finite lines or a BravikError, in both layouts.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "app/error.h"
#include "files/opened_design_lines.h"
#include "files/project_file_reader.h"
#include "files_test_support.h"

namespace bravik {
namespace {

TEST(FuzzRegressions, EveryKeptInputOpensOrIsRefused) {
    int files = 0;
    for (const char* folder : {TEST_DATA_DIR "/files", TEST_DATA_DIR "/files/fuzz_regressions"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            ++files;
            const std::string bytes = testing::ReadBytes(entry.path());
            for (bool oldLayout : {false, true}) {
                SCOPED_TRACE(entry.path().filename().string() + (oldLayout ? " as .D51" : ""));
                auto d = std::make_unique<HullDesign>();
                ResetToDefaults(*d);
                try {
                    ReadProjectFile(bytes, oldLayout, *d);
                    RecomputeOpenedLines(*d);
                    EXPECT_TRUE(d->lastLine >= 0 && d->lastLine <= kMaxLine);
                    EXPECT_TRUE(std::isfinite(d->Z(d->lastLine, kBowPoint)));
                } catch (const BravikError& e) {
                    EXPECT_STRNE(e.what(), "");
                }
            }
        }
    }
    EXPECT_GE(files, 12);
}

}  // namespace
}  // namespace bravik
