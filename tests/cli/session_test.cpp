#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "app/application.h"
#include "default_hull.h"
#include "cli/session.h"
#include "export/lines_dxf.h"
#include "export/lines_xyz.h"
#include "export/vrml.h"
#include "files/atomic_file.h"
#include "files/project_file_writer.h"

namespace bravik::cli {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int code;
    std::string out, log;
};

Outcome RunCommands(const std::vector<std::string>& commands, bool keepGoing = false) {
    std::deque<ScriptLine> lines;
    int n = 0;
    for (const auto& c : commands) {
        std::istringstream words(c);
        ScriptLine line{"test:" + std::to_string(++n), {}};
        for (std::string w; words >> w;) line.words.push_back(w);
        lines.push_back(line);
    }
    std::ostringstream out, log;
    Session session(out, log, keepGoing);
    const int code = session.Run(lines);
    return {code, out.str(), log.str()};
}

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("bravik-cli-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    fs::path dir_;
};

std::string Bytes(void (*write)(const HullDesign&, TextFileWriter&), const HullDesign& d) {
    TextFileWriter w;
    write(d, w);
    return w.Bytes();
}

TEST_F(CliTest, ScriptGivesTheSameFilesAsTheCommandsCalledDirectly) {
    const auto r = RunCommands({
        "bottom", "planks",
        "export lines-dxf2d " + Path("BRAVIK2005.2D.DXF"),
        "export lines-dxf3d " + Path("BRAVIK2005.3D.DXF"),
        "export lines-xyz " + Path("BRAVIK2005.XYZ"),
        "export vrml " + Path("BRAVIK2005.WRL"),
        "save " + Path("BRAVIK2005.txt"),
    });
    ASSERT_EQ(r.code, 0) << r.log;
    EXPECT_NE(r.out.find("bottom: accepted"), std::string::npos);
    EXPECT_NE(r.out.find("planks: accepted"), std::string::npos);

    const HullDesign d = testing::DefaultHull();
    EXPECT_EQ(ReadFile(Path("BRAVIK2005.2D.DXF")), Bytes(WriteLines2dDxf, d));
    EXPECT_EQ(ReadFile(Path("BRAVIK2005.3D.DXF")), Bytes(WriteLines3dDxf, d));
    EXPECT_EQ(ReadFile(Path("BRAVIK2005.WRL")), Bytes(WriteVrml, d));
    TextFileWriter xyz;
    WriteLinesXyz(d, kEnglish, xyz);
    EXPECT_EQ(ReadFile(Path("BRAVIK2005.XYZ")), xyz.Bytes());
    const std::string direct = Path("direct.D50");
    WriteProjectFile(direct, d);
    EXPECT_EQ(ReadFile(Path("BRAVIK2005.D50")), ReadFile(direct));
}

TEST_F(CliTest, DumpHoldsTheComputedDesign) {
    const auto r = RunCommands({"planks", "hydro waterline=0.05", "dump " + Path("hull.json")});
    ASSERT_EQ(r.code, 0) << r.log;
    const auto j = nlohmann::json::parse(ReadFile(Path("hull.json")));
    const HullDesign d = testing::DefaultHull();
    EXPECT_EQ(j["lastLine"], 5);
    EXPECT_EQ(j["midshipIndex"], 41);
    EXPECT_EQ(j["definitionStage"], 1);
    ASSERT_EQ(j["lines"].size(), 6u);
    for (int k = 0; k <= 5; ++k)
        for (int i : {0, 41, 82}) {
            EXPECT_EQ(j["lines"][k]["X"][i].get<double>(), d.X(k, i));
            EXPECT_EQ(j["lines"][k]["Z"][i].get<double>(), d.Z(k, i));
        }
    EXPECT_EQ(j["sections"].size(), 83u);
    EXPECT_EQ(j["sections"][40]["Y"].size(), 15u);   // K = 0 .. lastLine + 9
    EXPECT_EQ(j["sections"][40]["Y"][14].get<double>(), d.sectionY(40, 14));
    EXPECT_EQ(j["developments"]["planks"].size(), 4u);
    EXPECT_EQ(j["developments"]["bottom"]["lower"].size(), 84u);
    ASSERT_FALSE(j["hydrostatics"].is_null());
    EXPECT_GT(j["hydrostatics"]["volume"].get<double>(), 0);
    EXPECT_EQ(j["hydrostatics"]["waterlineZ"].get<double>(), 0.05);
}

TEST_F(CliTest, EveryFailureNamesItsLineAndStops) {
    const struct {
        std::vector<std::string> commands;
        const char* where;
        const char* message;
    } cases[] = {
        {{"bottom", "frob 3"}, "test:2", "unknown command \"frob\""},
        {{"bottom length=abc"}, "test:1", "length is not a number"},
        {{"bottom lenght=6"}, "test:1", "unknown bottom field \"lenght\""},
        {{"planks 7.fwd=1"}, "test:1", "unknown planks field"},
        {{"bottom", "open /nonexistent/none.D50"}, "test:2", "open failed"},
        {{"bottom length=0.05"}, "test:1", "validation refused"},
        {{"export lines-dxf2d out.dxf"}, "test:1", "not available at this stage"},
        {{"hydro displacement=1"}, "test:1", "Hydro menu is not available"},
        {{"station"}, "test:1", "usage: station X"},
    };
    for (const auto& c : cases) {
        const auto r = RunCommands(c.commands);
        EXPECT_EQ(r.code, 1) << c.message;
        EXPECT_NE(r.log.find(std::string("bravik-cli: ") + c.where + ": "), std::string::npos) << r.log;
        EXPECT_NE(r.log.find(c.message), std::string::npos) << r.log;
    }
}

TEST_F(CliTest, KeepGoingTypesIntoTheScreenStillOpen) {
    // The corrected beam position stays in the open screen; the next bottom
    // command types only the length and validates what the screen shows.
    const auto r = RunCommands({"bottom beam-x=5", "bottom length=6.5", "dump " + Path("d.json")}, true);
    ASSERT_EQ(r.code, 0) << r.log;
    EXPECT_NE(r.out.find("bottom: refused\n  beam-x = 4.2 (yellow)"), std::string::npos) << r.out;
    const auto j = nlohmann::json::parse(ReadFile(Path("d.json")));
    EXPECT_NEAR(j["lines"][0]["X"][82].get<double>(), 6.5, 1e-12);
    EXPECT_EQ(j["midshipIndex"], 52);   // 4.2 snapped on a 6.5 m hull: (52 - 1) · 6.5 / 80 = 4.14375
}

TEST_F(CliTest, OverlapAnswersTheDevelopmentExport) {
    const auto r = RunCommands({"planks", "overlap bottom=6 planks=6 other-overlap=18 first-overlap=9 choice=lap",
                                "export dev-dxf " + Path("P.DXF") + " " + Path("D.DXF")});
    ASSERT_EQ(r.code, 0) << r.log;
    EXPECT_TRUE(fs::exists(Path("P.DXF")));
    EXPECT_TRUE(fs::exists(Path("D.DXF")));
    EXPECT_NE(r.log.find("lap strake"), std::string::npos);

    const auto cancelled = RunCommands({"planks", "overlap choice=cancel", "export dev-dxf " + Path("C.DXF") + " " + Path("E.DXF")});
    ASSERT_EQ(cancelled.code, 0) << cancelled.log;
    EXPECT_FALSE(fs::exists(Path("C.DXF")));
}

TEST_F(CliTest, BinaryReadsScriptsAndReportsTheScriptLine) {
    const std::string script = Path("hull.txt");
    std::ofstream(script) << "# the default hull\nbottom\n\nplanks 1.angle=oops\n";
    const std::string command = std::string(BRAVIK_CLI_PATH) + " " + script + " > " + Path("out.txt") + " 2> " +
                                Path("err.txt");
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(ReadFile(Path("err.txt")).find(script + ":4: 1.angle is not a number"), std::string::npos)
        << ReadFile(Path("err.txt"));

    const std::string missing = std::string(BRAVIK_CLI_PATH) + " " + Path("none.txt") + " 2> " + Path("err2.txt");
    const int status2 = std::system(missing.c_str());
    EXPECT_EQ(WEXITSTATUS(status2), 1);
    EXPECT_NE(ReadFile(Path("err2.txt")).find("cannot read the script"), std::string::npos);
}

}  // namespace
}  // namespace bravik::cli
