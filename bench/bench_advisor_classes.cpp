// How often the layer advisor proves its layer best with the default budget, on generated
// problems shaped like the pallet-loading literature's classes (see palletclasses.h), on the two
// classic hard problems, and on a grid of realistic pallets and bundles.
// Run: build/bench/bench_advisor_classes (--benchmark_filter=Classes/50 for one set alone).

#include "bench/palletclasses.h"
#include "planning/advisor/layeradvisor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <vector>

namespace {

struct Tally {
    std::vector<double> millis;
    std::int64_t proven = 0, spent = 0, gapOne = 0, gapMore = 0;

    void Add(const BestLayer& layer, double ms) {
        millis.push_back(ms);
        proven += layer.Optimal;
        spent += layer.TimedOut;
        gapOne += layer.UpperBound - layer.Count == 1;
        gapMore += layer.UpperBound - layer.Count > 1;
    }

    void Report(benchmark::State& state) {
        std::sort(millis.begin(), millis.end());
        const double cases = static_cast<double>(millis.size());
        auto share = [&](std::int64_t n) { return 100.0 * static_cast<double>(n) / cases; };
        state.counters["cases"] = cases;
        state.counters["proven_pct"] = share(proven);
        state.counters["budget_spent_pct"] = share(spent);
        state.counters["gap1_pct"] = share(gapOne);
        state.counters["gap2plus_pct"] = share(gapMore);
        state.counters["median_cpu_ms"] = millis[millis.size() / 2];
        state.counters["p99_cpu_ms"] = millis[static_cast<std::size_t>(0.99 * (cases - 1))];
        state.counters["worst_cpu_ms"] = millis.back();
    }
};

// Processor time, not wall time: the build machine is shared, and other work on it must not
// count against the advisor.
BestLayer Timed(Tally& tally, std::int32_t X, std::int32_t Y, std::int32_t L, std::int32_t W) {
    const std::clock_t start = std::clock();
    BestLayer layer = FindBestLayer(X, Y, L, W);
    tally.Add(layer, 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
    return layer;
}

// Arguments: the least and the most bundles a layer by area, and how many problems.
void BM_Classes(benchmark::State& state) {
    const std::vector<PalletInstance> instances =
        InstanceGenerator(20261210 + static_cast<std::uint64_t>(state.range(0)))
            .Make(static_cast<int>(state.range(2)), state.range(0), state.range(1));
    for (auto _ : state) {
        Tally tally;
        for (const PalletInstance& p : instances)
            Timed(tally, p.X, p.Y, p.L, p.W);
        tally.Report(state);
    }
}
BENCHMARK(BM_Classes)
    ->Args({6, 50, 400})
    ->Args({51, 100, 400})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The classic hard problems, ten times each: proven every time?
void BM_Classic(benchmark::State& state) {
    for (auto _ : state) {
        Tally tally;
        for (int run = 0; run < 10; ++run) {
            Timed(tally, 43, 26, 7, 3);
            Timed(tally, 49, 28, 8, 3);
        }
        tally.Report(state);
    }
}
BENCHMARK(BM_Classic)->Iterations(1)->Unit(benchmark::kSecond);

// Realistic pallets with bundles 150..700 mm on both sides in steps of the argument.
void BM_RealisticGrid(benchmark::State& state) {
    constexpr std::int32_t Pallets[][2] = {{1200, 800}, {1200, 1000}, {1140, 1140}, {1219, 1016}};
    const auto step = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        Tally tally;
        for (const auto& p : Pallets) {
            for (std::int32_t L = 150; L <= 700; L += step) {
                for (std::int32_t W = 150; W <= L; W += step)
                    Timed(tally, p[0], p[1], L, W);
            }
        }
        tally.Report(state);
    }
}
BENCHMARK(BM_RealisticGrid)->Arg(10)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
