#include "files/project_file_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "files_test_support.h"

namespace bravik {
namespace {

using testing::ReadBytes;
using testing::SplitLines;

// The golden file was read line by line against the layout before it was
// committed; BRAVIK_GENERATE=1 writes it again.
TEST(ProjectFileWriter, DefaultDesignGivesTheGoldenFile) {
    HullDesign d;
    ResetToDefaults(d);
    const std::string bytes = ProjectFileText(d).Bytes();
    const std::string golden = TEST_DATA_DIR "/files/default.D50";
    if (std::getenv("BRAVIK_GENERATE")) std::ofstream(golden, std::ios::binary) << bytes;
    EXPECT_EQ(bytes, ReadBytes(golden));

    const auto lines = SplitLines(bytes);
    ASSERT_EQ(lines.size(), 95u);
    EXPECT_EQ(lines[0], "BRAVIK2005 - Bravik2005");
    EXPECT_EQ(lines[1], "&NNNNNRRRC05");
    EXPECT_EQ(lines[8], "-25");                 // transomAngle
    EXPECT_EQ(lines[9], "LINE  0");
    EXPECT_EQ(lines[14], "3.79714464961842");   // maxBeamX(0) to 15 digits
    EXPECT_EQ(lines[16], "-.201928733586521");  // heightAtMaxBeam(0): no zero before the point
    EXPECT_EQ(lines[9 + 14], "LINE  1");
    EXPECT_EQ(lines[9 + 5 * 14], "LINE  5");
    EXPECT_EQ(lines[94], "EOF ");
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "EOF \r\n");
}

TEST(ProjectFileWriter, CodeLineCarriesEveryTurnFlagAndATwoDigitCount) {
    HullDesign d;
    ResetToDefaults(d);
    d.lastLine = 12;
    for (int k = 2; k <= 12; ++k) {
        d.bowTurn(k) = k % 2 == 0 ? 1 : -1;
        d.transomTurn(k) = k == 12 ? 1 : -1;
    }
    EXPECT_EQ(LineEndCode(d), "&NRRRNRRRNRRRNRRRNRRRNNC12");
    d.lastLine = 1;
    EXPECT_EQ(LineEndCode(d), "&C01");
    const auto lines = SplitLines(ProjectFileText(d).Bytes());
    EXPECT_EQ(lines.size(), 9u + 2 * 14 + 2);
}

TEST(ProjectFileWriter, HullNameIsWrittenInTheEightBitCodePage) {
    HullDesign d;
    ResetToDefaults(d);
    d.hullName = "CARÈNE";
    EXPECT_EQ(SplitLines(ProjectFileText(d).Bytes())[0], "CAR\xC8NE - Bravik2005");
}

}  // namespace
}  // namespace bravik
