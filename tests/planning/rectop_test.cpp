#include "planning/rectop.h"

#include <gtest/gtest.h>

TEST(BestTwoBlockLoad, Placeholder) {
    double split = -1;
    std::uint16_t layerCount = 0;
    EXPECT_EQ(BestTwoBlockLoad(1200, 800, 1000, 300, 200, 100, split, layerCount), 160);
}
