#include "planning/bundlecalc.h"
#include "shell/sizetext.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_FluteThicknessListed(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FluteThickness("B+C - 7", ','));
}
BENCHMARK(BM_FluteThicknessListed);

// A pasted wall of digits: every tail is a candidate.
void BM_FluteThicknessLong(benchmark::State& state) {
    const std::string profile =
        std::string(static_cast<std::size_t>(state.range(0)), '1') + ".5.25";
    for (auto _ : state)
        benchmark::DoNotOptimize(FluteThickness(profile, '.'));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(profile.size()));
}
BENCHMARK(BM_FluteThicknessLong)->Arg(1000)->Arg(100000);

void BM_SizesFromText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(SizesFromText("1200х800х150"));
}
BENCHMARK(BM_SizesFromText);

} // namespace
