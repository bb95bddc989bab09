#pragma once
// Designs, folders and file contents shared by the project-file tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/hull_design.h"
#include "files/project_file_writer.h"
#include "geometry/bottom.h"
#include "geometry/midship_station.h"
#include "geometry/upper_chines.h"

namespace bravik::testing {

// The default bottom with `lastLine` lines: planks rising 4 degrees a line
// from 50, chines 0.15 m apart, half-breadths from the station rule as the
// side planks screen sets them, then the upper lines computed.
inline HullDesign PlankedDesign(int lastLine) {
    HullDesign d;
    ResetToDefaults(d);
    d.hullName = "DORY";
    d.sShapeFwd = 0.3;
    d.stemShape = 1.5;
    d.midshipIndex = MidshipStationIndex(d.maxBeamX(1), d.lineLength(0), 5);
    ComputeBottom(d);
    d.lastLine = static_cast<std::int16_t>(lastLine);
    for (int j = 2; j <= lastLine; ++j) {
        d.plankAngle(j - 1) = static_cast<std::int16_t>(50 + 4 * (j - 1));
        d.bowTurn(j) = d.transomTurn(j) = j % 3 == 0 ? -1 : 1;
        d.maxBeamX(j) = d.maxBeamX(j - 1);
        d.heightFwd(j) = d.heightFwd(j - 1) + 0.15;
        d.heightAtMaxBeam(j) = d.heightAtMaxBeam(j - 1) + 0.15;
        d.heightAft(j) = d.heightAft(j - 1) + 0.15;
        SetFwdHalfWidth(d, j);
        SetAftHalfWidth(d, j);
        SetMidHalfWidth(d, j);
    }
    RecomputeUpperLines(d);
    return d;
}

// A fresh, empty folder for one test.
inline std::filesystem::path TestFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto folder = std::filesystem::path(::testing::TempDir()) / "bravik_files" /
                        (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// The lines of a project file as written, without their CR LF.
inline std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

// Everything Open may change: the stored parameters (as the file writes
// them), the hull name, the lines and the bottom-line tables.
inline void ExpectSameDesign(const HullDesign& a, const HullDesign& b) {
    EXPECT_EQ(ProjectFileText(a).Bytes(), ProjectFileText(b).Bytes());
    EXPECT_EQ(a.hullName, b.hullName);
    EXPECT_EQ(a.midshipIndex, b.midshipIndex);
    EXPECT_TRUE(a.X == b.X && a.Y == b.Y && a.Z == b.Z);
    EXPECT_TRUE(a.bottomLineX == b.bottomLineX && a.bottomLineY == b.bottomLineY &&
                a.bottomLineZ == b.bottomLineZ);
    EXPECT_TRUE(a.bowTurn == b.bowTurn && a.transomTurn == b.transomTurn);
}

}  // namespace bravik::testing
