#include "shell/plural.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

const PluralForms Bundles{"пачка", "пачки", "пачек"};

TEST(PluralForm, FollowsTheLastTwoDigits) {
    struct Case {
        std::int64_t Count;
        const char* Text;
    };
    const Case cases[] = {
        {0, "0 пачек"},     {1, "1 пачка"},     {2, "2 пачки"},     {4, "4 пачки"},
        {5, "5 пачек"},     {10, "10 пачек"},   {11, "11 пачек"},   {12, "12 пачек"},
        {14, "14 пачек"},   {15, "15 пачек"},   {20, "20 пачек"},   {21, "21 пачка"},
        {22, "22 пачки"},   {25, "25 пачек"},   {101, "101 пачка"}, {111, "111 пачек"},
        {112, "112 пачек"}, {122, "122 пачки"}, {-1, "-1 пачка"},   {-12, "-12 пачек"},
        {-23, "-23 пачки"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountWith(c.Count, Bundles), c.Text) << c.Count;
}

TEST(PluralForm, TheWholeRangeHasAForm) {
    EXPECT_STREQ(PluralForm(std::numeric_limits<std::int64_t>::min(), Bundles), "пачек"); // ..808
    EXPECT_STREQ(PluralForm(std::numeric_limits<std::int64_t>::max(), Bundles), "пачек"); // ..807
}

} // namespace
