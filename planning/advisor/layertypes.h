#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The values the layer advisor takes and gives: its budget, the bundles and blocks of a layer,
// the best layer and the overhang advice. The advisor's own files include this, not its front
// door layeradvisor.h.

// What one search may spend. The search counts its work (candidate cuts, five-block patterns,
// nodes of the exact step, tables set up) and stops when the count runs out, so the same input
// gives the same layer, bound and flags on any machine and under any load. A wall-clock limit
// far above what the work takes on an ordinary machine stays as a last safety net; a layer it
// stops says so (ClockStopped), since only then can the answer depend on the machine.
struct AdvisorBudget {
    // Units of work; the default takes about 200 ms on a desktop machine of 2026.
    std::int64_t Work = DefaultWork;
    // The safety net; none: never look at the clock.
    std::optional<std::chrono::milliseconds> SafetyTime = std::chrono::milliseconds(3000);
    // The clock the safety net reads; empty: the steady clock. Tests put a simulated clock here.
    std::function<std::chrono::steady_clock::time_point()> Clock;
    // Set from another thread to end the search early (its caller no longer wants the answer):
    // read where the clock is, so the search ends within a few hundred units of work. Null:
    // never cancelled. The flag must outlive the search.
    const std::atomic<bool>* Cancel = nullptr;

    static constexpr std::int64_t DefaultWork = 1'000'000;

    // A budget that never looks at the clock.
    static AdvisorBudget EvaluationsOnly(std::int64_t work) {
        return {work, std::nullopt, {}, nullptr};
    }
};

// One bundle as it lies on the layer: its corner nearest the origin and its footprint, so a
// bundle turned a quarter turn has LengthAlongX equal to the bundle width.
struct Placement {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t LengthAlongX = 0;
    std::int32_t WidthAlongY = 0;

    friend bool operator==(const Placement&, const Placement&) = default;
};

// A grid of bundles lying the same way: Columns along X times Rows along Y, the first at (X, Y).
struct BundleBlock {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t LengthAlongX = 0;
    std::int32_t WidthAlongY = 0;
    std::int64_t Columns = 0;
    std::int64_t Rows = 0;
};

// Above this many bundles the layer is given as blocks only: nobody draws a layer of a million
// bundles one by one, and listing them would take more memory than the search itself.
constexpr std::int64_t MaxListedPlacements = 1 << 18;

struct BestLayer {
    std::int64_t Count = 0;
    // No layer holds more than this; Optimal when Count meets it.
    std::int64_t UpperBound = 0;
    bool Optimal = false;
    // The budget ran out before the search ended: Count is the best found by then.
    bool TimedOut = false;
    // Of those, the safety net's clock ended it, not the work count: on a machine this slow the
    // answer may differ from run to run.
    bool ClockStopped = false;
    // The rectangle holds too many distinct sizes to search (tiny bundles on a huge rectangle):
    // only the two-block arrangements were tried.
    bool SearchSkipped = false;
    // A bundle side was zero or negative: the layer is empty and says nothing.
    bool InvalidInput = false;
    // The whole layer, always present; the bundles sum to Count.
    std::vector<BundleBlock> Blocks;
    // Every bundle in an order that paints correctly (see SortForPainting), listed whenever
    // Count is at most MaxListedPlacements; empty above.
    std::vector<Placement> Placements;
};

struct OverhangStep {
    std::int32_t ExtraMm = 0; // beyond the maximum overhang typed
    std::int64_t Count = 0;   // bundles per layer with it
};

struct OverhangAdvice {
    // None when no extra overhang up to MaxExtraOverhangMm raises the count.
    std::optional<OverhangStep> AlongLength;
    std::optional<OverhangStep> AlongWidth;
    // A search behind the advice stopped short (the budget ran out, or a side was too large to
    // search): a smaller step may have been missed.
    bool Incomplete = false;
    // The safety net's clock stopped a search behind the advice.
    bool ClockStopped = false;
};

constexpr std::int32_t MaxExtraOverhangMm = 50;
