#pragma once
// Reads back the polylines of a DXF file the program wrote (entities only),
// to check drawings by their layers, colours and vertices.

#include <string>
#include <vector>

#include "golden.h"

namespace bravik::testing {

struct DxfVertex {
    double x, y, z;
};

struct DxfPolyline {
    int layer = 0, colour = 0;
    std::vector<DxfVertex> vertices;
};

inline std::vector<DxfPolyline> ReadPolylines(const std::string& bytes) {
    const std::vector<std::string> lines = SplitCrLf(bytes);
    std::vector<DxfPolyline> result;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == "POLYLINE")
            result.push_back({std::stoi(lines[i + 2]), std::stoi(lines[i + 4]), {}});
        else if (lines[i] == "VERTEX")
            result.back().vertices.push_back(
                {std::stod(lines[i + 6]), std::stod(lines[i + 8]), std::stod(lines[i + 10])});
    }
    return result;
}

inline std::vector<DxfPolyline> OnLayer(const std::vector<DxfPolyline>& all, int layer) {
    std::vector<DxfPolyline> result;
    for (const auto& p : all)
        if (p.layer == layer) result.push_back(p);
    return result;
}

}  // namespace bravik::testing
