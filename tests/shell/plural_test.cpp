#include "shell/plural.h"
#include "shell/texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

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

namespace {

TEST(PluralForm, AdvisorLinesAgreeWithTheirCounts) {
    const std::pair<std::string, const char*> lines[] = {
        {Texts::Advice::BetterLayer(21, 20),
         "Лучшая схема слоя: 21 пачка (схема двух блоков: 20)."},
        {Texts::Advice::BetterLayer(22, 21),
         "Лучшая схема слоя: 22 пачки (схема двух блоков: 21)."},
        {Texts::Advice::BetterLayerNotProven(21),
         "Оптимальность не доказана: не больше 21 пачки в слое."},
        {Texts::Advice::BetterLayerNotProven(24),
         "Оптимальность не доказана: не больше 24 пачек в слое."},
        {Texts::Advice::BetterLayerTotal(102, 3), "С ней всего в укладке 102 пачки, поддонов: 3."},
        {Texts::Advice::BetterLayerTotal(111, std::nullopt), "С ней всего в укладке 111 пачек."},
        {Texts::Advice::TwoBlocksOptimal(1),
         "Схема двух блоков оптимальна: больше 1 пачки в слое не уложить."},
        {Texts::Advice::NoBetterLayer(1, 2),
         "Лучшей схемы слоя не найдено: 1 пачка, как у схемы двух блоков (не больше 2)."},
        {Texts::Advice::MoreOverhangAlongLength(10, 21),
         "Свес по длине на 10 мм. больше максимального даст 21 пачку в слое."},
        {Texts::Advice::MoreOverhangAlongWidth(5, 3),
         "Свес по ширине на 5 мм. больше максимального даст 3 пачки в слое."},
        // The result lines keep their fixed wording whatever the count.
        {Texts::Result::Total(21), "Всего в укладке 21 пачек."},
        {Texts::Result::Layers(6, 4), "6 слоев по 4 пачек."},
    };
    for (const auto& [line, expected] : lines)
        EXPECT_EQ(line, expected);
}

} // namespace
