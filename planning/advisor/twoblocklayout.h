#pragma once

#include "planning/advisor/layertypes.h"
#include "planning/rectop.h"

#include <cstdint>
#include <vector>

// The best two-block split of a RowSide x SplitSide rectangle, the same count and split as
// BestTwoBlockLayer (whole millimetres, positive sizes), found among at most about
// sqrt(2 * splitSide) splits instead of all of them, so that a rectangle millions of bundles
// wide, or a bundle millions of millimetres long, costs no more than a pallet.
// How many splits BestTwoBlockLayerQuickly looks at: the work it costs.
std::int64_t TwoBlockSplitsLookedAt(std::int64_t splitSide, std::int64_t bundleLength);

TwoBlockLayer BestTwoBlockLayerQuickly(std::int64_t rowSide, std::int64_t splitSide,
                                       std::int64_t bundleLength, std::int64_t bundleWidth);

// The blocks of the two-block arrangement with the given split, laid out as the drawing lays
// it: the crosswise block from the start of the split side, the lengthwise block after it, and
// the side strip at the end of the lengthwise rows. With turned set the row side runs along Y.
std::vector<BundleBlock> TwoBlockBlocks(std::int64_t rowSide, std::int64_t splitSide,
                                        std::int64_t bundleLength, std::int64_t bundleWidth,
                                        std::int64_t split, bool turned);
