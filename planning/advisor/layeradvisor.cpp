#include "planning/advisor/layeradvisor.h"

#include "planning/advisor/blocksearch.h"
#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/exactlayer.h"
#include "planning/advisor/layerbound.h"
#include "planning/advisor/packingbound.h"
#include "planning/advisor/paintorder.h"
#include "planning/advisor/twoblocklayout.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

// Blocks never overlap, so a bundle lies wholly before another only when its block lies wholly
// before the other's: blocks in painting order, each expanded row by row, paint correctly.
std::vector<BundleBlock> InPaintingOrder(const std::vector<BundleBlock>& blocks) {
    std::vector<PaintBox> boxes;
    for (const BundleBlock& b : blocks) {
        boxes.push_back({b.X, b.Y, b.X + b.Columns * b.LengthAlongX, b.Y + b.Rows * b.WidthAlongY});
    }
    std::vector<BundleBlock> ordered;
    for (std::size_t i : PaintingOrder(boxes))
        ordered.push_back(blocks[i]);
    return ordered;
}

std::int64_t CountOf(const std::vector<BundleBlock>& blocks) {
    std::int64_t count = 0;
    for (const BundleBlock& b : blocks)
        count += b.Columns * b.Rows;
    return count;
}

std::vector<BundleBlock> Scaled(std::vector<BundleBlock> blocks, std::int64_t g) {
    for (BundleBlock& b : blocks) {
        b.X = static_cast<std::int32_t>(b.X * g);
        b.Y = static_cast<std::int32_t>(b.Y * g);
        b.LengthAlongX = static_cast<std::int32_t>(b.LengthAlongX * g);
        b.WidthAlongY = static_cast<std::int32_t>(b.WidthAlongY * g);
    }
    return blocks;
}

// The best of the four two-block arrangements, both ways round on both orientations of the
// rectangle, looked at in an order that does not depend on which bundle side came first.
std::vector<BundleBlock> BestTwoBlockBlocks(std::int64_t X, std::int64_t Y, std::int64_t L,
                                            std::int64_t W, BudgetMeter& meter) {
    const std::int64_t l = std::max(L, W), w = std::min(L, W);
    struct Option {
        std::int64_t rowSide, splitSide, length, width;
        bool turned;
    };
    const Option options[] = {
        {X, Y, l, w, false}, {Y, X, l, w, true}, {X, Y, w, l, false}, {Y, X, w, l, true}};
    const Option* best = nullptr;
    TwoBlockLayer bestLayer;
    for (const Option& o : options) {
        // The floor is always laid, whatever the budget; its work still counts.
        meter.Spend(TwoBlockSplitsLookedAt(o.splitSide, o.length));
        const TwoBlockLayer layer =
            BestTwoBlockLayerQuickly(o.rowSide, o.splitSide, o.length, o.width);
        if (best == nullptr || layer.Count > bestLayer.Count) {
            best = &o;
            bestLayer = layer;
        }
    }
    return TwoBlockBlocks(best->rowSide, best->splitSide, best->length, best->width,
                          bestLayer.Split, best->turned);
}

// The exact step settles a gap this small; a larger one is beyond it in any budget.
constexpr std::int64_t ExactStepGap = 2;
// The first try of the exact step may spend one in this many units of what is left.
constexpr std::int64_t FirstExactShare = 8;

BestLayer FindBestLayerWithin(std::int32_t X, std::int32_t Y, std::int32_t L, std::int32_t W,
                              BudgetMeter& meter) {
    BestLayer layer;
    if (L <= 0 || W <= 0) {
        layer.InvalidInput = true;
        return layer;
    }
    if (X <= 0 || Y <= 0) {
        layer.Optimal = true;
        return layer;
    }
    // Every length that matters is a sum of bundle sides, so a common factor of the sides can be
    // divided out: the search then works on a smaller grid with the same answer.
    const std::int64_t g = std::gcd(L, W);
    const std::int64_t l = std::max(L, W) / g, w = std::min(L, W) / g;
    const std::int64_t x = X / g, y = Y / g;
    layer.UpperBound = ScaledUpperBound(x, y, l, w);

    // The two-block arrangement is the floor: the search must never come back with less.
    layer.Blocks = BestTwoBlockBlocks(X, Y, L, W, meter);
    layer.Count = CountOf(layer.Blocks);

    if (layer.Count < layer.UpperBound) {
        // The search for layers gets half of what is left, the exact step the rest: a search
        // that keeps looking for a layer that does not exist must not starve the proof.
        BudgetMeter searchMeter = meter.ShareOf(2);
        std::optional<SearchedLayer> searched = SearchLayer(x, y, l, w, searchMeter);
        meter.Absorb(searchMeter);
        bool spent = searchMeter.Exhausted();
        if (!searched) {
            layer.SearchSkipped = true;
        } else if (searched->Count > layer.Count) {
            layer.Blocks = Scaled(std::move(searched->Blocks), g);
            layer.Count = CountOf(layer.Blocks);
        }
        // The relaxation closes most gaps the side waste leaves; its weights also let the exact
        // step give up hopeless partial layers sooner. It is first improved only to one above
        // the count, where the exact step can take over (and finds the layer with one more
        // where the search missed it); then, if that did not settle it, improved further.
        std::optional<PackingRelaxation> relaxation;
        std::optional<CellWeights> weights;
        auto tighten = [&](std::int64_t goal) {
            if (!relaxation)
                return;
            if (const std::optional<std::int64_t> bound = relaxation->Improve(goal, meter)) {
                layer.UpperBound = std::min(layer.UpperBound, std::max(*bound, layer.Count));
                weights = relaxation->Weights();
            }
        };
        auto exactStep = [&](BudgetMeter& stepMeter) {
            while (searched && layer.Count < layer.UpperBound &&
                   layer.UpperBound - layer.Count <= ExactStepGap && !stepMeter.Exhausted()) {
                ExactAnswer exact = FitExactly(x, y, l, w, layer.Count + 1, stepMeter,
                                               weights ? &*weights : nullptr);
                if (exact.outcome == ExactAnswer::Outcome::DoesNotFit) {
                    layer.UpperBound = layer.Count;
                } else if (exact.outcome == ExactAnswer::Outcome::Fits) {
                    layer.Blocks = Scaled(std::move(exact.blocks), g);
                    layer.Count = CountOf(layer.Blocks);
                } else {
                    break;
                }
            }
        };
        if (searched && layer.Count < layer.UpperBound && !meter.Exhausted()) {
            relaxation = PackingRelaxation::Make(x, y, l, w);
            tighten(layer.Count + 1);
            BudgetMeter firstTry = meter.ShareOf(FirstExactShare);
            exactStep(firstTry);
            meter.Absorb(firstTry);
            if (layer.Count < layer.UpperBound)
                tighten(layer.Count);
        }
        exactStep(meter);
        spent = spent || meter.Exhausted();
        layer.TimedOut = layer.Count < layer.UpperBound && spent;
        layer.ClockStopped = layer.TimedOut && meter.ClockStopped();
    }
    layer.Optimal = layer.Count >= layer.UpperBound;
    layer.Blocks = InPaintingOrder(layer.Blocks);
    if (layer.Count <= MaxListedPlacements)
        layer.Placements = ExpandBlocks(layer.Blocks);
    return layer;
}

// Rectangle sides worth trying for one more bundle: only a side that reaches a new sum of bundle
// sides can hold anything new, and only one whose bound leaves room above `now`.
std::vector<std::int32_t> CandidateExtras(std::int64_t side, std::int64_t other, std::int32_t L,
                                          std::int32_t W, std::int64_t now, bool alongX) {
    std::vector<std::int32_t> extras;
    if (other <= 0 || other > Int32Max)
        return extras;
    for (std::int32_t extra = 1; extra <= MaxExtraOverhangMm; ++extra) {
        const std::int64_t grown = side + extra;
        if (grown <= 0)
            continue;
        if (grown > Int32Max)
            break;
        if (LargestCombination(grown, L, W) == LargestCombination(grown - 1, L, W))
            continue;
        const auto x = static_cast<std::int32_t>(alongX ? grown : other);
        const auto y = static_cast<std::int32_t>(alongX ? other : grown);
        if (LayerUpperBound(x, y, L, W) > now)
            extras.push_back(extra);
    }
    return extras;
}

} // namespace

BestLayer FindBestLayer(std::int32_t X, std::int32_t Y, std::int32_t L, std::int32_t W,
                        const AdvisorBudget& budget) {
    BudgetMeter meter(budget);
    return FindBestLayerWithin(X, Y, L, W, meter);
}

std::int64_t LayerUpperBound(std::int32_t X, std::int32_t Y, std::int32_t L, std::int32_t W) {
    if (X <= 0 || Y <= 0 || L <= 0 || W <= 0)
        return 0;
    const std::int64_t g = std::gcd(L, W);
    return ScaledUpperBound(X / g, Y / g, L / g, W / g);
}

std::vector<Placement> ExpandBlocks(const std::vector<BundleBlock>& blocks) {
    std::vector<Placement> placements;
    placements.reserve(static_cast<std::size_t>(std::min(CountOf(blocks), MaxListedPlacements)));
    for (const BundleBlock& b : blocks) {
        for (std::int64_t row = 0; row < b.Rows; ++row) {
            for (std::int64_t column = 0; column < b.Columns; ++column) {
                placements.push_back({static_cast<std::int32_t>(b.X + column * b.LengthAlongX),
                                      static_cast<std::int32_t>(b.Y + row * b.WidthAlongY),
                                      b.LengthAlongX, b.WidthAlongY});
            }
        }
    }
    return placements;
}

OverhangAdvice AdviseOverhang(std::int32_t palletLength, std::int32_t palletWidth,
                              std::int32_t lengthOverhang, std::int32_t widthOverhang,
                              std::int32_t L, std::int32_t W, std::int64_t currentCount,
                              const AdvisorBudget& budget) {
    OverhangAdvice advice;
    if (L <= 0 || W <= 0)
        return advice;
    BudgetMeter meter(budget);
    const std::int64_t x = std::int64_t{palletLength} + lengthOverhang;
    const std::int64_t y = std::int64_t{palletWidth} + widthOverhang;
    const bool fits = x > 0 && y > 0 && x <= Int32Max && y <= Int32Max;

    std::vector<std::int32_t> alongX = CandidateExtras(x, y, L, W, currentCount, true);
    std::vector<std::int32_t> alongY = CandidateExtras(y, x, L, W, currentCount, false);
    std::int64_t searchesLeft = static_cast<std::int64_t>(alongX.size() + alongY.size()) + 1;
    // Each search gets an equal part of what is left, so one hard rectangle cannot starve the
    // others.
    auto search = [&](std::int64_t sx, std::int64_t sy) {
        BudgetMeter share = meter.ShareOf(std::max<std::int64_t>(1, searchesLeft--));
        const BestLayer layer = FindBestLayerWithin(static_cast<std::int32_t>(sx),
                                                    static_cast<std::int32_t>(sy), L, W, share);
        meter.Absorb(share);
        advice.Incomplete = advice.Incomplete || layer.TimedOut || layer.SearchSkipped;
        advice.ClockStopped = advice.ClockStopped || layer.ClockStopped;
        return layer.Count;
    };
    const std::int64_t now = fits ? std::max(currentCount, search(x, y)) : currentCount;

    auto firstRaise = [&](const std::vector<std::int32_t>& extras,
                          bool growX) -> std::optional<OverhangStep> {
        for (std::size_t i = 0; i < extras.size(); ++i) {
            const std::int32_t extra = extras[i];
            const std::int64_t sx = growX ? x + extra : x, sy = growX ? y : y + extra;
            // The layer as typed may hold more than currentCount said: skip sides whose bound
            // no longer leaves room above it.
            if (LayerUpperBound(static_cast<std::int32_t>(sx), static_cast<std::int32_t>(sy), L,
                                W) <= now) {
                --searchesLeft;
                continue;
            }
            const std::int64_t count = search(sx, sy);
            if (count > now) {
                searchesLeft -= static_cast<std::int64_t>(extras.size() - i - 1);
                return OverhangStep{extra, count};
            }
        }
        return std::nullopt;
    };
    advice.AlongLength = firstRaise(alongX, true);
    advice.AlongWidth = firstRaise(alongY, false);
    return advice;
}
