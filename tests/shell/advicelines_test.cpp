#include "shell/advice.h"

#include <gtest/gtest.h>

namespace {

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
    LayerAdvice clockStopped = Made(7, 8, 9, false);
    clockStopped.Best.TimedOut = clockStopped.Best.ClockStopped = true;
    clockStopped.Overhang.Incomplete = clockStopped.Overhang.ClockStopped = true;
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
          "Поиск схемы остановлен: исчерпан лимит перебора."}},
        {clockStopped,
         std::nullopt,
         {"Лучшая схема слоя: 8 пачек (схема двух блоков: 7).",
          "Оптимальность не доказана: не больше 9 пачек в слое.", "С ней всего в укладке 80 пачек.",
          "Поиск схемы остановлен по времени.",
          "Совет по свесам неполный: поиск остановлен по времени."}},
        {overhangs,
         std::nullopt,
         {"Схема двух блоков оптимальна: больше 4 пачек в слое не уложить.",
          "Свес по длине на 12 мм. больше максимального даст 5 пачек в слое.",
          "Свес по ширине на 3 мм. больше максимального даст 6 пачек в слое.",
          "Совет по свесам неполный: поиск остановлен."}},
        {Made(0, 0, 0, true),
         std::nullopt,
         {"Пачка не помещается на поддон ни в одной схеме слоя."}},
    };
    for (const LinesCase& c : cases)
        EXPECT_EQ(AdviceLines(c.advice, c.bundles), c.lines);
}

TEST(AdviceLines, SizesTheAdvisorCannotTakeGetOneLine) {
    EXPECT_EQ(AdviceLines(LayerAdvice{}, std::nullopt),
              std::vector<std::string>{
                  "Совет по схеме слоя: размеры пачки должны быть целыми миллиметрами."});
}

} // namespace
