#include "planning/weights.h"

#include "planning/rectop.h"

#include "tests/support/casename.h"
#include "tests/support/loadrequests.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct BundleWeightCase {
    const char* name;
    WeightInputs inputs;
    std::optional<double> expected;
};

WeightInputs Weights(std::optional<double> boxGrams, std::optional<double> bundleKg,
                     std::optional<std::int64_t> perBundle) {
    WeightInputs w;
    w.BoxGrams = boxGrams;
    w.BundleKg = bundleKg;
    w.BoxesPerBundle = perBundle;
    return w;
}

const BundleWeightCase bundleWeightCases[] = {
    {"box grams times boxes", Weights(250, {}, 20), 5.0},
    {"bundle weight as given", Weights({}, 12.5, {}), 12.5},
    {"bundle weight wins over box", Weights(250, 7.0, 20), 7.0},
    {"box without boxes per bundle", Weights(250, {}, {}), std::nullopt},
    {"box with no boxes per bundle", Weights(250, {}, 0), std::nullopt},
    {"nothing given", Weights({}, {}, 20), std::nullopt},
    {"weightless box", Weights(0, {}, 20), 0.0},
};

class BundleWeight : public ::testing::TestWithParam<BundleWeightCase> {};

TEST_P(BundleWeight, FromTheBoxOrAsGiven) {
    const BundleWeightCase& c = GetParam();
    EXPECT_EQ(BundleWeightKg(c.inputs), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, BundleWeight, ::testing::ValuesIn(bundleWeightCases), NamedCase());

struct LoadWeightCase {
    const char* name;
    std::int64_t total;
    double bundleKg, tareKg;
    std::optional<std::int64_t> order;
    double fullNet, fullGross;
    std::optional<PalletWeight> last;
    std::optional<OrderWeight> wholeOrder;
};

// Pallet, last pallet and order: the last pallet holds what the full ones leave, and every
// pallet of the order carries its own tare.
const LoadWeightCase loadWeightCases[] = {
    {"order leaves a part pallet", 48, 5, 25, 1000, 240, 265, PalletWeight{40, 200, 225},
     OrderWeight{1000, 21, 5000, 5525}},
    {"order fills whole pallets", 60, 12.5, 9.5, 120, 750, 759.5, PalletWeight{60, 750, 759.5},
     OrderWeight{120, 2, 1500, 1519}},
    {"order smaller than a pallet", 48, 5, 25, 7, 240, 265, PalletWeight{7, 35, 60},
     OrderWeight{7, 1, 35, 60}},
    {"no order", 48, 5, 25, std::nullopt, 240, 265, std::nullopt, std::nullopt},
    {"order of nothing", 48, 5, 25, 0, 240, 265, std::nullopt, OrderWeight{0, 0, 0, 0}},
    {"pallet holds nothing", 0, 5, 25, 1000, 0, 25, std::nullopt, std::nullopt},
};

class LoadWeight : public ::testing::TestWithParam<LoadWeightCase> {};

TEST_P(LoadWeight, FullPalletLastPalletAndOrder) {
    const LoadWeightCase& c = GetParam();
    const LoadWeights w = WeighLoad(c.total, c.bundleKg, c.tareKg, c.order);
    EXPECT_EQ(w.Full.Bundles, c.total);
    EXPECT_DOUBLE_EQ(w.Full.NetKg, c.fullNet);
    EXPECT_DOUBLE_EQ(w.Full.GrossKg, c.fullGross);
    ASSERT_EQ(w.Last.has_value(), c.last.has_value());
    if (c.last) {
        EXPECT_EQ(w.Last->Bundles, c.last->Bundles);
        EXPECT_DOUBLE_EQ(w.Last->NetKg, c.last->NetKg);
        EXPECT_DOUBLE_EQ(w.Last->GrossKg, c.last->GrossKg);
    }
    ASSERT_EQ(w.Order.has_value(), c.wholeOrder.has_value());
    if (c.wholeOrder) {
        EXPECT_EQ(w.Order->Bundles, c.wholeOrder->Bundles);
        EXPECT_EQ(w.Order->Pallets, c.wholeOrder->Pallets);
        EXPECT_DOUBLE_EQ(w.Order->NetKg, c.wholeOrder->NetKg);
        EXPECT_DOUBLE_EQ(w.Order->GrossKg, c.wholeOrder->GrossKg);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadWeight, ::testing::ValuesIn(loadWeightCases), NamedCase());

TEST(LoadWeight, BoxToBundleToPalletToOrder) {
    // 400 x 300 x 200 boxes of 350 g, 10 a bundle: 3.5 kg bundles; 600 x 400 x 150 bundles stand
    // 4 a layer in 12 layers on 1200 x 800.
    WeightInputs inputs = Weights(350, {}, 10);
    const double bundleKg = *BundleWeightKg(inputs);
    const LoadPlan plan = PlanLoad(BundleRequest(600, 400, 150));
    ASSERT_EQ(plan.Total, 48);
    const LoadWeights w = WeighLoad(plan.Total, bundleKg, inputs.TareKg, 100);
    EXPECT_DOUBLE_EQ(w.Full.NetKg, 168);
    EXPECT_DOUBLE_EQ(w.Full.GrossKg, 193);
    EXPECT_EQ(w.Last->Bundles, 4);
    EXPECT_DOUBLE_EQ(w.Last->GrossKg, 39);
    EXPECT_EQ(w.Order->Pallets, 3);
    EXPECT_DOUBLE_EQ(w.Order->GrossKg, 350 + 75);
}

struct LimitCase {
    const char* name;
    std::int64_t layers, perLayer;
    double bundleKg, tareKg, maxGrossKg;
    std::int64_t expected;
};

const LimitCase limitCases[] = {
    {"no cut below the limit", 12, 4, 10, 25, 1000, 12},
    {"full stack meets the limit exactly", 12, 4, 10, 25, 505, 12},
    {"a gram over loses a layer", 12, 4, 10, 25, 504.999, 11},
    {"cut to what the limit allows", 12, 4, 10, 25, 400, 9},
    {"decimal weights meet the limit exactly", 30, 1, 0.1, 0.3, 0.6, 3},
    {"decimal weights just under", 30, 3, 0.1, 0.2, 1.0999, 2},
    {"one bundle fits but no layer", 12, 4, 100, 25, 400, 0},
    {"weightless bundles", 12, 4, 0, 25, 30, 12},
    {"nothing to carry", 0, 4, 1000, 25, 30, 0},
};

class WeightLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(WeightLimit, LayersWithinTheMaximumGross) {
    const LimitCase& c = GetParam();
    const std::int64_t layers =
        LayersWithinGross(c.layers, c.perLayer, c.bundleKg, c.tareKg, c.maxGrossKg);
    EXPECT_EQ(layers, c.expected) << c.name;
    // Whatever is kept is within the limit, and one layer more would not be.
    EXPECT_LE(c.tareKg + layers * c.perLayer * c.bundleKg, c.maxGrossKg * (1 + 1e-6));
    if (layers < c.layers) {
        EXPECT_GT(c.tareKg + (layers + 1) * c.perLayer * c.bundleKg, c.maxGrossKg);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WeightLimit, ::testing::ValuesIn(limitCases), NamedCase());

TEST(WeightLimit, ABundleHeavierThanTheLimitIsRefusedWithItsWeight) {
    for (const double bundleKg : {390.0, 500.0}) {
        try {
            LayersWithinGross(12, 4, bundleKg, 25, 400);
            ADD_FAILURE() << bundleKg;
        } catch (const BundleTooHeavyError& error) {
            EXPECT_DOUBLE_EQ(error.GrossKg, bundleKg + 25);
            EXPECT_DOUBLE_EQ(error.MaxGrossKg, 400);
        }
    }
    // The tare alone over the limit refuses any load too.
    EXPECT_THROW(LayersWithinGross(12, 4, 0, 30, 25), BundleTooHeavyError);
}

TEST(WeightLimit, CutPlanKeepsItsLayerAndFollowsWithTheTotal) {
    const LoadPlan full = PlanLoad(BundleRequest(600, 400, 150));
    LoadPlan plan = full;
    EXPECT_FALSE(CutLayersToGross(plan, 10, 25, 505));
    EXPECT_EQ(plan.Layers, full.Layers);
    EXPECT_EQ(plan.Total, full.Total);

    EXPECT_TRUE(CutLayersToGross(plan, 10, 25, 400));
    EXPECT_EQ(plan.Layers, 9);
    EXPECT_EQ(plan.Total, 36);
    EXPECT_EQ(plan.LayerCount, full.LayerCount);
    EXPECT_EQ(plan.Split, full.Split);
    EXPECT_EQ(plan.StackHeight, full.StackHeight);
    EXPECT_EQ(plan.LengthOverhang, full.LengthOverhang);
    EXPECT_EQ(plan.RowSide, full.RowSide);
}

} // namespace

namespace {

TEST(WeightLimit, DrawnStackHeightHoldsExactlyTheLayersKept) {
    // 1850 mm of 150 mm bundles: 12 layers and 50 mm to spare.
    EXPECT_EQ(StackHeightForLayers(1850, 150, 12), 1850);
    EXPECT_EQ(StackHeightForLayers(1850, 150, 9), 1400);
    EXPECT_EQ(StackHeightForLayers(1850, 150, 0), 50);
    for (const double height : {62.0, 62.5, 33.3, 0.7, 151.1}) {
        const std::int64_t allowed = LayersInStack(1850, height);
        for (std::int64_t layers = 0; layers <= allowed; ++layers)
            EXPECT_EQ(LayersInStack(StackHeightForLayers(1850, height, layers), height), layers)
                << height << " mm, " << layers << " layers";
    }
}

} // namespace
