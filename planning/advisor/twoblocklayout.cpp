#include "planning/advisor/twoblocklayout.h"

#include <algorithm>

namespace {

std::int64_t CountFor(std::int64_t k, std::int64_t rowSide, std::int64_t splitSide,
                      std::int64_t bundleLength, std::int64_t bundleWidth) {
    return TwoBlockLayerCount(k, static_cast<double>(rowSide), static_cast<double>(splitSide),
                              static_cast<double>(bundleLength), static_cast<double>(bundleWidth));
}

} // namespace

std::int64_t TwoBlockSplitsLookedAt(std::int64_t splitSide, std::int64_t bundleLength) {
    return std::min(splitSide / bundleLength + 1, 2 * bundleLength);
}

TwoBlockLayer BestTwoBlockLayerQuickly(std::int64_t rowSide, std::int64_t splitSide,
                                       std::int64_t bundleLength, std::int64_t bundleWidth) {
    const std::int64_t L = bundleLength, W = bundleWidth;
    const std::int64_t last = splitSide / W;
    TwoBlockLayer best;
    // Scanning splits in ascending order with ">=" keeps the largest split among equal counts.
    auto consider = [&](std::int64_t k) {
        const std::int64_t count = CountFor(k, rowSide, splitSide, L, W);
        if (count >= best.Count) {
            best.Count = count;
            best.Split = k;
        }
    };
    // Two ways to see every best split, whichever looks at fewer. Between two splits where the
    // crosswise rows (splitSide - k * W) / L stay the same, a larger split never loses, so only
    // the largest split for each number of crosswise rows can win: splitSide / L + 1 of them.
    // And count(k + L) - count(k) is the same for every k, so the best count also shows up
    // within the first L splits or, when later splits gain, within the last L. A split side
    // millions of bundles long, or a bundle millions long, so costs no more than a pallet.
    if (splitSide / L < 2 * L) {
        for (std::int64_t rows = splitSide / L; rows >= 0; --rows)
            consider((splitSide - rows * L) / W);
        return best;
    }
    const std::int64_t firstEnd = std::min(last, L - 1);
    const std::int64_t lastBegin = std::max(firstEnd + 1, last - L + 1);
    for (std::int64_t k = 0; k <= firstEnd; ++k)
        consider(k);
    for (std::int64_t k = lastBegin; k <= last; ++k)
        consider(k);
    return best;
}

std::vector<BundleBlock> TwoBlockBlocks(std::int64_t rowSide, std::int64_t splitSide,
                                        std::int64_t bundleLength, std::int64_t bundleWidth,
                                        std::int64_t split, bool turned) {
    const std::int64_t L = bundleLength, W = bundleWidth;
    const std::int64_t crossRows = (splitSide - split * W) / L;
    const std::int64_t alongRow = rowSide / L;
    const std::int64_t stripColumns = (rowSide - alongRow * L) / W;
    const std::int64_t stripRows = split * W / L;
    struct Grid {
        std::int64_t row, split, alongRowSize, alongSplitSize, columns, rows;
    };
    const Grid grids[] = {
        {0, 0, W, L, rowSide / W, crossRows},
        {0, crossRows * L, L, W, alongRow, split},
        {alongRow * L, crossRows * L, W, L, stripColumns, stripRows},
    };
    std::vector<BundleBlock> blocks;
    for (const Grid& g : grids) {
        if (g.columns <= 0 || g.rows <= 0)
            continue;
        BundleBlock b;
        if (turned) {
            b = {static_cast<std::int32_t>(g.split),
                 static_cast<std::int32_t>(g.row),
                 static_cast<std::int32_t>(g.alongSplitSize),
                 static_cast<std::int32_t>(g.alongRowSize),
                 g.rows,
                 g.columns};
        } else {
            b = {static_cast<std::int32_t>(g.row),
                 static_cast<std::int32_t>(g.split),
                 static_cast<std::int32_t>(g.alongRowSize),
                 static_cast<std::int32_t>(g.alongSplitSize),
                 g.columns,
                 g.rows};
        }
        blocks.push_back(b);
    }
    return blocks;
}
