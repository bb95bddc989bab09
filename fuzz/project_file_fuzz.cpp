// libFuzzer target: any bytes opened as a project file, in both layouts,
// must either give a design with finite lines or be refused with a
// BravikError; never a crash, a hang or undefined behaviour.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "app/error.h"
#include "app/hull_design.h"
#include "files/opened_design_lines.h"
#include "files/project_file_reader.h"

namespace {

const bravik::HullDesign& StartingDesign() {
    static const bravik::HullDesign design = [] {
        bravik::HullDesign d;
        bravik::ResetToDefaults(d);
        return d;
    }();
    return design;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (bool oldLayout : {false, true}) {
        auto d = std::make_unique<bravik::HullDesign>(StartingDesign());
        try {
            bravik::ReadProjectFile(bytes, oldLayout, *d);
            bravik::RecomputeOpenedLines(*d);
        } catch (const bravik::BravikError&) {
        }
    }
    return 0;
}
