#include "shell/advice.h"

#include "planning/rectop.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A side the advisor can take, in whole millimetres within 32 bits. A pallet side is cut down to
// whole millimetres, which can only make the advice more careful; a bundle must be whole.
bool Millimetres(double value, std::int32_t& mm, bool mustBeWhole) {
    if (!(std::fabs(value) <= std::numeric_limits<std::int32_t>::max()))
        return false;
    if (mustBeWhole && value != std::trunc(value))
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

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

std::string OverhangLine(const char* side, const OverhangStep& step) {
    return std::string("Свес ") + side + " на " + Number(step.ExtraMm) +
           " мм. больше максимального даст " + Number(step.Count) + " пачек в слое.";
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
    if (!Millimetres(plan.PalletLength, palletLength, false) ||
        !Millimetres(plan.PalletWidth, palletWidth, false) ||
        !Millimetres(request.BundleLength, length, true) ||
        !Millimetres(request.BundleWidth, width, true))
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
    best.Total = best.LayerCount * best.Layers;
    return advice;
}

std::vector<std::string> AdviceLines(const LayerAdvice& advice,
                                     std::optional<std::int64_t> bundlesInOrder) {
    if (!advice.Available)
        return {"Совет по схеме слоя: размеры пачки должны быть целыми миллиметрами."};
    const BestLayer& best = advice.Best;
    std::vector<std::string> lines;
    if (best.Count == 0) {
        lines.push_back("Пачка не помещается на поддон ни в одной схеме слоя.");
    } else if (best.Count > advice.TwoBlockCount) {
        lines.push_back("Лучшая схема слоя: " + Number(best.Count) +
                        " пачек (схема двух блоков: " + Number(advice.TwoBlockCount) + ").");
        lines.push_back(best.Optimal ? "Больше пачек в слое не уложить: схема оптимальна."
                                     : "Оптимальность не доказана: не больше " +
                                           Number(best.UpperBound) + " пачек в слое.");
        std::string total = "С ней всего в укладке " + Number(advice.BestPlan.Total) + " пачек";
        if (bundlesInOrder && advice.BestPlan.Total > 0)
            total +=
                ", поддонов: " + Number(PalletsForOrder(*bundlesInOrder, advice.BestPlan.Total));
        lines.push_back(total + ".");
    } else if (best.Optimal) {
        lines.push_back("Схема двух блоков оптимальна: больше " + Number(best.Count) +
                        " пачек в слое не уложить.");
    } else {
        lines.push_back("Лучшей схемы слоя не найдено: " + Number(best.Count) +
                        " пачек, как у схемы двух блоков (не больше " + Number(best.UpperBound) +
                        ").");
    }
    if (best.TimedOut)
        lines.push_back("Поиск схемы остановлен по времени.");
    if (advice.Overhang.AlongLength)
        lines.push_back(OverhangLine("по длине", *advice.Overhang.AlongLength));
    if (advice.Overhang.AlongWidth)
        lines.push_back(OverhangLine("по ширине", *advice.Overhang.AlongWidth));
    if (advice.Overhang.Incomplete)
        lines.push_back("Совет по свесам неполный: поиск остановлен по времени.");
    return lines;
}
