#include "planning/advisor/twoblocklayout.h"

#include <algorithm>

namespace {

std::int64_t CountFor(std::int64_t k, std::int64_t rowSide, std::int64_t splitSide,
                      std::int64_t bundleLength, std::int64_t bundleWidth) {
    return TwoBlockLayerCount(k, static_cast<double>(rowSide), static_cast<double>(splitSide),
                              static_cast<double>(bundleLength), static_cast<double>(bundleWidth));
}

} // namespace

TwoBlockLayer BestTwoBlockLayerQuickly(std::int64_t rowSide, std::int64_t splitSide,
                                       std::int64_t bundleLength, std::int64_t bundleWidth) {
    // count(k + L) - count(k) is the same for every k, so the best count shows up within the
    // first L splits or, when later splits gain, within the last L; scanning both windows in
    // ascending order with ">=" also keeps the largest split among equal counts.
    const std::int64_t last = splitSide / bundleWidth;
    const std::int64_t firstEnd = std::min(last, bundleLength - 1);
    const std::int64_t lastBegin = std::max(firstEnd + 1, last - bundleLength + 1);
    TwoBlockLayer best;
    auto consider = [&](std::int64_t k) {
        const std::int64_t count = CountFor(k, rowSide, splitSide, bundleLength, bundleWidth);
        if (count >= best.Count) {
            best.Count = count;
            best.Split = k;
        }
    };
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
