#include "planning/loadplan.h"

#include "planning/rectop.h"
#include "planning/wholecount.h"

#include "tests/support/loadrequests.h"

#include <gtest/gtest.h>

namespace {

TEST(PlanLoad, StackHeightLeavesRoomForThePalletWhenAsked) {
    LoadRequest r = BundleRequest(600, 400, 150);
    EXPECT_EQ(PlanLoad(r).StackHeight, 1850);
    r.HeightIncludesPallet = false;
    EXPECT_EQ(PlanLoad(r).StackHeight, 2000);
}

struct OrientationCase {
    const char* name;
    double palletLength, palletWidth;
    std::int32_t lengthOverhang, widthOverhang;
    bool turned;
};

// 410 x 300 x 100 holds 7 a layer when the 1200 side takes the rows, 6 the other way round;
// entered either way, the plan ends on the same pallet with the length overhang trimmed 50 -> 30.
const OrientationCase orientationCases[] = {
    {"entered the better way round", 1200, 800, 50, 0, false},
    {"entered turned", 800, 1200, 0, 50, true},
};

class PlanOrientation : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(PlanOrientation, TakesTheBetterOrientationAndTrims) {
    const OrientationCase& c = GetParam();
    LoadRequest r = BundleRequest(410, 300, 100);
    r.PalletLength = c.palletLength;
    r.PalletWidth = c.palletWidth;
    r.LengthOverhang = c.lengthOverhang;
    r.WidthOverhang = c.widthOverhang;
    const LoadPlan plan = PlanLoad(r);
    EXPECT_EQ(plan.Turned, c.turned);
    EXPECT_EQ(plan.PalletLength, 1200);
    EXPECT_EQ(plan.PalletWidth, 800);
    EXPECT_EQ(plan.LengthOverhang, 30);
    EXPECT_EQ(plan.WidthOverhang, 0);
    EXPECT_EQ(plan.Total, 126);
    EXPECT_EQ(plan.LayerCount, 7);
    EXPECT_EQ(plan.Layers, 18);
    EXPECT_EQ(plan.RowSide, 1230);
    EXPECT_EQ(plan.SplitSide, 800);

    // The plan's split is the one the final count reports.
    double split = -1;
    std::uint16_t layerCount = 0;
    BestTwoBlockLoad(plan.RowSide, plan.SplitSide, plan.StackHeight, 410, 300, 100, split,
                     layerCount);
    EXPECT_EQ(plan.Split, split);

    // Planning the result again changes nothing: the better side is already first.
    r.PalletLength = plan.PalletLength;
    r.PalletWidth = plan.PalletWidth;
    r.LengthOverhang = plan.LengthOverhang;
    r.WidthOverhang = plan.WidthOverhang;
    const LoadPlan again = PlanLoad(r);
    EXPECT_FALSE(again.Turned);
    EXPECT_EQ(again.Total, plan.Total);
    EXPECT_EQ(again.LengthOverhang, 30);
}

INSTANTIATE_TEST_SUITE_P(Orientations, PlanOrientation, ::testing::ValuesIn(orientationCases));

TEST(PlanLoad, EqualTotalsKeepTheOrientationAsEntered) {
    LoadRequest r = BundleRequest(400, 400, 100);
    r.LengthOverhang = 5;
    r.WidthOverhang = 7;
    const LoadPlan plan = PlanLoad(r);
    EXPECT_FALSE(plan.Turned);
    EXPECT_EQ(plan.PalletLength, 1200);
    EXPECT_EQ(plan.PalletWidth, 800);
}

struct TrimCase {
    const char* name;
    double length, width;
    std::int32_t lengthOverhang, widthOverhang;
    std::int32_t trimmedLength, trimmedWidth;
};

const TrimCase trimCases[] = {
    // Nothing to trim: both stay 0.
    {"no overhangs", 600, 400, 0, 0, 0, 0},
    // 600 x 400 fills 1200 x 800 exactly: any overhang is unneeded and goes to 0.
    {"unneeded overhangs go to zero", 600, 400, 40, 25, 0, 0},
    // 410 wide rows need 1230 along the length: 30 of the 50 allowed.
    {"only what the layer needs", 410, 300, 50, 0, 30, 0},
    // A needed overhang used in full stays at its maximum.
    {"needed in full", 410, 300, 30, 0, 30, 0},
    // Negative overhangs are left as they are.
    {"negative overhang untouched", 600, 400, -20, 0, -20, 0},
    // A 1201 mm bundle needs exactly 1 mm beyond the 1200 pallet: the walk goes down to 0
    // before it sees the total drop.
    {"one millimetre needed", 1201, 400, 5, 0, 1, 0},
    {"one millimetre needed along the width", 600, 801, 0, 7, 0, 1},
};

class PlanTrim : public ::testing::TestWithParam<TrimCase> {};

TEST_P(PlanTrim, TrimsEachOverhangToTheLeastThatKeepsTheTotal) {
    const TrimCase& c = GetParam();
    LoadRequest r = BundleRequest(c.length, c.width, 100);
    r.LengthOverhang = c.lengthOverhang;
    r.WidthOverhang = c.widthOverhang;
    const LoadPlan plan = PlanLoad(r);
    EXPECT_EQ(plan.LengthOverhang, c.trimmedLength);
    EXPECT_EQ(plan.WidthOverhang, c.trimmedWidth);
    EXPECT_LE(plan.LengthOverhang, std::max(0, c.lengthOverhang));
}

INSTANTIATE_TEST_SUITE_P(Overhangs, PlanTrim, ::testing::ValuesIn(trimCases));

TEST(PlanLoad, TrimmingKeepsTheLastOverhangBeforeTheTotalDrops) {
    // One row of 100 x 100 bundles on a 1000-long side with 250 allowed: 12 bundles need 1200,
    // so 200 of the overhang stays; at 199 only 11 fit.
    LoadRequest r = BundleRequest(100, 100, 100);
    r.PalletLength = 1000;
    r.PalletWidth = 100;
    r.LengthOverhang = 250;
    r.HeightIncludesPallet = false;
    r.MaxHeight = 100;
    const LoadPlan plan = PlanLoad(r);
    EXPECT_EQ(plan.Total, 12);
    EXPECT_EQ(plan.LengthOverhang, 200);
}

TEST(PlanLoad, BundleTallerThanTheStackHasNoLayers) {
    const LoadPlan plan = PlanLoad(BundleRequest(600, 400, 1900));
    EXPECT_EQ(plan.Total, 0);
    EXPECT_EQ(plan.Layers, 0);
    EXPECT_EQ(plan.LayerCount, 4);
}

TEST(PlanLoad, MaximumHeightBelowThePalletLeavesAnEmptyLoadNotANegativeOne) {
    LoadRequest r = BundleRequest(600, 400, 100);
    r.MaxHeight = 0; // stack height -150: minus one layer in the raw count
    const LoadPlan plan = PlanLoad(r);
    EXPECT_EQ(plan.StackHeight, -150);
    EXPECT_EQ(plan.Layers, 0);
    EXPECT_EQ(plan.Total, 0);
}

TEST(PlanLoad, BundleLargerThanThePalletHasNoLayersAtAll) {
    const LoadPlan plan = PlanLoad(BundleRequest(1500, 900, 100));
    EXPECT_EQ(plan.LayerCount, 0);
    EXPECT_EQ(plan.Layers, 0);
    EXPECT_EQ(plan.Total, 0);
}

TEST(PlanLoad, ReportsLayersAboveSixteenBitsInFull) {
    LoadRequest r = BundleRequest(10, 10, 10);
    r.PalletLength = 3000;
    r.PalletWidth = 3000;
    r.HeightIncludesPallet = false;
    r.MaxHeight = 50;
    const LoadPlan plan = PlanLoad(r);
    EXPECT_EQ(plan.LayerCount, 90000);
    EXPECT_EQ(plan.Layers, 5);
    EXPECT_EQ(plan.Total, 450000);
}

TEST(PlanLoad, RefusesSizesThatWouldTakeMinutes) {
    LoadRequest r = BundleRequest(1, 1, 1);
    r.PalletWidth = 2e9;
    EXPECT_THROW(PlanLoad(r), PlanTooLargeError);
    r = BundleRequest(600, 1, 100);
    r.LengthOverhang = 2000000000;
    EXPECT_THROW(PlanLoad(r), PlanTooLargeError);
}

struct OutOfRangeCase {
    const char* name;
    double palletLength, palletWidth, maxHeight, length, width, height;
};

// Loads whose counts no 64-bit integer holds: the plan refuses them instead of wrapping around
// (a total of 2e21 read as 7751490039368425472) or truncating a quotient beyond every integer.
const OutOfRangeCase outOfRangeCases[] = {
    {"total past 64 bits", 1e6, 1e6, 2e9, 1, 1, 1},
    {"bundles along a row times the split past 64 bits", 7e16, 7e16, 2000, 1, 2147483647, 1},
    {"layers of a huge stack", 1200, 800, 1e300, 600, 400, 300},
    {"layers of a stack far below the pallet", 1200, 800, -1e300, 600, 400, 300},
    {"infinite stack", 1200, 800, std::numeric_limits<double>::infinity(), 600, 400, 300},
    {"layers just past 64 bits", 1200, 800, 9.3e18, 600, 400, 1},
};

TEST(PlanLoad, RefusesCountsBeyondSixtyFourBits) {
    for (const OutOfRangeCase& c : outOfRangeCases) {
        LoadRequest r = BundleRequest(c.length, c.width, c.height);
        r.PalletLength = c.palletLength;
        r.PalletWidth = c.palletWidth;
        r.MaxHeight = c.maxHeight;
        EXPECT_THROW(PlanLoad(r), CountOutOfRangeError) << c.name;
    }
}

TEST(PlanLoad, CountsJustInsideSixtyFourBitsAreExact) {
    // One bundle a layer, and as many layers as the largest double below 2^63.
    LoadRequest r = BundleRequest(600, 400, 1);
    r.PalletLength = 600;
    r.PalletWidth = 400;
    r.HeightIncludesPallet = false;
    r.MaxHeight = 9223372036854774784.0;
    const LoadPlan plan = PlanLoad(r);
    EXPECT_EQ(plan.LayerCount, 1);
    EXPECT_EQ(plan.Layers, 9223372036854774784);
    EXPECT_EQ(plan.Total, 9223372036854774784);
}

struct OrderCase {
    std::int64_t bundles, total, pallets, onLast;
};

const OrderCase orderCases[] = {
    {1000, 48, 21, 40}, {960, 48, 20, 48}, {1, 48, 1, 1}, {0, 48, 0, 48}, {49, 48, 2, 1},
};

TEST(Order, PalletsRoundUpAndTheLastPalletHoldsTheRest) {
    for (const OrderCase& c : orderCases) {
        EXPECT_EQ(PalletsForOrder(c.bundles, c.total), c.pallets) << c.bundles;
        EXPECT_EQ(BundlesOnLastPallet(c.bundles, c.total), c.onLast) << c.bundles;
    }
}

TEST(Order, LoadedHeightAddsThePallet) {
    EXPECT_EQ(LoadedPalletHeight(100, 18), 1950);
    EXPECT_EQ(LoadedPalletHeight(100, 0), 150);
}

} // namespace
