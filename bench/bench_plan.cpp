// The load calculation alone: the orientation choice, the overhang trimming and the final count.
#include "planning/loadplan.h"

#include <benchmark/benchmark.h>

namespace {

LoadRequest Typical() {
    LoadRequest r;
    r.BundleLength = 410;
    r.BundleWidth = 300;
    r.BundleHeight = 100;
    r.LengthOverhang = 50;
    return r;
}

void TypicalLoad(benchmark::State& state) {
    const LoadRequest r = Typical();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanLoad(r));
}
BENCHMARK(TypicalLoad);

// 1000 mm allowed along both sides: the trimming walks about two thousand counts.
void LongOverhangs(benchmark::State& state) {
    LoadRequest r = Typical();
    r.LengthOverhang = 1000;
    r.WidthOverhang = 1000;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanLoad(r));
}
BENCHMARK(LongOverhangs);

// Small bundles: many split candidates for every count of the trimming walk.
void SmallBundlesLongOverhangs(benchmark::State& state) {
    LoadRequest r = Typical();
    r.BundleLength = 30;
    r.BundleWidth = 20;
    r.LengthOverhang = 1000;
    r.WidthOverhang = 1000;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanLoad(r));
}
BENCHMARK(SmallBundlesLongOverhangs);

} // namespace

namespace {

// An overhang that never changes the count is walked all the way down to 0: two thousand
// counts, the longest trimming there is for 1000 mm.
void OverhangsWalkedToZero(benchmark::State& state) {
    LoadRequest r = Typical();
    r.BundleLength = 2300;
    r.BundleWidth = 1900;
    r.LengthOverhang = 1000;
    r.WidthOverhang = 1000;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanLoad(r));
}
BENCHMARK(OverhangsWalkedToZero);

// The same walk with 20 x 20 mm bundles: a hundred split candidates in every count.
void SmallBundlesWalkedFar(benchmark::State& state) {
    LoadRequest r = Typical();
    r.BundleLength = 20;
    r.BundleWidth = 20;
    r.LengthOverhang = 19;
    r.WidthOverhang = 1000;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanLoad(r));
}
BENCHMARK(SmallBundlesWalkedFar);

} // namespace
