#include "shell/advice.h"

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
    EXPECT_EQ(AdviceLines(advice, std::nullopt).size(), 1u);
}

LayerAdvice Made(std::int64_t twoBlock, std::int64_t best, std::int64_t bound, bool optimal) {
    LayerAdvice advice;
    advice.Available = true;
    advice.TwoBlockCount = twoBlock;
    advice.Best.Count = best;
    advice.Best.UpperBound = bound;
    advice.Best.Optimal = optimal;
    advice.Layers = 10;
    advice.BestPlan.Total = best * 10;
    return advice;
}

struct LinesCase {
    LayerAdvice advice;
    std::optional<std::int64_t> bundles;
    std::vector<std::string> lines;
};

TEST(AdviceLines, SayHowTheBestLayerComparesWithTwoBlocks) {
    LayerAdvice timedOut = Made(7, 7, 9, false);
    timedOut.Best.TimedOut = true;
    LayerAdvice overhangs = Made(4, 4, 4, true);
    overhangs.Overhang.AlongLength = OverhangStep{12, 5};
    overhangs.Overhang.AlongWidth = OverhangStep{3, 6};
    overhangs.Overhang.Incomplete = true;
    const LinesCase cases[] = {
        {Made(7, 8, 8, true),
         95,
         {"Лучшая схема слоя: 8 пачек (схема двух блоков: 7).",
          "Больше пачек в слое не уложить: схема оптимальна.",
          "С ней всего в укладке 80 пачек, поддонов: 2."}},
        {Made(7, 8, 9, false),
         std::nullopt,
         {"Лучшая схема слоя: 8 пачек (схема двух блоков: 7).",
          "Оптимальность не доказана: не больше 9 пачек в слое.",
          "С ней всего в укладке 80 пачек."}},
        {Made(7, 7, 7, true),
         std::nullopt,
         {"Схема двух блоков оптимальна: больше 7 пачек в слое не уложить."}},
        {timedOut,
         std::nullopt,
         {"Лучшей схемы слоя не найдено: 7 пачек, как у схемы двух блоков (не больше 9).",
          "Поиск схемы остановлен по времени."}},
        {overhangs,
         std::nullopt,
         {"Схема двух блоков оптимальна: больше 4 пачек в слое не уложить.",
          "Свес по длине на 12 мм. больше максимального даст 5 пачек в слое.",
          "Свес по ширине на 3 мм. больше максимального даст 6 пачек в слое.",
          "Совет по свесам неполный: поиск остановлен по времени."}},
        {Made(0, 0, 0, true),
         std::nullopt,
         {"Пачка не помещается на поддон ни в одной схеме слоя."}},
    };
    for (const LinesCase& c : cases)
        EXPECT_EQ(AdviceLines(c.advice, c.bundles), c.lines);
}

} // namespace
