#include "planning/loadplan.h"

#include "planning/rectop.h"
#include "planning/wholecount.h"

#include <algorithm>
#include <cmath>

namespace {

// Evaluations of one split candidate that a calculation may spend: about a second of work.
constexpr double EvaluationBudget = 1e8;

std::int64_t TotalFor(double rowSide, double splitSide, double stackHeight,
                      const LoadRequest& request) {
    const TwoBlockLayer layer =
        BestTwoBlockLayer(rowSide, splitSide, request.BundleLength, request.BundleWidth);
    return CountProduct(layer.Count, LayersInStack(stackHeight, request.BundleHeight));
}

// Walks v = overhang, overhang - 1, ... down to 0 and stops at the first v whose total differs;
// the overhang kept is the last one that still gave the reference total.
template <typename TotalAt>
std::int32_t TrimOverhang(std::int32_t overhang, std::int64_t reference, TotalAt totalAt) {
    if (overhang <= 0)
        return overhang;
    for (std::int64_t v = overhang; v >= 0; --v) {
        if (totalAt(static_cast<double>(v)) != reference)
            return static_cast<std::int32_t>(v + 1);
    }
    return 0;
}

void CheckWorkload(const LoadRequest& request) {
    const double widest =
        std::max(std::fabs(request.PalletLength) + std::fabs(request.LengthOverhang),
                 std::fabs(request.PalletWidth) + std::fabs(request.WidthOverhang));
    const double candidates = std::fabs(widest / request.BundleWidth) + 1;
    const double calls =
        3.0 + std::max(0, request.LengthOverhang) + std::max(0, request.WidthOverhang);
    if (!(candidates * calls <= EvaluationBudget))
        throw PlanTooLargeError("sizes too large to plan");
}

} // namespace

LoadPlan PlanLoad(const LoadRequest& request) {
    CheckWorkload(request);
    LoadPlan plan;
    plan.StackHeight = request.MaxHeight - PalletHeightMm * (request.HeightIncludesPallet ? 1 : 0);

    double length = request.PalletLength, width = request.PalletWidth;
    std::int32_t lengthOverhang = request.LengthOverhang, widthOverhang = request.WidthOverhang;
    const std::int64_t first =
        TotalFor(length + lengthOverhang, width + widthOverhang, plan.StackHeight, request);
    const std::int64_t turned =
        TotalFor(width + widthOverhang, length + lengthOverhang, plan.StackHeight, request);
    std::int64_t reference = first;
    if (turned > first) {
        plan.Turned = true;
        std::swap(length, width);
        std::swap(lengthOverhang, widthOverhang);
        reference = turned;
    }

    lengthOverhang = TrimOverhang(lengthOverhang, reference, [&](double v) {
        return TotalFor(length + v, width + widthOverhang, plan.StackHeight, request);
    });
    widthOverhang = TrimOverhang(widthOverhang, reference, [&](double v) {
        return TotalFor(length + lengthOverhang, width + v, plan.StackHeight, request);
    });

    plan.PalletLength = length;
    plan.PalletWidth = width;
    plan.LengthOverhang = lengthOverhang;
    plan.WidthOverhang = widthOverhang;
    plan.RowSide = length + lengthOverhang;
    plan.SplitSide = width + widthOverhang;
    const TwoBlockLayer layer =
        BestTwoBlockLayer(plan.RowSide, plan.SplitSide, request.BundleLength, request.BundleWidth);
    plan.Split = static_cast<double>(layer.Split);
    plan.LayerCount = layer.Count;
    // With nothing on a layer there are no layers either, however high the stack may go; and a
    // maximum height below the pallet's own leaves no room rather than a negative load.
    plan.Layers =
        layer.Count > 0
            ? std::max<std::int64_t>(0, LayersInStack(plan.StackHeight, request.BundleHeight))
            : 0;
    plan.Total = CountProduct(layer.Count, plan.Layers);
    return plan;
}

std::int64_t PalletsForOrder(std::int64_t bundles, std::int64_t total) {
    return static_cast<std::int64_t>(
        std::ceil(static_cast<double>(bundles) / static_cast<double>(total)));
}

std::int64_t BundlesOnLastPallet(std::int64_t bundles, std::int64_t total) {
    const std::int64_t rest = bundles % total;
    return rest <= 0 ? total : rest;
}

double LoadedPalletHeight(double bundleHeight, std::int64_t layers) {
    return bundleHeight * static_cast<double>(layers) + PalletHeightMm;
}
