// A displacement search with trim on the default hull, as the hydrostatics
// screen runs it after the mass budget has given a mass and its centre.
// Target: under 2 ms.

#include <benchmark/benchmark.h>

#include "analysis_hulls.h"
#include "geometry/hydrostatics.h"

namespace bravik {
namespace {

void BM_DisplacementSearchWithTrim(benchmark::State& state) {
    HullDesign d = analysis_test::DefaultHull();
    d.targetDisplacement = 0.4;
    d.massCentreX = 3.0;
    int passes = 0;
    for (auto _ : state) {
        d.pitchAngle = 0;
        passes = 0;
        const Hydrostatics h = SolveWaterlineForDisplacement(d, 0.06, [&](double) { ++passes; });
        benchmark::DoNotOptimize(h);
    }
    state.counters["passes"] = passes;
    state.counters["pitch_deg"] = d.pitchAngle * 180 / 3.14159265358979;
}
BENCHMARK(BM_DisplacementSearchWithTrim)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bravik
