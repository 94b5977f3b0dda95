// The load plan with the layer advisor: any request plans or is refused with its own error;
// the advisor's layer is sound, holds at least the two-block layer of either orientation, and
// the search keeps to its time budget.
#include "planning/advisor/layeradvisor.h"
#include "planning/advisor/loadadvice.h"
#include "planning/loadplan.h"
#include "planning/rectop.h"
#include "planning/wholecount.h"
#include "tests/advisor/layerchecks.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

// A tenth of the window's budget of work, about 20 ms unsanitized; the clock's safety net is
// off, so what is checked is that the work budget alone bounds the time. Sanitizers and the
// fuzzer's instrumentation slow every step several times, hence the generous limit.
AdvisorBudget FuzzBudget() {
    AdvisorBudget budget;
    budget.Work = AdvisorBudget::DefaultWork / 10;
    budget.SafetyTime.reset();
    return budget;
}
constexpr auto TimeLimit = std::chrono::milliseconds(1500);

void CheckAdvisor(FuzzedDataProvider& input) {
    const auto X = input.ConsumeIntegralInRange<std::int32_t>(-10, 4000);
    const auto Y = input.ConsumeIntegralInRange<std::int32_t>(-10, 4000);
    const auto L = input.ConsumeIntegralInRange<std::int32_t>(-1, 1500);
    const auto W = input.ConsumeIntegralInRange<std::int32_t>(-1, 1500);
    const auto start = std::chrono::steady_clock::now();
    const BestLayer layer = FindBestLayer(X, Y, L, W, FuzzBudget());
    Check(std::chrono::steady_clock::now() - start <= TimeLimit, "within the budget");
    if (X <= 0 || Y <= 0 || L <= 0 || W <= 0) {
        Check(layer.Count == 0, "nothing on an empty rectangle or with an empty bundle");
        return;
    }
    Check(IsSoundLayer(layer, X, Y, L, W), "a sound layer");
    const std::int64_t twoBlock =
        std::max(BestTwoBlockLayer(X, Y, L, W).Count, BestTwoBlockLayer(Y, X, L, W).Count);
    Check(layer.Count >= twoBlock, "at least the two-block layer of either orientation");
    Check(layer.Count <= layer.UpperBound, "no more than the upper bound");
}

void CheckPlan(FuzzedDataProvider& input) {
    LoadRequest r;
    r.PalletLength = input.ConsumeFloatingPoint<double>();
    r.PalletWidth = input.ConsumeFloatingPoint<double>();
    r.MaxHeight = input.ConsumeFloatingPoint<double>();
    r.HeightIncludesPallet = input.ConsumeBool();
    r.LengthOverhang = input.ConsumeIntegral<std::int32_t>();
    r.WidthOverhang = input.ConsumeIntegral<std::int32_t>();
    r.BundleLength = input.ConsumeIntegral<std::int32_t>();
    r.BundleWidth = input.ConsumeIntegral<std::int32_t>();
    r.BundleHeight = input.ConsumeIntegral<std::int32_t>();
    // Keep each run short: the plan refuses what would take seconds, but a second is still
    // a thousand runs.
    if (std::fabs(r.PalletLength) + std::fabs(r.PalletWidth) + std::abs(r.LengthOverhang / 2) +
            std::abs(r.WidthOverhang / 2) >
        1e5 * std::max(1.0, std::fabs(r.BundleWidth)))
        return;
    LoadPlan plan;
    try {
        plan = PlanLoad(r);
    } catch (const PlanTooLargeError&) {
        return;
    } catch (const CountOutOfRangeError&) {
        return;
    }
    Check(plan.Layers >= 0 && plan.Total >= 0, "no negative load");
    Check(plan.Total == plan.LayerCount * plan.Layers, "the total is layers times the layer");
    try {
        const LayerAdvice advice = AdviseLayer(plan, r, FuzzBudget());
        // The advisor takes the pallet in whole millimetres, so only a whole pallet compares.
        if (advice.Available && plan.PalletLength == std::trunc(plan.PalletLength) &&
            plan.PalletWidth == std::trunc(plan.PalletWidth))
            Check(advice.Best.Count >= plan.LayerCount, "advice never below the plan");
    } catch (const CountOutOfRangeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool())
        CheckAdvisor(input);
    else
        CheckPlan(input);
    return 0;
}
