#include "files/project_file_reader.h"

#include <gtest/gtest.h>

#include "app/error.h"
#include "files_test_support.h"

namespace bravik {
namespace {

using testing::JoinLines;
using testing::ReadBytes;
using testing::SplitLines;

std::string Fixture(const std::string& name) { return ReadBytes(TEST_DATA_DIR "/files/" + name); }

// A record with marks in the fields an older file may leave alone.
HullDesign MarkedDesign() {
    HullDesign d;
    ResetToDefaults(d);
    for (int k = 0; k <= kMaxLine; ++k) d.bowTurn(k) = d.transomTurn(k) = -1;
    d.lineLength(5) = 99;
    d.stemShape = 7;
    return d;
}

TEST(ProjectFileReader, ReadDataLineDropsControlCharactersAndTurnsCommasIntoPoints) {
    ProjectFileInput in("1,25\r\n\t-3 .5\r\n\x01\xC8x\nlast");
    EXPECT_EQ(in.ReadDataLine(), "1.25");
    EXPECT_EQ(in.ReadDataLine(), "-3 .5");
    EXPECT_EQ(in.ReadDataLine(), "\xC8x");   // bytes of the 8-bit code page are kept
    EXPECT_EQ(in.ReadDataLine(), "last");
    EXPECT_EQ(in.ReadDataLine(), "");
    EXPECT_EQ(in.lineNumber(), 4);
}

// Every layout the program has written, read into a marked record.
TEST(ProjectFileReader, ReadsEveryLayout) {
    struct Case {
        const char* file;
        bool oldLayout;
        int lastLine;
        double sShapeFwd, stemShape;
        int plankAngle3, plankAngle4;
        double lineLength4, lineLength5;
        std::int16_t bowTurn4, bowTurn5;
    };
    const Case cases[] = {
        {"dory.D50", false, 5, .3, 1.5, 85, 90, 6.5390532154336, 6.5390532154336, 1, -1},
        {"dory.D51", true, 5, 0, 1.5, 85, 90, 6.5390532154336, 6.5390532154336, 1, -1},
        {"untitled.D50", false, 5, .3, 1.5, 85, 90, 6.5390532154336, 6.5390532154336, 1, -1},
        // No "&": lines 2 and 3 turn out, the others keep their flags.
        {"no_ampersand.D50", false, 5, .3, 1.5, 85, 90, 6.5390532154336, 6.5390532154336, -1, -1},
        {"no_headers.D50", false, 5, .3, 1.5, 85, 90, 6.5390532154336, 6.5390532154336, 1, -1},
        {"no_stem.D50", false, 5, .3, 0, 85, 90, 6.5390532154336, 6.5390532154336, 1, -1},
        // EOF in place of the header of line 4: line 4 repeats line 3, line 5 is left alone.
        {"early_eof.D50", false, 5, .3, 0, 70, 70, 6.48428573101355, 99, 1, -1},
        // No "C": four lines.
        {"no_c.D50", false, 4, .3, .5, 85, 90, 6.5390532154336, 99, 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        HullDesign d = MarkedDesign();
        ReadProjectFile(Fixture(c.file), c.oldLayout, d);
        EXPECT_EQ(d.lastLine, c.lastLine);
        EXPECT_EQ(d.powerFwd, 2.5);
        EXPECT_EQ(d.sShapeAft, 1);
        EXPECT_EQ(d.sShapeFwd, c.sShapeFwd);
        EXPECT_EQ(d.keelAdvanceAngle, 40);
        EXPECT_EQ(d.bowAngle, 15);
        EXPECT_EQ(d.transomAngle, -25);
        EXPECT_EQ(d.plankAngle(0), 12);
        EXPECT_EQ(d.maxBeamX(0), 3.79714464961842);
        EXPECT_EQ(d.chinePlaneSlopeY(1), -.208333333333333);
        EXPECT_EQ(d.heightAft(3), .7);
        EXPECT_EQ(d.plankAngle(3), c.plankAngle3);
        EXPECT_EQ(d.plankAngle(4), c.plankAngle4);
        EXPECT_EQ(d.lineLength(4), c.lineLength4);
        EXPECT_EQ(d.lineLength(5), c.lineLength5);
        EXPECT_EQ(d.stemShape, c.stemShape);
        EXPECT_EQ(d.bowTurn(2), 1);
        EXPECT_EQ(d.transomTurn(3), 1);
        EXPECT_EQ(d.bowTurn(4), c.bowTurn4);
        EXPECT_EQ(d.bowTurn(5), c.bowTurn5);
        EXPECT_EQ(d.transomTurn(6), -1);   // never read
    }
}

TEST(ProjectFileReader, LineCountComesFromUpToTwoCharactersAfterTheFirstC) {
    const std::pair<const char*, int> cases[] = {
        {"&NNNNNRRRC05", 5}, {"&C", 0}, {"C05", 4}, {"&NN", 4}, {"&NNC2x", 2},
        {"&NNNNC2.5", 2}, {"&C25", 25}, {"&C.5", 0}, {"&C1,2", 1},
    };
    for (const auto& [code, lastLine] : cases) {
        HullDesign d = MarkedDesign();
        ReadProjectFile(std::string("X - Bravik2003\r\n") + code + "\r\n", false, d);
        EXPECT_EQ(d.lastLine, lastLine) << code;
    }
}

TEST(ProjectFileReader, TitleIsFoundAnywhereInTheFirstLine) {
    auto lines = SplitLines(Fixture("dory.D50"));
    for (const char* title : {"MY,BOAT - Bravik2005", "  x, y, z Bravik2002", "Bravik2005"}) {
        lines[0] = title;
        HullDesign d = MarkedDesign();
        ReadProjectFile(JoinLines(lines), false, d);
        EXPECT_EQ(d.lastLine, 5) << title;
        EXPECT_EQ(d.powerFwd, 2.5) << title;
        EXPECT_EQ(d.stemShape, 1.5) << title;
    }
}

// Files that cannot describe a design are refused with a message that says why.
TEST(ProjectFileReader, RefusesWhatCannotDescribeADesign) {
    const auto dory = SplitLines(Fixture("dory.D50"));
    auto with = [&dory](std::size_t index, const std::string& line) {
        auto lines = dory;
        lines[index] = line;
        return JoinLines(lines);
    };
    auto cutAt = [&dory](std::size_t index) {
        std::vector<std::string> lines(dory.begin(), dory.begin() + static_cast<long>(index));
        lines.push_back("EOF ");
        return JoinLines(lines);
    };
    const std::pair<std::string, const char*> cases[] = {
        {with(1, "&NNNNNRRRC26"), "line count 26"},
        {with(1, "&C-1"), "line count -1"},
        {cutAt(9), "before the values of line 0"},
        {cutAt(9 + 14), "before the values of line 1"},
        {with(2, "1e999"), "Line 3 of the file holds a number beyond the range of a double"},
        {with(20, "-1,5E+400"), "Line 21 of the file holds a number beyond the range of a double"},
        {with(6, "40000"), "Line 7 of the file holds an angle beyond"},
        {with(9 + 14 + 1, "-32769"), "Line 25 of the file holds an angle beyond"},
    };
    for (const auto& [bytes, message] : cases) {
        HullDesign d = MarkedDesign();
        try {
            ReadProjectFile(bytes, false, d);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const BravikError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

TEST(ProjectFileReader, TinyAndWholeValuesAreNotOverflows) {
    const std::pair<const char*, double> cases[] = {
        {"1e-999", 0}, {"0e999", 0}, {"000.000e400", 0}, {"32767", 32767}, {"-32768", -32768},
        {"2.5", 2}, {"3.5", 4}, {"abc", 0}, {"", 0},
    };
    auto lines = SplitLines(Fixture("dory.D50"));
    for (const auto& [text, value] : cases) {
        lines[6] = text;   // keelAdvanceAngle, rounded half to even
        HullDesign d = MarkedDesign();
        ReadProjectFile(JoinLines(lines), false, d);
        EXPECT_EQ(d.keelAdvanceAngle, value) << text;
    }
}

TEST(ProjectFileReader, OldLayoutIsRecognisedByThePathEnding) {
    EXPECT_TRUE(IsOldLayoutPath("/boats/DORY.D51"));
    EXPECT_TRUE(IsOldLayoutPath("dory.d51"));
    EXPECT_FALSE(IsOldLayoutPath("/boats/DORY.D50"));
    EXPECT_FALSE(IsOldLayoutPath("1"));
}

TEST(ProjectFileReader, ReadingTheBytesRefusesMissingAndOversizedFiles) {
    const auto folder = testing::TestFolder();
    EXPECT_THROW(ReadProjectFileBytes((folder / "none.D50").string()), BravikError);
    EXPECT_THROW(ReadProjectFileBytes(folder.string()), BravikError);
    testing::WriteBytes(folder / "big.D50", std::string(kMaxProjectFileBytes + 1, '1'));
    EXPECT_THROW(ReadProjectFileBytes((folder / "big.D50").string()), BravikError);
    EXPECT_EQ(ReadProjectFileBytes(TEST_DATA_DIR "/files/dory.D50"), Fixture("dory.D50"));
}

}  // namespace
}  // namespace bravik
