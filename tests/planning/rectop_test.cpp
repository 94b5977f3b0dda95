#include "planning/rectop.h"
#include "planning/wholecount.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct LayerCase {
    const char* name;
    double rowSide, splitSide, length, width;
    std::vector<std::int64_t> countsBySplit; // TwoBlockLayerCount for k = 0, 1, ...
    std::int64_t split, layerCount;
};

// The counts of every split candidate, and the one chosen: ties go to the largest split.
const LayerCase layerCases[] = {
    {"ties go to the largest split", 1200, 800, 300, 200, {12, 16, 14, 12, 16}, 4, 16},
    {"sides swapped", 800, 1200, 300, 200, {16, 14, 13, 16, 14, 13, 16}, 6, 16},
    {"mixed layer with a side strip", 1200, 800, 250, 150, {24, 20, 25, 21, 18, 23}, 2, 25},
    {"split side narrower than a bundle", 1200, 150, 100, 200, {6}, 0, 6},
    {"nothing fits: every count ties at 0", 500, 400, 600, 450, {0}, 0, 0},
    {"nothing fits, several candidates", 500, 1100, 600, 550, {0, 0, 0}, 2, 0},
};

class TwoBlockLayerTable : public ::testing::TestWithParam<LayerCase> {};

TEST_P(TwoBlockLayerTable, CountsEverySplitAndKeepsTheLastBest) {
    const LayerCase& c = GetParam();
    for (std::size_t k = 0; k < c.countsBySplit.size(); ++k)
        EXPECT_EQ(TwoBlockLayerCount(static_cast<std::int64_t>(k), c.rowSide, c.splitSide, c.length,
                                     c.width),
                  c.countsBySplit[k])
            << "k = " << k;
    const TwoBlockLayer best = BestTwoBlockLayer(c.rowSide, c.splitSide, c.length, c.width);
    EXPECT_EQ(best.Split, c.split);
    EXPECT_EQ(best.Count, c.layerCount);

    double split = -1;
    std::uint16_t layerCount = 9999;
    BestTwoBlockLoad(c.rowSide, c.splitSide, 1000, c.length, c.width, 100, split, layerCount);
    EXPECT_EQ(split, static_cast<double>(c.split));
    EXPECT_EQ(layerCount, c.layerCount);
}

INSTANTIATE_TEST_SUITE_P(Layers, TwoBlockLayerTable, ::testing::ValuesIn(layerCases));

struct LoadCase {
    double stackHeight, bundleHeight;
    std::int64_t total;
};

// Layer 16 bundles of 300 x 200 on 1200 x 800; the height decides the layers.
const LoadCase loadCases[] = {
    {1000, 100, 160}, // ten layers
    {1000, 300, 48},  // three whole layers, the rest unused
    {99, 100, 0},     // lower than one bundle
    {-150, 100, -16}, // not clamped: minus one layer
    {-50, 100, 0},    // above -H truncates to zero layers
    {1000, 0, 0},     // no height: no layers
    {1000, -100, 0},  // negative height: no layers
};

class TwoBlockLoadTable : public ::testing::TestWithParam<LoadCase> {};

TEST_P(TwoBlockLoadTable, MultipliesTheLayerByTheWholeLayersThatFit) {
    const LoadCase& c = GetParam();
    double split = -1;
    std::uint16_t layerCount = 0;
    EXPECT_EQ(
        BestTwoBlockLoad(1200, 800, c.stackHeight, 300, 200, c.bundleHeight, split, layerCount),
        c.total);
    // The split and the layer are delivered whatever the height.
    EXPECT_EQ(split, 4);
    EXPECT_EQ(layerCount, 16);
}

INSTANTIATE_TEST_SUITE_P(Heights, TwoBlockLoadTable, ::testing::ValuesIn(loadCases));

TEST(BestTwoBlockLoad, WorkedExampleWithSideStripTotals250) {
    double split = 0;
    std::uint16_t layerCount = 0;
    EXPECT_EQ(BestTwoBlockLoad(1200, 800, 1000, 250, 150, 100, split, layerCount), 250);
    EXPECT_EQ(split, 2);
    EXPECT_EQ(layerCount, 25);
}

TEST(BestTwoBlockLayer, SplitRebuildsFromTheCrosswiseRows) {
    // The drawing recovers the split as trunc((Y - r*L) / W) with r the crosswise rows.
    for (double x : {800.0, 1000.0, 1200.0, 1219.0})
        for (double y : {600.0, 800.0, 1016.0})
            for (double l = 100; l <= 700; l += 55)
                for (double w = 80; w <= l; w += 45) {
                    const TwoBlockLayer best = BestTwoBlockLayer(x, y, l, w);
                    const double s = static_cast<double>(best.Split);
                    const auto r = static_cast<std::int64_t>((y - s * w) / l);
                    const auto m = static_cast<std::int64_t>((y - static_cast<double>(r) * l) / w);
                    ASSERT_EQ(m, best.Split) << x << " " << y << " " << l << " " << w;
                }
}

TEST(BestTwoBlockLayer, CountsLayersBeyondSixteenBits) {
    // 10 x 10 bundles on 3000 x 3000: 90000 per layer, more than a 16-bit counter holds.
    EXPECT_EQ(BestTwoBlockLayer(3000, 3000, 10, 10).Count, 90000);
    double split = 0;
    std::uint16_t layerCount = 0;
    EXPECT_EQ(BestTwoBlockLoad(3000, 3000, 20, 10, 10, 10, split, layerCount), 180000);
    EXPECT_EQ(layerCount, static_cast<std::uint16_t>(90000));
}

TEST(BestTwoBlockLayer, NegativeSplitSideLeavesNoCandidate) {
    const TwoBlockLayer best = BestTwoBlockLayer(1200, -10, 300, 200);
    EXPECT_EQ(best.Count, 0);
    EXPECT_EQ(best.Split, 0);
}

} // namespace

namespace {

struct TruncCase {
    double value;
    std::int64_t count; // when in range
    bool inRange;
};

// 2^63 is the first double past the range; the double just below it is the largest that fits.
const TruncCase truncCases[] = {
    {2.9, 2, true},
    {-2.9, -2, true},
    {9223372036854774784.0, 9223372036854774784, true},
    {-9223372036854775808.0, std::numeric_limits<std::int64_t>::min(), true},
    {9223372036854775808.0, 0, false},
    {-9223372036854777856.0, 0, false},
    {1e300, 0, false},
    {std::numeric_limits<double>::infinity(), 0, false},
    {-std::numeric_limits<double>::infinity(), 0, false},
    {std::numeric_limits<double>::quiet_NaN(), 0, false},
};

TEST(TruncatedCount, TruncatesWithinSixtyFourBitsAndRefusesBeyond) {
    for (const TruncCase& c : truncCases) {
        if (c.inRange)
            EXPECT_EQ(TruncatedCount(c.value), c.count) << c.value;
        else
            EXPECT_THROW(TruncatedCount(c.value), CountOutOfRangeError) << c.value;
    }
}

TEST(CountArithmetic, RefusesWhatWouldWrapAround) {
    constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(CountProduct(3037000499, 3037000499), 9223372030926249001);
    EXPECT_THROW(CountProduct(3037000500, 3037000500), CountOutOfRangeError);
    EXPECT_THROW(CountProduct(-2, Max), CountOutOfRangeError);
    EXPECT_EQ(CountSum(Max - 1, 1), Max);
    EXPECT_THROW(CountSum(Max, 1), CountOutOfRangeError);
}

TEST(BestTwoBlockLayer, RefusesALayerPastSixtyFourBits) {
    EXPECT_THROW(BestTwoBlockLayer(7e16, 7e16, 1, 2147483647), CountOutOfRangeError);
    EXPECT_THROW(BestTwoBlockLayer(1e19, 100, 1, 1), CountOutOfRangeError);
}

} // namespace
