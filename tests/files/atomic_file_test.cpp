#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/error.h"
#include "files_test_support.h"

namespace bravik {
namespace {

using testing::FileNames;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

class AtomicFile : public ::testing::Test {
protected:
    void TearDown() override { InjectWriteFailureAfter(std::nullopt); }
};

TEST_F(AtomicFile, WriteThatFailsPartWayLeavesTheOldFileAndNoTemporary) {
    const auto folder = TestFolder();
    const auto path = folder / "boat.D50";
    WriteBytes(path, "old content\r\n");
    for (std::size_t failAfter : {0u, 1u, 4096u, 9000u}) {
        InjectWriteFailureAfter(failAfter);
        EXPECT_THROW(WriteFileAtomically(path.string(), std::string(10000, 'x')), BravikError);
        EXPECT_EQ(ReadBytes(path), "old content\r\n") << failAfter;
        EXPECT_EQ(FileNames(folder), std::vector<std::string>{"boat.D50"}) << failAfter;
    }
    InjectWriteFailureAfter(std::nullopt);
    WriteFileAtomically(path.string(), "new");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{"boat.D50"});
}

TEST_F(AtomicFile, FailureNamesTheSystemErrorAndThePath) {
    const auto path = TestFolder() / "missing" / "boat.D50";
    try {
        WriteFileAtomically(path.string(), "x");
        FAIL() << "no error";
    } catch (const BravikError& e) {
        EXPECT_STREQ(e.what(), "No such file or directory");
        EXPECT_EQ(e.path(), path.string());
    }
}

TEST_F(AtomicFile, ReplacedFileKeepsItsPermissions) {
    const auto path = TestFolder() / "boat.D50";
    WriteBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    WriteFileAtomically(path.string(), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(AtomicFile, TextFileWriterUsesCrLfAndWindows1252) {
    TextFileWriter out;
    out.Line("Dérive");
    out.Raw("€");
    EXPECT_EQ(out.Bytes(), "D\xE9rive\r\n\x80");
}

}  // namespace
}  // namespace bravik
