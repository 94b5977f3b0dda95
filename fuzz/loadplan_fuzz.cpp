// The load plan with the layer advisor: any request plans or is refused with its own error;
// the advisor's layer is sound and holds at least the two-block layer of either orientation.
// A search that runs on past its work budget is left to the fuzzer's -timeout: a check of the
// clock here would fail on a busy machine, and a failure of this target must be a fault.
#include "fuzz/fuzzcheck.h"
#include "planning/advisor/layeradvisor.h"
#include "planning/advisor/loadadvice.h"
#include "planning/loadplan.h"
#include "planning/rectop.h"
#include "planning/wholecount.h"
#include "tests/advisor/layerchecks.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// A hundredth of the window's budget of work, about 2 ms unsanitized (the fuzzer's comparison
// tracing in the search's inner loops makes it ten times that), and no clock: the run of an
// input is the same on any machine, and the work budget alone has to end the search. Every
// property holds on any budget; a small one also stops each stage part way more often.
AdvisorBudget FuzzBudget() {
    return AdvisorBudget::EvaluationsOnly(AdvisorBudget::DefaultWork / 100);
}

void CheckAdvisor(FuzzedDataProvider& input) {
    const auto X = input.ConsumeIntegralInRange<std::int32_t>(-10, 4000);
    const auto Y = input.ConsumeIntegralInRange<std::int32_t>(-10, 4000);
    const auto L = input.ConsumeIntegralInRange<std::int32_t>(-1, 1500);
    const auto W = input.ConsumeIntegralInRange<std::int32_t>(-1, 1500);
    const BestLayer layer = FindBestLayer(X, Y, L, W, FuzzBudget());
    if (X <= 0 || Y <= 0 || L <= 0 || W <= 0) {
        FuzzCheck(layer.Count == 0, "nothing on an empty rectangle or with an empty bundle");
        return;
    }
    // The painting order is checked pair by pair: on small layers, or most of the time goes there.
    FuzzCheck(IsSoundLayer(layer, X, Y, L, W, 300), "a sound layer");
    const std::int64_t twoBlock =
        std::max(BestTwoBlockLayer(X, Y, L, W).Count, BestTwoBlockLayer(Y, X, L, W).Count);
    FuzzCheck(layer.Count >= twoBlock, "at least the two-block layer of either orientation");
    FuzzCheck(layer.Count <= layer.UpperBound, "no more than the upper bound");
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
    FuzzCheck(plan.Layers >= 0 && plan.Total >= 0, "no negative load");
    FuzzCheck(plan.Total == plan.LayerCount * plan.Layers, "the total is layers times the layer");
    try {
        const LayerAdvice advice = AdviseLayer(plan, r, FuzzBudget());
        // The advisor takes the pallet in whole millimetres, so only a whole pallet compares.
        if (advice.Available && plan.PalletLength == std::trunc(plan.PalletLength) &&
            plan.PalletWidth == std::trunc(plan.PalletWidth))
            FuzzCheck(advice.Best.Count >= plan.LayerCount, "advice never below the plan");
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
