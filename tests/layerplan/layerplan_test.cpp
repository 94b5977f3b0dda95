#include "planning/layerplan/layerplan.h"
#include "planning/loadplan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool Inside(const PlanRect& inner, const PlanRect& outer) {
    return inner.X >= outer.X && inner.Y >= outer.Y &&
           inner.X + inner.Length <= outer.X + outer.Length &&
           inner.Y + inner.Width <= outer.Y + outer.Width;
}

bool Overlap(const PlanRect& a, const PlanRect& b) {
    return a.X < b.X + b.Length && b.X < a.X + a.Length && a.Y < b.Y + b.Width &&
           b.Y < a.Y + a.Width;
}

std::string Describe(const PlanRect& r) {
    std::ostringstream text;
    text << "(" << r.X << ", " << r.Y << ") " << r.Length << " x " << r.Width;
    return text.str();
}

// Every bundle inside the footprint and the footprint inside the envelope, none overlapping,
// each the bundle's size the right way round, one listed for every bundle counted.
::testing::AssertionResult IsSoundPlan(const LayerPlan& plan) {
    if (static_cast<std::int64_t>(plan.Bundles.size()) != plan.Count)
        return ::testing::AssertionFailure()
               << plan.Bundles.size() << " bundles listed, " << plan.Count << " counted";
    if (plan.Count > 0 && !Inside(plan.Footprint, plan.Envelope))
        return ::testing::AssertionFailure() << "footprint " << Describe(plan.Footprint)
                                             << " leaves the envelope " << Describe(plan.Envelope);
    for (std::size_t i = 0; i < plan.Bundles.size(); ++i) {
        const PlanBundle& b = plan.Bundles[i];
        const std::int64_t along = b.Turned ? plan.BundleWidth : plan.BundleLength;
        const std::int64_t across = b.Turned ? plan.BundleLength : plan.BundleWidth;
        if (b.Rect.Length != along || b.Rect.Width != across)
            return ::testing::AssertionFailure()
                   << "bundle " << i + 1 << " " << Describe(b.Rect) << " turned " << b.Turned;
        if (!Inside(b.Rect, plan.Footprint) || !Inside(b.Rect, plan.Envelope))
            return ::testing::AssertionFailure()
                   << "bundle " << i + 1 << " " << Describe(b.Rect) << " outside";
        for (std::size_t j = i + 1; j < plan.Bundles.size(); ++j)
            if (Overlap(b.Rect, plan.Bundles[j].Rect))
                return ::testing::AssertionFailure() << "bundles " << i + 1 << " and " << j + 1
                                                     << " overlap at " << Describe(b.Rect);
    }
    return ::testing::AssertionSuccess();
}

struct LoadCase {
    const char* name;
    std::int64_t palletLength, palletWidth, lengthOverhang, widthOverhang;
    std::int64_t length, width;
};

PlanFrame FrameOf(const LoadPlan& plan, const LoadCase& c) {
    const std::int64_t maxAlongLength = plan.Turned ? c.widthOverhang : c.lengthOverhang;
    const std::int64_t maxAlongWidth = plan.Turned ? c.lengthOverhang : c.widthOverhang;
    return {static_cast<std::int64_t>(plan.PalletLength),
            static_cast<std::int64_t>(plan.PalletWidth),
            maxAlongLength,
            maxAlongWidth,
            c.length,
            c.width};
}

LoadPlan Planned(const LoadCase& c) {
    LoadRequest r;
    r.PalletLength = static_cast<double>(c.palletLength);
    r.PalletWidth = static_cast<double>(c.palletWidth);
    r.LengthOverhang = static_cast<std::int32_t>(c.lengthOverhang);
    r.WidthOverhang = static_cast<std::int32_t>(c.widthOverhang);
    r.BundleLength = static_cast<double>(c.length);
    r.BundleWidth = static_cast<double>(c.width);
    r.BundleHeight = 100;
    return PlanLoad(r);
}

LayerPlan TwoBlockPlanOf(const LoadCase& c) {
    const LoadPlan plan = Planned(c);
    return TwoBlockLayerPlan(FrameOf(plan, c), static_cast<std::int64_t>(plan.RowSide),
                             static_cast<std::int64_t>(plan.SplitSide),
                             static_cast<std::int64_t>(plan.Split));
}

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class TwoBlockPlan : public ::testing::TestWithParam<LoadCase> {};

const LoadCase Loads[] = {
    {"BlocksAndStrip", 1200, 800, 0, 0, 250, 150},
    {"PlainGrid", 1200, 800, 0, 0, 300, 200},
    {"WithOverhangs", 1200, 800, 50, 30, 410, 300},
    {"TurnedPallet", 800, 1200, 0, 0, 600, 400},
    {"LoadSmallerThanPallet", 1200, 800, 0, 0, 500, 350},
    {"SquareBundles", 1200, 1000, 0, 0, 190, 190},
    {"OddOverhang", 1200, 800, 37, 11, 270, 130},
    {"ShortWideBundle", 1200, 800, 0, 0, 150, 350},
    {"OneBundle", 1200, 800, 0, 0, 1100, 700},
    {"NothingFits", 1200, 800, 0, 0, 1300, 900},
    {"SmallBundles", 1200, 800, 20, 20, 43, 29},
};

TEST_P(TwoBlockPlan, EveryBundleInsideNoneOverlappingCountAsCounted) {
    const LoadCase& c = GetParam();
    const LoadPlan load = Planned(c);
    const LayerPlan plan = TwoBlockPlanOf(c);
    EXPECT_EQ(plan.Count, load.LayerCount);
    EXPECT_TRUE(IsSoundPlan(plan));
    EXPECT_EQ(plan.Pallet, (PlanRect{0, 0, static_cast<std::int64_t>(load.PalletLength),
                                     static_cast<std::int64_t>(load.PalletWidth)}));
    // The load stands on the middle of the pallet: the sides differ by at most a millimetre.
    if (plan.Count > 0) {
        const PlanRect& f = plan.Footprint;
        const std::int64_t left = f.X, right = plan.Pallet.Length - (f.X + f.Length);
        const std::int64_t near = f.Y, far = plan.Pallet.Width - (f.Y + f.Width);
        EXPECT_LE(std::abs(left - right), 1);
        EXPECT_LE(std::abs(near - far), 1);
        EXPECT_LE(f.Length, static_cast<std::int64_t>(load.RowSide));
        EXPECT_LE(f.Width, static_cast<std::int64_t>(load.SplitSide));
    }
}

TEST_P(TwoBlockPlan, MirrorImageIsASoundLayerOfTheSameBundles) {
    const LayerPlan plan = TwoBlockPlanOf(GetParam());
    const MirroredLayer mirrored = MirrorLayer(plan);
    EXPECT_TRUE(IsSoundPlan(mirrored.Plan));
    EXPECT_EQ(mirrored.Plan.Footprint, plan.Footprint);
    EXPECT_EQ(mirrored.Axis == MirrorAxis::None, SameLayout(plan, mirrored.Plan));
    for (std::size_t i = 0; i < plan.Bundles.size(); ++i)
        EXPECT_EQ(mirrored.Plan.Bundles[i].Turned, plan.Bundles[i].Turned);
}

INSTANTIATE_TEST_SUITE_P(Loads, TwoBlockPlan, ::testing::ValuesIn(Loads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TwoBlockPlan, BlocksAndStripInPlacingOrder) {
    // 250 x 150 on 1200 x 800, split 2: a crosswise block of 8 x 2 turned bundles from the near
    // side, the lengthwise block of 4 x 2 behind it, one turned bundle at the end of its rows.
    const LayerPlan plan = TwoBlockPlanOf({"", 1200, 800, 0, 0, 250, 150});
    ASSERT_EQ(plan.Count, 25);
    const auto at = [&](std::size_t number) { return plan.Bundles[number - 1]; };
    EXPECT_EQ(at(1), (PlanBundle{{0, 0, 150, 250}, true}));
    EXPECT_EQ(at(2), (PlanBundle{{150, 0, 150, 250}, true}));
    EXPECT_EQ(at(8), (PlanBundle{{1050, 0, 150, 250}, true}));
    EXPECT_EQ(at(9), (PlanBundle{{0, 250, 150, 250}, true}));
    EXPECT_EQ(at(17), (PlanBundle{{0, 500, 250, 150}, false}));
    EXPECT_EQ(at(20), (PlanBundle{{750, 500, 250, 150}, false}));
    EXPECT_EQ(at(21), (PlanBundle{{0, 650, 250, 150}, false}));
    EXPECT_EQ(at(25), (PlanBundle{{1000, 500, 150, 250}, true}));
}

TEST(TwoBlockPlan, OverhangEnvelopeAndFootprintCentredOnThePallet) {
    // Whatever the split, the envelope is the pallet grown by the maxima, half of each on
    // either side.
    const LayerPlan plan = TwoBlockPlanOf({"", 1200, 800, 50, 30, 410, 300});
    EXPECT_EQ(plan.Envelope, (PlanRect{-25, -15, 1250, 830}));
    EXPECT_EQ(plan.Footprint.X, -(plan.Footprint.Length - 1200) / 2);
}

TEST(TwoBlockPlan, TooManyToListKeepsTheCountAndTheFootprint) {
    const PlanFrame frame{100000, 100000, 0, 0, 10, 7};
    const LayerPlan plan = TwoBlockLayerPlan(frame, 100000, 100000, 14285);
    EXPECT_GT(plan.Count, MaxPlanBundles);
    EXPECT_TRUE(plan.Bundles.empty());
    EXPECT_GT(plan.Footprint.Length, 99000);
}

TEST(TwoBlockPlan, ZeroSizesGiveAnEmptyLayer) {
    const LayerPlan plan = TwoBlockLayerPlan({1200, 800, 0, 0, 0, 100}, 1200, 800, 0);
    EXPECT_EQ(plan.Count, 0);
    EXPECT_TRUE(plan.Bundles.empty());
}

TEST(BestLayerPlan, PinwheelIsASoundLayerWithBothWaysRound) {
    // A layer the two blocks fill badly: the advisor lays bundles both ways round.
    const BestLayer best =
        FindBestLayer(1200, 1000, 410, 300, AdvisorBudget::EvaluationsOnly(2'000'000));
    const PlanFrame frame{1200, 1000, 0, 0, 410, 300};
    const LayerPlan plan = BlocksLayerPlan(frame, best.Blocks);
    EXPECT_EQ(plan.Count, best.Count);
    EXPECT_TRUE(IsSoundPlan(plan));
    int turned = 0;
    for (const PlanBundle& b : plan.Bundles)
        turned += b.Turned;
    EXPECT_GT(turned, 0);
    EXPECT_LT(turned, plan.Count);
}

TEST(MirrorLayer, FlipsAcrossTheWidthSoBlocksInterlock) {
    const LayerPlan plan = TwoBlockPlanOf({"", 1200, 800, 0, 0, 250, 150});
    const MirroredLayer mirrored = MirrorLayer(plan);
    ASSERT_EQ(mirrored.Axis, MirrorAxis::AcrossWidth);
    // The first bundle of the near crosswise row now lies at the far side.
    EXPECT_EQ(mirrored.Plan.Bundles[0], (PlanBundle{{0, 550, 150, 250}, true}));
    EXPECT_EQ(mirrored.Plan.Bundles[16], (PlanBundle{{0, 150, 250, 150}, false}));
}

TEST(MirrorLayer, FallsBackToTheLengthWhenTheWidthGivesTheSame) {
    // One row of 3 lengthwise bundles and one turned at the end: the same image across the
    // width, another across the length.
    const PlanFrame frame{1000, 300, 0, 0, 300, 100};
    const LayerPlan plan =
        BlocksLayerPlan(frame, {{0, 0, 300, 100, 3, 3}, {900, 0, 100, 300, 1, 1}});
    const MirroredLayer mirrored = MirrorLayer(plan);
    EXPECT_EQ(mirrored.Axis, MirrorAxis::AcrossLength);
    EXPECT_EQ(mirrored.Plan.Bundles.back(), (PlanBundle{{0, 0, 100, 300}, true}));
}

TEST(MirrorLayer, SaysSoWhenEveryImageIsTheSame) {
    const LayerPlan plan = TwoBlockPlanOf({"", 1200, 800, 0, 0, 300, 200});
    const MirroredLayer mirrored = MirrorLayer(plan);
    EXPECT_EQ(mirrored.Axis, MirrorAxis::None);
    EXPECT_TRUE(SameLayout(plan, mirrored.Plan));
}

} // namespace
