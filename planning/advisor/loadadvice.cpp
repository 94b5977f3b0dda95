#include "planning/advisor/loadadvice.h"

#include "planning/advisor/layeradvisor.h"
#include "planning/rectop.h"
#include "planning/wholecount.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

// A side the advisor can take, in whole millimetres within 32 bits. A pallet side is cut down to
// whole millimetres, which can only make the advice more careful; a bundle must be whole.
enum class Fraction { CutOff, Refused };

bool Millimetres(double value, std::int32_t& mm, Fraction fraction) {
    if (!(std::fabs(value) <= std::numeric_limits<std::int32_t>::max()))
        return false;
    if (fraction == Fraction::Refused && value != std::trunc(value))
        return false;
    mm = static_cast<std::int32_t>(std::trunc(value));
    return true;
}

// How far the layer reaches along each side.
std::pair<std::int64_t, std::int64_t> LayerExtent(const std::vector<BundleBlock>& blocks) {
    std::int64_t x = 0, y = 0;
    for (const BundleBlock& b : blocks) {
        if (b.Columns <= 0 || b.Rows <= 0)
            continue;
        x = std::max(x, b.X + b.Columns * b.LengthAlongX);
        y = std::max(y, b.Y + b.Rows * b.WidthAlongY);
    }
    return {x, y};
}

} // namespace

LayerAdvice AdviseLayer(const LoadPlan& plan, const LoadRequest& request,
                        const AdvisorBudget& budget) {
    LayerAdvice advice;
    advice.TwoBlockCount = plan.LayerCount;
    advice.BestPlan = plan;
    advice.BundleHeight = request.BundleHeight;
    const std::int32_t maxLengthOverhang =
        plan.Turned ? request.WidthOverhang : request.LengthOverhang;
    const std::int32_t maxWidthOverhang =
        plan.Turned ? request.LengthOverhang : request.WidthOverhang;
    std::int32_t palletLength = 0, palletWidth = 0, length = 0, width = 0;
    if (!Millimetres(plan.PalletLength, palletLength, Fraction::CutOff) ||
        !Millimetres(plan.PalletWidth, palletWidth, Fraction::CutOff) ||
        !Millimetres(request.BundleLength, length, Fraction::Refused) ||
        !Millimetres(request.BundleWidth, width, Fraction::Refused))
        return advice;
    const std::int64_t x = std::int64_t{palletLength} + maxLengthOverhang;
    const std::int64_t y = std::int64_t{palletWidth} + maxWidthOverhang;
    if (x <= 0 || y <= 0 || x > std::numeric_limits<std::int32_t>::max() ||
        y > std::numeric_limits<std::int32_t>::max() || length <= 0 || width <= 0)
        return advice;

    advice.Available = true;
    advice.Best = FindBestLayer(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), length,
                                width, budget);
    advice.Overhang = AdviseOverhang(palletLength, palletWidth, maxLengthOverhang, maxWidthOverhang,
                                     length, width, advice.Best.Count, budget);
    // The stack decides the layers, whatever the layout of one layer.
    advice.Layers = std::max<std::int64_t>(
        0, advice.Best.Count > 0 ? LayersInStack(plan.StackHeight, request.BundleHeight) : 0);

    LoadPlan& best = advice.BestPlan;
    const auto [reachX, reachY] = LayerExtent(advice.Best.Blocks);
    // Only the overhang the best layer reaches into counts, as the trimming does for two blocks.
    best.LengthOverhang = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(reachX - palletLength, 0, std::max(0, maxLengthOverhang)));
    best.WidthOverhang = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(reachY - palletWidth, 0, std::max(0, maxWidthOverhang)));
    best.RowSide = plan.PalletLength + best.LengthOverhang;
    best.SplitSide = plan.PalletWidth + best.WidthOverhang;
    best.LayerCount = advice.Best.Count;
    best.Layers = advice.Layers;
    best.Total = CountProduct(best.LayerCount, best.Layers);
    return advice;
}
