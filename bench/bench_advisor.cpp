// The layer advisor on realistic pallets: time per call and how often it beats the two-block
// arrangement. Run: build/bench/bench_advisor (add --benchmark_filter=Grid for the grid alone).

#include "planning/advisor/layeradvisor.h"
#include "planning/rectop.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace {

constexpr std::int32_t Pallets[][2] = {
    {1200, 800}, {1200, 1000}, {1140, 1140}, {1100, 1100}, {1219, 1016}};

// Every pallet with every bundle 150..700 x 100..500 mm in 10 mm steps, length not below width,
// each call timed on its own: median and worst time, and the shares that beat the two-block
// count, are proven best, and ran out of the default 200 ms budget.
void BM_AdvisorGrid(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<double> millis;
        std::int64_t beats = 0, proven = 0, timedOut = 0, gained = 0;
        for (const auto& p : Pallets) {
            for (std::int32_t L = 150; L <= 700; L += 10) {
                for (std::int32_t W = 100; W <= std::min(L, 500); W += 10) {
                    const auto start = std::chrono::steady_clock::now();
                    const BestLayer layer = FindBestLayer(p[0], p[1], L, W);
                    millis.push_back(std::chrono::duration<double, std::milli>(
                                         std::chrono::steady_clock::now() - start)
                                         .count());
                    const std::int64_t twoBlock =
                        std::max(BestTwoBlockLayer(p[0], p[1], L, W).Count,
                                 BestTwoBlockLayer(p[1], p[0], L, W).Count);
                    beats += layer.Count > twoBlock;
                    gained += layer.Count - twoBlock;
                    proven += layer.Optimal;
                    timedOut += layer.TimedOut;
                }
            }
        }
        std::sort(millis.begin(), millis.end());
        const double cases = static_cast<double>(millis.size());
        auto percentile = [&](double share) {
            return millis[static_cast<std::size_t>(share * (cases - 1))];
        };
        state.counters["cases"] = cases;
        state.counters["median_ms"] = percentile(0.5);
        state.counters["p90_ms"] = percentile(0.9);
        state.counters["p99_ms"] = percentile(0.99);
        state.counters["worst_ms"] = millis.back();
        state.counters["over_5ms_pct"] =
            100.0 *
            static_cast<double>(millis.end() -
                                std::upper_bound(millis.begin(), millis.end(), 5.0)) /
            cases;
        state.counters["beats_two_block_pct"] = 100.0 * static_cast<double>(beats) / cases;
        state.counters["bundles_gained"] = static_cast<double>(gained);
        state.counters["proven_pct"] = 100.0 * static_cast<double>(proven) / cases;
        state.counters["budget_spent_pct"] = 100.0 * static_cast<double>(timedOut) / cases;
    }
}
BENCHMARK(BM_AdvisorGrid)->Iterations(1)->Unit(benchmark::kSecond);

struct Case {
    std::int32_t X, Y, L, W;
};

// Single layers: pinwheel cases the two-block arrangement misses, and the classic hard ones
// that need L-shaped pieces.
constexpr Case Cases[] = {{1200, 800, 410, 310},  {1200, 800, 210, 180}, {1140, 1140, 410, 310},
                          {1219, 1016, 300, 200}, {43, 26, 7, 3},        {49, 28, 8, 3}};

void BM_FindBestLayer(benchmark::State& state) {
    const Case& c = Cases[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(FindBestLayer(c.X, c.Y, c.L, c.W));
    state.SetLabel(std::to_string(c.X) + "x" + std::to_string(c.Y) + " bundle " +
                   std::to_string(c.L) + "x" + std::to_string(c.W));
}
BENCHMARK(BM_FindBestLayer)->DenseRange(0, std::size(Cases) - 1)->Unit(benchmark::kMillisecond);

void BM_AdviseOverhang(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(AdviseOverhang(1200, 800, 30, 0, 410, 300, 6));
}
BENCHMARK(BM_AdviseOverhang)->Unit(benchmark::kMillisecond);

} // namespace
