#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The layer advisor looks past the two-block arrangement for the most bundles one layer can
// hold: any arrangement built by cutting the layer into strips or into five blocks around a
// centre (a pinwheel), and cutting those blocks again the same way. It proves a layer best when
// the count meets an upper bound, and tells how much more overhang would buy another bundle.

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

    static constexpr std::int64_t DefaultWork = 1'000'000;

    // A budget that never looks at the clock.
    static AdvisorBudget EvaluationsOnly(std::int64_t work) { return {work, std::nullopt, {}}; }
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

// The best layer of identical L x W bundles, each lying either way round, in an X x Y rectangle.
// Whole millimetres. Never fewer bundles than the two-block arrangement in either orientation of
// the rectangle.
BestLayer FindBestLayer(std::int32_t X, std::int32_t Y, std::int32_t L, std::int32_t W,
                        const AdvisorBudget& budget = {});

// No layer of L x W bundles in X x Y holds more than this: the better of the area bound and the
// bound that counts the waste every layer must leave along the sides. 0 for non-positive sizes.
std::int64_t LayerUpperBound(std::int32_t X, std::int32_t Y, std::int32_t L, std::int32_t W);

// The bundles of the blocks one by one, rows from the smallest Y, each row from the smallest X.
std::vector<Placement> ExpandBlocks(const std::vector<BundleBlock>& blocks);

// The placements reordered so that painting them in turn, in the view where larger X and larger
// Y face the viewer, draws every bundle after each bundle behind it: A comes before B whenever A
// lies wholly at smaller X with their Y ranges overlapping, or wholly at smaller Y with their X
// ranges overlapping. Placements that overlap each other (which no layer of the advisor has)
// keep their given order wherever no such order exists.
std::vector<Placement> SortForPainting(std::vector<Placement> placements);

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

// For each pallet side on its own, the least extra overhang beyond the maximum typed that lets a
// layer hold more bundles than now, and the count it gives. "Now" is the better of
// currentCount and what the advisor finds with the overhangs as typed, so the advice is about
// the overhang alone. The budget covers the whole advice.
OverhangAdvice AdviseOverhang(std::int32_t palletLength, std::int32_t palletWidth,
                              std::int32_t lengthOverhang, std::int32_t widthOverhang,
                              std::int32_t L, std::int32_t W, std::int64_t currentCount,
                              const AdvisorBudget& budget = {});
