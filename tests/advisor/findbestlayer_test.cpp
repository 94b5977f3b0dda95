#include "layerchecks.h"

#include "planning/advisor/layeradvisor.h"
#include "planning/rectop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <ostream>

namespace {

// Generous enough that every case below finishes its search; counted, so no test depends on
// the speed of the machine.
const AdvisorBudget Ample = AdvisorBudget::EvaluationsOnly(50'000'000);

std::int64_t TwoBlockBest(std::int32_t X, std::int32_t Y, std::int32_t L, std::int32_t W) {
    return std::max(BestTwoBlockLayer(X, Y, L, W).Count, BestTwoBlockLayer(Y, X, L, W).Count);
}

struct KnownLayer {
    std::int32_t X, Y, L, W;
    std::int64_t count;

    friend void PrintTo(const KnownLayer& c, std::ostream* out) {
        *out << c.X << "x" << c.Y << "_bundle_" << c.L << "x" << c.W;
    }
};

class KnownLayers : public ::testing::TestWithParam<KnownLayer> {};

// Layers whose best count is known, most of them beyond the two-block arrangement: the pinwheel
// cases of the pallet trade and the classic hard instances that need L-shaped pieces.
TEST_P(KnownLayers, FindsTheBestCountAndProvesIt) {
    const KnownLayer& c = GetParam();
    const BestLayer layer = FindBestLayer(c.X, c.Y, c.L, c.W, Ample);
    EXPECT_EQ(layer.Count, c.count);
    EXPECT_EQ(layer.UpperBound, c.count);
    EXPECT_TRUE(layer.Optimal);
    EXPECT_FALSE(layer.TimedOut);
    EXPECT_TRUE(IsSoundLayer(layer, c.X, c.Y, c.L, c.W));
}

INSTANTIATE_TEST_SUITE_P(
    Layers, KnownLayers,
    ::testing::Values(KnownLayer{1200, 800, 410, 310, 6},  // two-block: 5
                      KnownLayer{1200, 800, 210, 180, 24}, // two-block: 22
                      KnownLayer{1140, 1140, 410, 310, 9}, // two-block: 8
                      KnownLayer{1200, 800, 300, 200, 16}, // two-block already best
                      KnownLayer{43, 26, 7, 3, 53},        // five-block patterns reach 52
                      KnownLayer{49, 28, 8, 3, 57}));      // five-block patterns reach 56

// The count cannot depend on which way round the rectangle or the bundle is given.
TEST_P(KnownLayers, CountDoesNotDependOnOrientation) {
    const KnownLayer& c = GetParam();
    EXPECT_EQ(FindBestLayer(c.Y, c.X, c.L, c.W, Ample).Count, c.count);
    EXPECT_EQ(FindBestLayer(c.X, c.Y, c.W, c.L, Ample).Count, c.count);
    EXPECT_EQ(FindBestLayer(c.Y, c.X, c.W, c.L, Ample).Count, c.count);
}

// Over a spread of realistic pallets and bundles: never fewer than the two-block arrangement in
// either orientation, never above the bound, the optimal flag exactly when the bound is met, and
// every layer drawable as it stands.
TEST(FindBestLayer, NeverBelowTwoBlockAndAlwaysSound) {
    const std::int32_t pallets[][2] = {
        {1200, 800}, {1200, 1000}, {1140, 1140}, {1100, 1100}, {1219, 1016}};
    int beaten = 0;
    for (const auto& p : pallets) {
        for (std::int32_t L = 150; L <= 700; L += 70) {
            for (std::int32_t W = 100; W <= std::min(L, 500); W += 55) {
                SCOPED_TRACE(::testing::Message()
                             << p[0] << " x " << p[1] << ", bundle " << L << " x " << W);
                const BestLayer layer =
                    FindBestLayer(p[0], p[1], L, W, AdvisorBudget::EvaluationsOnly(300'000));
                const std::int64_t twoBlock = TwoBlockBest(p[0], p[1], L, W);
                EXPECT_GE(layer.Count, twoBlock);
                EXPECT_LE(layer.Count, layer.UpperBound);
                EXPECT_EQ(layer.Optimal, layer.Count == layer.UpperBound);
                EXPECT_TRUE(IsSoundLayer(layer, p[0], p[1], L, W));
                beaten += layer.Count > twoBlock;
            }
        }
    }
    // The grid holds layers the two-block arrangement misses; a search that never found one
    // would pass everything above.
    EXPECT_GT(beaten, 0);
}

TEST(FindBestLayer, AreaBoundMetIsProvenOptimal) {
    // 48 bundles of 200 x 100 cover 1200 x 800 exactly.
    const BestLayer exact = FindBestLayer(1200, 800, 200, 100, Ample);
    EXPECT_EQ(exact.Count, 48);
    EXPECT_EQ(exact.UpperBound, 48);
    EXPECT_TRUE(exact.Optimal);
    // The side waste rules out a 17th 300 x 190 bundle on 1200 x 800 (area alone allows 16.8).
    const BestLayer waste = FindBestLayer(1200, 800, 300, 190, Ample);
    EXPECT_EQ(waste.UpperBound, 16);
    EXPECT_EQ(waste.Count, 16);
    EXPECT_TRUE(waste.Optimal);
}

TEST(FindBestLayer, SpentBudgetKeepsTheBestFoundAndSaysSo) {
    // No evaluation at all: the two-block layer comes back, honestly unproven.
    const BestLayer none = FindBestLayer(49, 28, 8, 3, AdvisorBudget::EvaluationsOnly(0));
    EXPECT_EQ(none.Count, TwoBlockBest(49, 28, 8, 3));
    EXPECT_EQ(none.UpperBound, 57);
    EXPECT_FALSE(none.Optimal);
    EXPECT_TRUE(none.TimedOut);
    EXPECT_TRUE(IsSoundLayer(none, 49, 28, 8, 3));
    // Part way through: whatever was reached is a sound layer, and more budget never finds less.
    std::int64_t previous = 0;
    for (const std::int64_t evaluations : {100, 10'000, 100'000, 1'000'000}) {
        const BestLayer some =
            FindBestLayer(43, 26, 7, 3, AdvisorBudget::EvaluationsOnly(evaluations));
        EXPECT_TRUE(IsSoundLayer(some, 43, 26, 7, 3));
        EXPECT_EQ(some.Optimal, some.Count == some.UpperBound);
        EXPECT_TRUE(some.TimedOut || some.Optimal);
        EXPECT_GE(some.Count, previous);
        previous = some.Count;
    }
}

TEST(FindBestLayer, DefaultBudgetFinishesAndIsSound) {
    // The wall-clock budget only bounds the time; the answer must be a sound layer either way.
    const BestLayer layer = FindBestLayer(1200, 800, 190, 100);
    EXPECT_GE(layer.Count, TwoBlockBest(1200, 800, 190, 100));
    EXPECT_TRUE(IsSoundLayer(layer, 1200, 800, 190, 100));
}

struct OddInput {
    const char* what;
    std::int32_t X, Y, L, W;
    bool invalid;
};

class OddInputs : public ::testing::TestWithParam<OddInput> {};

TEST_P(OddInputs, GiveAnEmptyLayer) {
    const OddInput& c = GetParam();
    const BestLayer layer = FindBestLayer(c.X, c.Y, c.L, c.W, Ample);
    EXPECT_EQ(layer.Count, 0);
    EXPECT_EQ(layer.UpperBound, 0);
    EXPECT_TRUE(layer.Blocks.empty());
    EXPECT_TRUE(layer.Placements.empty());
    EXPECT_EQ(layer.InvalidInput, c.invalid);
    // Nothing fits a rectangle that is too small, and that is proven; a bundle without a size
    // proves nothing.
    EXPECT_EQ(layer.Optimal, !c.invalid);
}

INSTANTIATE_TEST_SUITE_P(
    Layers, OddInputs,
    ::testing::Values(OddInput{"zero length", 1200, 800, 0, 200, true},
                      OddInput{"negative width", 1200, 800, 300, -200, true},
                      OddInput{"zero pallet", 0, 800, 300, 200, false},
                      OddInput{"negative pallet", 1200, -800, 300, 200, false},
                      OddInput{"bundle longer than both sides", 500, 400, 600, 100, false},
                      OddInput{"bundle wider than the short side", 1200, 800, 900, 850, false}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

struct HugeInput {
    std::int32_t X, Y, L, W;

    friend void PrintTo(const HugeInput& c, std::ostream* out) {
        *out << c.X << "x" << c.Y << "_bundle_" << c.L << "x" << c.W;
    }
};

class HugeInputs : public ::testing::TestWithParam<HugeInput> {};

// Rectangles far beyond any pallet still come back within the budget with a sound layer, given
// as blocks when there are too many bundles to list.
TEST_P(HugeInputs, AnswerWithASoundLayer) {
    const HugeInput& c = GetParam();
    const BestLayer layer =
        FindBestLayer(c.X, c.Y, c.L, c.W, AdvisorBudget::EvaluationsOnly(1'000'000));
    EXPECT_GE(layer.Count, TwoBlockBest(c.X, c.Y, c.L, c.W));
    EXPECT_LE(layer.Count, layer.UpperBound);
    EXPECT_TRUE(IsSoundLayer(layer, c.X, c.Y, c.L, c.W));
}

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Layers, HugeInputs,
    ::testing::Values(HugeInput{100000, 100000, 1, 1}, HugeInput{100000, 100000, 3, 2},
                      HugeInput{Int32Max, Int32Max, 7, 5}, HugeInput{Int32Max, 1000, 1, 999},
                      HugeInput{Int32Max, Int32Max, 46341, 46340}, HugeInput{5000, 4000, 13, 11}));

TEST(FindBestLayer, HugeLayerIsCountedInFull) {
    const BestLayer layer = FindBestLayer(100000, 100000, 1, 1);
    EXPECT_EQ(layer.Count, 10'000'000'000);
    EXPECT_TRUE(layer.Optimal);
    EXPECT_TRUE(layer.Placements.empty());
    ASSERT_EQ(layer.Blocks.size(), 1u);
}

} // namespace
