// Building the largest export files of the default hull in memory (the
// writes themselves are one atomic file write each), and the number
// formatting every coordinate goes through.

#include <benchmark/benchmark.h>

#include "default_hull.h"
#include "export/development_dxf.h"
#include "export/dxf_writer.h"
#include "export/lines_dxf.h"
#include "export/lines_xyz.h"
#include "export/vrml.h"
#include "geometry/plate_development.h"

namespace bravik {
namespace {

void FormatDxfNumbers(benchmark::State& state) {
    double v = -3.14159;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatDxfNumber(v));
        v += 0.001;
    }
}
BENCHMARK(FormatDxfNumbers);

template <class Write>
void File(benchmark::State& state, Write write) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        TextFileWriter out;
        write(out);
        bytes = out.Bytes().size();
        benchmark::DoNotOptimize(out.Bytes().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void Lines2dDxf(benchmark::State& state) {
    const HullDesign d = testing::DefaultHull();
    File(state, [&](TextFileWriter& out) { WriteLines2dDxf(d, out); });
}
BENCHMARK(Lines2dDxf)->Unit(benchmark::kMillisecond);

void LinesXyz(benchmark::State& state) {
    const HullDesign d = testing::DefaultHull();
    File(state, [&](TextFileWriter& out) { WriteLinesXyz(d, kEnglish, out); });
}
BENCHMARK(LinesXyz)->Unit(benchmark::kMillisecond);

void VrmlModel(benchmark::State& state) {
    const HullDesign d = testing::DefaultHull();
    File(state, [&](TextFileWriter& out) { WriteVrml(d, out); });
}
BENCHMARK(VrmlModel)->Unit(benchmark::kMillisecond);

// Develops all five panels and writes them with their lap-strake cut shapes.
void LapStrakePlanksDxf(benchmark::State& state) {
    HullDesign d = testing::PramBowHull();
    DevelopTransom(d);
    DevelopBowPlate(d);
    d.transomThickness = d.bowPlateThickness = 0.012;
    for (int i = 0; i <= 90; ++i)
        for (int k = 1; k <= 4; ++k) d.lapWidth(k, i) = 0.02;
    File(state, [&](TextFileWriter& out) { WritePlanksDxfFile(d, 4, true, out); });
}
BENCHMARK(LapStrakePlanksDxf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bravik
