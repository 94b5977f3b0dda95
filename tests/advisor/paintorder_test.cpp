#include "layerchecks.h"

#include "planning/advisor/layeradvisor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

bool SamePlacements(std::vector<Placement> a, std::vector<Placement> b) {
    auto key = [](const Placement& p) {
        return std::tuple(p.X, p.Y, p.LengthAlongX, p.WidthAlongY);
    };
    auto less = [&](const Placement& p, const Placement& q) { return key(p) < key(q); };
    std::sort(a.begin(), a.end(), less);
    std::sort(b.begin(), b.end(), less);
    return a == b;
}

// Random sets of boxes that do not overlap, of very different shapes, in random order: the
// sorted order always paints correctly and keeps every box.
TEST(SortForPainting, OrdersRandomLayoutsCorrectly) {
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 3000; ++trial) {
        const int grid = 4 + trial % 9;
        std::uniform_int_distribution<int> coordinate(0, grid - 1);
        std::vector<Placement> boxes;
        for (int attempt = 0; attempt < 60 && boxes.size() < 14; ++attempt) {
            const int x = coordinate(random), y = coordinate(random);
            std::uniform_int_distribution<int> width(1, grid - x), height(1, grid - y);
            const Placement p{x, y, width(random), height(random)};
            const bool clear = std::none_of(boxes.begin(), boxes.end(), [&](const Placement& q) {
                return Overlap(p.X, p.Y, p.LengthAlongX, p.WidthAlongY, q.X, q.Y, q.LengthAlongX,
                               q.WidthAlongY);
            });
            if (clear)
                boxes.push_back(p);
        }
        std::shuffle(boxes.begin(), boxes.end(), random);
        const std::vector<Placement> sorted = SortForPainting(boxes);
        ASSERT_TRUE(SamePlacements(sorted, boxes)) << "trial " << trial;
        ASSERT_TRUE(PaintsCorrectly(sorted)) << "trial " << trial;
    }
}

struct Arrangement {
    const char* what;
    std::vector<Placement> given;
    std::vector<Placement> expected;
};

class Arrangements : public ::testing::TestWithParam<Arrangement> {};

TEST_P(Arrangements, PaintInTheExpectedOrder) {
    EXPECT_EQ(SortForPainting(GetParam().given), GetParam().expected);
}

// A tall box behind a low one: neither corner nor centre sorts these, the overlap does.
const Placement Tall{0, 50, 10, 50}, Low{10, 0, 10, 60};
// Pinwheels of both hands around a centre.
const Placement Left{0, 0, 1, 2}, Bottom{1, 0, 2, 1}, Centre{1, 1, 1, 1}, Right{2, 1, 1, 2},
    Top{0, 2, 2, 1};
const Placement LeftUp{0, 1, 1, 2}, BottomLeft{0, 0, 2, 1}, RightDown{2, 0, 1, 2},
    TopRight{1, 2, 2, 1};

INSTANTIATE_TEST_SUITE_P(
    Layouts, Arrangements,
    ::testing::Values(Arrangement{"row given backwards",
                                  {{20, 0, 10, 10}, {10, 0, 10, 10}, {0, 0, 10, 10}},
                                  {{0, 0, 10, 10}, {10, 0, 10, 10}, {20, 0, 10, 10}}},
                      Arrangement{"already right",
                                  {{0, 0, 10, 10}, {0, 10, 10, 10}},
                                  {{0, 0, 10, 10}, {0, 10, 10, 10}}},
                      Arrangement{"tall box behind a low one", {Low, Tall}, {Tall, Low}},
                      Arrangement{"pinwheel",
                                  {Right, Top, Centre, Bottom, Left},
                                  {Left, Bottom, Centre, Top, Right}},
                      Arrangement{"other pinwheel",
                                  {TopRight, Centre, RightDown, LeftUp, BottomLeft},
                                  {BottomLeft, LeftUp, Centre, RightDown, TopRight}},
                      Arrangement{"free boxes keep their order",
                                  {{50, 0, 10, 10}, {0, 50, 10, 10}},
                                  {{50, 0, 10, 10}, {0, 50, 10, 10}}}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// Boxes that overlap, touch nothing or have no size cannot always be ordered; they still all
// come back, once each.
TEST(SortForPainting, ToleratesBoxesNoLayerHas) {
    const std::vector<Placement> odd = {{0, 0, 10, 10}, {5, 5, 10, 10}, {0, 0, 10, 10},
                                        {3, 3, 0, 5},   {-5, -5, 2, 2}, {20, 0, -4, 3}};
    const std::vector<Placement> sorted = SortForPainting(odd);
    EXPECT_TRUE(SamePlacements(sorted, odd));
    EXPECT_TRUE(SortForPainting({}).empty());
}

} // namespace
