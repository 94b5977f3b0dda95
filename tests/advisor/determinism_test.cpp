#include "layerchecks.h"

#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/layeradvisor.h"
#include "planning/rectop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

void ExpectSameLayer(const BestLayer& a, const BestLayer& b) {
    EXPECT_EQ(a.Count, b.Count);
    EXPECT_EQ(a.UpperBound, b.UpperBound);
    EXPECT_EQ(a.Optimal, b.Optimal);
    EXPECT_EQ(a.TimedOut, b.TimedOut);
    EXPECT_EQ(a.SearchSkipped, b.SearchSkipped);
    EXPECT_EQ(a.Placements, b.Placements);
}

void ExpectSameAdvice(const OverhangAdvice& a, const OverhangAdvice& b) {
    auto same = [](const std::optional<OverhangStep>& p, const std::optional<OverhangStep>& q) {
        return p.has_value() == q.has_value() &&
               (!p || (p->ExtraMm == q->ExtraMm && p->Count == q->Count));
    };
    EXPECT_TRUE(same(a.AlongLength, b.AlongLength));
    EXPECT_TRUE(same(a.AlongWidth, b.AlongWidth));
    EXPECT_EQ(a.Incomplete, b.Incomplete);
}

// A simulated clock that moves on by `step` every time it is read: a machine that many times
// slower (or busier) than usual, seen by the safety net.
AdvisorBudget WithClock(Clock::duration step) {
    AdvisorBudget budget;
    auto now = std::make_shared<Clock::time_point>();
    budget.Clock = [now, step] { return *now += step; };
    return budget;
}

struct Rect {
    std::int32_t X, Y, L, W;
};

// Layers where the default budget runs out or only just suffices: the answer is the same on a
// fast machine, on a slow one, and run after run.
constexpr Rect HardLayers[] = {{90, 73, 15, 14}, {43, 26, 7, 3}, {1009, 997, 89, 75}};

TEST(AdvisorBudget, SameLayerOnFastAndSlowMachines) {
    for (const Rect& r : HardLayers) {
        SCOPED_TRACE(::testing::Message() << r.X << " x " << r.Y << ", " << r.L << " x " << r.W);
        const BestLayer fast = FindBestLayer(r.X, r.Y, r.L, r.W, WithClock(Clock::duration(0)));
        const BestLayer slow =
            FindBestLayer(r.X, r.Y, r.L, r.W, WithClock(std::chrono::microseconds(300)));
        const BestLayer again = FindBestLayer(r.X, r.Y, r.L, r.W);
        ExpectSameLayer(fast, slow);
        ExpectSameLayer(fast, again);
        EXPECT_FALSE(slow.ClockStopped);
        EXPECT_TRUE(IsSoundLayer(fast, r.X, r.Y, r.L, r.W));
    }
}

TEST(AdvisorBudget, SameOverhangAdviceOnFastAndSlowMachines) {
    const OverhangAdvice fast =
        AdviseOverhang(1000, 990, 9, 7, 89, 75, 0, WithClock(Clock::duration(0)));
    const OverhangAdvice slow =
        AdviseOverhang(1000, 990, 9, 7, 89, 75, 0, WithClock(std::chrono::microseconds(300)));
    ExpectSameAdvice(fast, slow);
    EXPECT_FALSE(slow.ClockStopped);
}

// Only a machine far slower than any ordinary one reaches the safety net, and then the layer is
// still sound and says what stopped it.
TEST(AdvisorBudget, SafetyNetStopsAStalledMachineAndSaysSo) {
    const BestLayer layer = FindBestLayer(90, 73, 15, 14, WithClock(std::chrono::seconds(1)));
    EXPECT_TRUE(layer.TimedOut);
    EXPECT_TRUE(layer.ClockStopped);
    EXPECT_FALSE(layer.Optimal);
    EXPECT_TRUE(IsSoundLayer(layer, 90, 73, 15, 14));
    const OverhangAdvice advice =
        AdviseOverhang(1000, 990, 9, 7, 89, 75, 0, WithClock(std::chrono::seconds(1)));
    EXPECT_TRUE(advice.Incomplete);
    EXPECT_TRUE(advice.ClockStopped);
}

// A caller that no longer wants the answer sets the cancel flag: the meter stops within one look
// at the clock, and a search that the budget would carry to its proof ends at once with a sound
// layer that says it stopped short.
TEST(AdvisorBudget, CancelFlagEndsTheSearch) {
    std::atomic<bool> cancel = false;
    AdvisorBudget budget = AdvisorBudget::EvaluationsOnly(1'000'000'000);
    budget.Cancel = &cancel;
    BudgetMeter meter(budget);
    for (int i = 0; i < 10'000; ++i)
        ASSERT_TRUE(meter.Spend());
    cancel = true;
    int spends = 1;
    while (meter.Spend())
        ++spends;
    EXPECT_LE(spends, 256);
    EXPECT_TRUE(meter.Exhausted());
    EXPECT_FALSE(meter.ClockStopped());

    const BestLayer proven = FindBestLayer(43, 26, 7, 3);
    ASSERT_TRUE(proven.Optimal); // what the budget reaches when nobody cancels
    budget = AdvisorBudget{};
    budget.Cancel = &cancel;
    const BestLayer cancelled = FindBestLayer(43, 26, 7, 3, budget);
    EXPECT_FALSE(cancelled.Optimal);
    EXPECT_TRUE(cancelled.TimedOut);
    EXPECT_FALSE(cancelled.ClockStopped);
    EXPECT_TRUE(IsSoundLayer(cancelled, 43, 26, 7, 3));
    const OverhangAdvice advice = AdviseOverhang(43, 26, 0, 0, 7, 3, cancelled.Count, budget);
    EXPECT_TRUE(advice.Incomplete);
}

// Which bundle side is typed first changes nothing: not the count, the bound, the flags, the
// layer or the overhang advice. Short sides below 35 mm on a pallet are where the search is
// skipped and only the two-block floor counts, so the floor must try both ways round.
TEST(FindBestLayer, SameAnswerWhicheverSideComesFirst) {
    constexpr Rect cases[] = {{1200, 800, 15, 53},  {1200, 800, 33, 150},  {1140, 1140, 20, 47},
                              {1219, 1016, 31, 97}, {1200, 800, 410, 310}, {43, 26, 3, 7}};
    const AdvisorBudget budget = AdvisorBudget::EvaluationsOnly(300'000);
    for (const Rect& r : cases) {
        SCOPED_TRACE(::testing::Message() << r.X << " x " << r.Y << ", " << r.L << " x " << r.W);
        const BestLayer typed = FindBestLayer(r.X, r.Y, r.L, r.W, budget);
        const BestLayer turned = FindBestLayer(r.X, r.Y, r.W, r.L, budget);
        ExpectSameLayer(typed, turned);
        for (const auto& [row, split] : {std::pair{r.X, r.Y}, std::pair{r.Y, r.X}}) {
            for (const auto& [l, w] : {std::pair{r.L, r.W}, std::pair{r.W, r.L}})
                EXPECT_GE(typed.Count, BestTwoBlockLayer(row, split, l, w).Count);
        }
        ExpectSameAdvice(AdviseOverhang(r.X, r.Y, 0, 0, r.L, r.W, typed.Count, budget),
                         AdviseOverhang(r.X, r.Y, 0, 0, r.W, r.L, turned.Count, budget));
    }
}

// A bundle two thousand million millimetres long: the two-block step looks at two splits, not
// two thousand million, and the answer is exact.
TEST(FindBestLayer, TwoBlockStepOnHugeSidesCostsAlmostNothing) {
    const BestLayer layer =
        FindBestLayer(57, 2147418281, 2130749696, 1, AdvisorBudget::EvaluationsOnly(100));
    EXPECT_EQ(layer.Count, 57);
    EXPECT_TRUE(layer.Optimal);
    EXPECT_TRUE(IsSoundLayer(layer, 57, 2147418281, 2130749696, 1));
    // 30 000 000 rows of one lengthwise bundle and 10 000 000 columns of crosswise ones; every
    // millimetre more along the length adds a column.
    const BestLayer pallet =
        FindBestLayer(30'000'000, 30'000'000, 20'000'000, 1, AdvisorBudget::EvaluationsOnly(100));
    EXPECT_EQ(pallet.Count, 40'000'000);
    const OverhangAdvice advice = AdviseOverhang(30'000'000, 30'000'000, 0, 0, 20'000'000, 1,
                                                 pallet.Count, AdvisorBudget::EvaluationsOnly(100));
    ASSERT_TRUE(advice.AlongLength.has_value());
    EXPECT_EQ(advice.AlongLength->ExtraMm, 1);
    EXPECT_EQ(advice.AlongLength->Count, 40'000'001);
}

} // namespace
