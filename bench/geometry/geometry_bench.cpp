// Recomputing the upper lines and all 83 station sections, as validating the
// automatic planking screen and the following redraw do, for hulls of 2 to
// 20 side planks. The cost must grow linearly with the number of lines.

#include <benchmark/benchmark.h>

#include "geometry/station_sections.h"
#include "geometry/upper_chines.h"
#include "sample_hulls.h"

namespace bravik {
namespace {

void UpperLinesAndSections(benchmark::State& state) {
    HullDesign d = sample::Bottom();
    sample::AddPlanks(d, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RecomputeUpperLines(d);
        for (int s = 0; s <= kBowPoint; ++s) ComputeStationSection(d, s);
        benchmark::DoNotOptimize(d.sectionZ(41, 10));
    }
    state.SetLabel(std::to_string(state.range(0)) + " lines");
}

BENCHMARK(UpperLinesAndSections)->Arg(3)->Arg(6)->Arg(11)->Arg(21)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bravik
