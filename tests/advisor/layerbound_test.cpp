#include "exhaustivepacker.h"

#include "planning/advisor/layeradvisor.h"
#include "planning/advisor/layerbound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <vector>

namespace {

struct Combination {
    std::int64_t limit, p, q, largest;

    friend void PrintTo(const Combination& c, std::ostream* out) {
        *out << c.limit << "_by_" << c.p << "_and_" << c.q;
    }
};

class LargestCombinations : public ::testing::TestWithParam<Combination> {};

TEST_P(LargestCombinations, IsTheLargestSumNotAboveTheLimit) {
    const Combination& c = GetParam();
    EXPECT_EQ(LargestCombination(c.limit, c.p, c.q), c.largest);
    EXPECT_EQ(LargestCombination(c.limit, c.q, c.p), c.largest);
}

constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Sides, LargestCombinations,
    ::testing::Values(Combination{1200, 410, 310, 1130}, Combination{1200, 300, 200, 1200},
                      Combination{800, 410, 310, 720}, Combination{40, 9, 7, 39},
                      Combination{5, 7, 3, 3}, Combination{2, 7, 3, 0}, Combination{0, 7, 3, 0},
                      Combination{-1, 7, 3, -1},
                      // Far beyond a pallet: must still answer at once and exactly.
                      Combination{Int32Max, 46341, 46340, Int32Max},
                      Combination{Int32Max, 1, Int32Max, Int32Max},
                      Combination{Int32Max - 1, Int32Max, Int32Max, 0}));

// Every tiny rectangle, both ways round, against exhaustive search: the bound never cuts below
// the true best, and the advisor finds exactly the true best. Sizes include layers no two-block or
// five-block arrangement reaches.
TEST(LayerUpperBound, HoldsAndTheAdvisorIsExactOnTinyRectangles) {
    const int bundles[][2] = {{2, 1}, {3, 1}, {3, 2}, {4, 1}, {4, 3},
                              {5, 2}, {5, 3}, {4, 2}, {7, 3}};
    int boundMet = 0, cases = 0;
    for (const auto& [l, w] : bundles) {
        for (int X = 1; X <= 13; ++X) {
            for (int Y = 1; Y <= 13 && X * Y <= 120; ++Y) {
                SCOPED_TRACE(::testing::Message()
                             << X << " x " << Y << ", bundle " << l << " x " << w);
                const int best = ExhaustivePacker::Rectangle(X, Y, l, w).Best();
                const BestLayer layer =
                    FindBestLayer(X, Y, l, w, AdvisorBudget::EvaluationsOnly(10'000'000));
                EXPECT_GE(layer.UpperBound, best);
                EXPECT_EQ(layer.Count, best);
                boundMet += layer.UpperBound == best;
                ++cases;
            }
        }
    }
    // A bound that is mostly loose would prove nothing.
    EXPECT_GT(boundMet, cases * 9 / 10);
}

TEST(LayerUpperBound, SideWasteCutsBelowTheArea) {
    // 1200 x 800 holds at most 1200 x 790 of sums of 180 and 140, room for 37.1 bundles; the
    // corners left over by 180-long bars take 36 bundles' worth less.
    EXPECT_EQ(LayerUpperBound(1200, 800, 180, 140), 36);
    EXPECT_EQ(FindBestLayer(1200, 800, 180, 140, AdvisorBudget::EvaluationsOnly(5'000'000)).Count,
              36);
    EXPECT_EQ(LayerUpperBound(1200, 800, 300, 200), 16);
    EXPECT_EQ(LayerUpperBound(0, 800, 300, 200), 0);
    EXPECT_EQ(LayerUpperBound(1200, 800, 0, 200), 0);
    EXPECT_EQ(LayerUpperBound(250, 800, 300, 200), 2); // all standing the same way
}

// The colour count bounds L-shaped regions too: never below their true best, and sometimes well
// below their area.
TEST(ColouringBound, HoldsForLShapedRegions) {
    std::vector<std::int64_t> scratch;
    int belowArea = 0;
    for (const auto& [l, w] : {std::pair{3, 2}, std::pair{4, 3}, std::pair{5, 2}}) {
        for (int X = 2; X <= 11; ++X) {
            for (int Y = 2; Y <= 11; ++Y) {
                for (int x = 1; x < X; x += 2) {
                    for (int y = 1; y < Y; y += 2) {
                        std::vector<char> cells(static_cast<std::size_t>(X * Y), 0);
                        for (int j = 0; j < Y; ++j) {
                            for (int i = 0; i < X; ++i)
                                cells[static_cast<std::size_t>(j * X + i)] = i < x || j < y;
                        }
                        const CellBlock blocks[] = {{0, 0, X, y}, {0, y, x, Y - y}};
                        const std::int64_t bound = ColouringBound(blocks, l, w, scratch);
                        ExhaustivePacker packer(X, Y, cells, l, w);
                        ASSERT_GE(bound, packer.Best())
                            << "L " << X << " x " << Y << " column " << x << " row " << y;
                        belowArea += bound < (X * y + x * (Y - y)) / (l * w);
                    }
                }
            }
        }
    }
    EXPECT_GT(belowArea, 0);
}

TEST(ColouringBound, MatchesTheSideWasteOnRectangles) {
    std::vector<std::int64_t> scratch;
    for (std::int64_t x = 1; x <= 30; ++x) {
        for (std::int64_t y = 1; y <= 30; ++y) {
            const CellBlock whole[] = {{0, 0, x, y}};
            const std::int64_t waste = std::max(BarWaste(x, y, 7), BarWaste(x, y, 3));
            EXPECT_EQ(ColouringBound(whole, 7, 3, scratch), (x * y - waste) / 21)
                << x << " x " << y;
        }
    }
}

// The runs give each colour its cells one by one, for blocks anywhere (negative corners and
// columns past a whole cycle included) and both colourings.
TEST(AddColourRuns, CountsEveryCellOfTheBlock) {
    struct Block {
        std::int64_t m, x, y, columns, rows;
    };
    const Block blocks[] = {{5, 0, 0, 3, 2},  {5, 7, 11, 12, 4}, {7, -3, 2, 20, 6},
                            {7, 4, -9, 1, 1}, {2, 1, 1, 5, 1},   {13, 100, 3, 40, 12}};
    for (const Block& b : blocks) {
        for (const bool difference : {false, true}) {
            std::vector<std::int64_t> runs(static_cast<std::size_t>(b.m + 1), 0);
            AddColourRuns(runs, b.m, difference, b.x, b.y, b.columns, b.rows);
            std::vector<std::int64_t> expected(static_cast<std::size_t>(b.m), 0);
            for (std::int64_t i = b.x; i < b.x + b.columns; ++i) {
                for (std::int64_t j = b.y; j < b.y + b.rows; ++j) {
                    const std::int64_t colour = difference ? i - j : i + j;
                    ++expected[static_cast<std::size_t>(((colour % b.m) + b.m) % b.m)];
                }
            }
            std::vector<std::int64_t> counted;
            std::int64_t running = 0;
            for (std::int64_t c = 0; c < b.m; ++c)
                counted.push_back(running += runs[static_cast<std::size_t>(c)]);
            EXPECT_EQ(counted, expected)
                << "m " << b.m << " at " << b.x << ", " << b.y << ": " << b.columns << " x "
                << b.rows << (difference ? ", difference" : ", sum");
        }
    }
}

} // namespace
