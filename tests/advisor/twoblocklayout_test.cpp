#include "layerchecks.h"

#include "planning/advisor/twoblocklayout.h"
#include "planning/rectop.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// The quick scan gives the same count and the same split (the largest among equal counts) as
// trying every split, including sizes where the two scanned windows meet or overlap.
TEST(BestTwoBlockLayerQuickly, AgreesWithEverySplitTried) {
    for (std::int64_t X : {7, 40, 800, 1000, 1200, 1219}) {
        for (std::int64_t Y : {5, 33, 800, 1016, 1140}) {
            for (std::int64_t L : {1, 3, 7, 150, 210, 410, 700}) {
                for (std::int64_t W : {1, 2, 5, 100, 180, 310, 500}) {
                    SCOPED_TRACE(::testing::Message()
                                 << X << " x " << Y << ", " << L << " x " << W);
                    const TwoBlockLayer all =
                        BestTwoBlockLayer(static_cast<double>(X), static_cast<double>(Y),
                                          static_cast<double>(L), static_cast<double>(W));
                    const TwoBlockLayer quick = BestTwoBlockLayerQuickly(X, Y, L, W);
                    EXPECT_EQ(quick.Count, all.Count);
                    EXPECT_EQ(quick.Split, all.Split);
                }
            }
        }
    }
}

// The blocks lay out exactly the counted bundles, inside the rectangle, without overlap, both
// along and across.
TEST(TwoBlockBlocks, LayOutTheCountedBundles) {
    const std::int32_t cases[][4] = {{1200, 800, 300, 200},
                                     {1200, 800, 250, 150},
                                     {1200, 800, 410, 300},
                                     {1140, 1140, 410, 310}};
    for (const auto& [X, Y, L, W] : cases) {
        for (const bool turned : {false, true}) {
            const std::int32_t row = turned ? Y : X, split = turned ? X : Y;
            const TwoBlockLayer best = BestTwoBlockLayer(row, split, L, W);
            BestLayer layer;
            layer.Blocks = TwoBlockBlocks(row, split, L, W, best.Split, turned);
            layer.Count = best.Count;
            layer.Placements = ExpandBlocks(layer.Blocks);
            EXPECT_TRUE(IsSoundLayer(layer, X, Y, L, W))
                << X << " x " << Y << ", " << L << " x " << W << (turned ? " turned" : "");
        }
    }
}

} // namespace
