#include "shell/advice.h"

#include "planning/loadplan.h"
#include "shell/texts.h"

std::vector<std::string> AdviceLines(const LayerAdvice& advice,
                                     std::optional<std::int64_t> bundlesInOrder) {
    namespace Say = Texts::Advice;
    if (!advice.Available)
        return {Say::NotWholeMillimetres};
    const BestLayer& best = advice.Best;
    std::vector<std::string> lines;
    if (best.Count == 0) {
        lines.push_back(Say::NoLayerFits);
    } else if (best.Count > advice.TwoBlockCount) {
        const std::int64_t total = advice.BestPlan.Total;
        lines.push_back(Say::BetterLayer(best.Count, advice.TwoBlockCount));
        lines.push_back(best.Optimal ? Say::BetterLayerOptimal
                                     : Say::BetterLayerNotProven(best.UpperBound));
        std::optional<std::int64_t> pallets;
        if (bundlesInOrder && total > 0)
            pallets = PalletsForOrder(*bundlesInOrder, total);
        lines.push_back(Say::BetterLayerTotal(total, pallets));
    } else if (best.Optimal) {
        lines.push_back(Say::TwoBlocksOptimal(best.Count));
    } else {
        lines.push_back(Say::NoBetterLayer(best.Count, best.UpperBound));
    }
    if (best.TimedOut)
        lines.push_back(best.ClockStopped ? Say::SearchStoppedByClock : Say::SearchStopped);
    if (const auto& step = advice.Overhang.AlongLength)
        lines.push_back(Say::MoreOverhangAlongLength(step->ExtraMm, step->Count));
    if (const auto& step = advice.Overhang.AlongWidth)
        lines.push_back(Say::MoreOverhangAlongWidth(step->ExtraMm, step->Count));
    if (advice.Overhang.Incomplete)
        lines.push_back(advice.Overhang.ClockStopped ? Say::OverhangAdviceStoppedByClock
                                                     : Say::OverhangAdviceIncomplete);
    return lines;
}
