#include "planning/advisor/loadadvice.h"

#include "tests/support/loadrequests.h"

#include <gtest/gtest.h>

namespace {

const AdvisorBudget Plenty = AdvisorBudget::EvaluationsOnly(50'000'000);

TEST(AdviseLayer, BestLayerBecomesAPlanWithItsOwnTotal) {
    const LoadRequest r = BundleRequest(410, 310, 100);
    const LayerAdvice advice = AdviseLayer(PlanLoad(r), r, Plenty);
    ASSERT_TRUE(advice.Available);
    EXPECT_EQ(advice.TwoBlockCount, 5);
    EXPECT_EQ(advice.Best.Count, 6);
    EXPECT_EQ(advice.BestPlan.LayerCount, 6);
    EXPECT_EQ(advice.BestPlan.Layers, 18);
    EXPECT_EQ(advice.BestPlan.Total, 108);
    EXPECT_EQ(advice.BestPlan.LengthOverhang, 0);
    EXPECT_EQ(advice.BundleHeight, 100);
}

TEST(AdviseLayer, OnlyTheOverhangTheBestLayerReachesIntoCounts) {
    // 600 x 400 fills 1200 x 800 exactly: 50 mm allowed along the length buys nothing.
    LoadRequest r = BundleRequest(600, 400, 100);
    r.LengthOverhang = 50;
    const LayerAdvice advice = AdviseLayer(PlanLoad(r), r, Plenty);
    EXPECT_EQ(advice.Best.Count, 4);
    EXPECT_EQ(advice.BestPlan.LengthOverhang, 0);
    EXPECT_EQ(advice.BestPlan.RowSide, 1200);
}

TEST(AdviseLayer, TakesTheOverhangsInTheTurnedFrame) {
    LoadRequest r = BundleRequest(410, 300, 100);
    r.PalletLength = 800;
    r.PalletWidth = 1200;
    r.WidthOverhang = 50; // along the 1200 side, which becomes the length
    const LoadPlan plan = PlanLoad(r);
    ASSERT_TRUE(plan.Turned);
    const LayerAdvice advice = AdviseLayer(plan, r, Plenty);
    EXPECT_GE(advice.Best.Count, 7);
    EXPECT_LE(advice.BestPlan.LengthOverhang, 50);
    EXPECT_EQ(advice.BestPlan.WidthOverhang, 0);
}

TEST(AdviseLayer, FractionalBundleSizesGetNoAdvice) {
    const LoadRequest r = BundleRequest(410.5, 300, 100);
    const LayerAdvice advice = AdviseLayer(PlanLoad(r), r, Plenty);
    EXPECT_FALSE(advice.Available);
    EXPECT_EQ(advice.Best.Count, 0);
}

} // namespace
