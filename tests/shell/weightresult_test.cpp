#include "shell/errorreport.h"
#include "shell/weightresult.h"

#include "tests/support/casename.h"
#include "tests/support/loadrequests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

WeightFields Fields(std::string box, std::string bundle, std::string tare = "25",
                    std::string max = "") {
    return {std::move(box), std::move(bundle), std::move(tare), std::move(max)};
}

// 600 x 400 x 150 on 1200 x 800, 2000 mm with the pallet: 4 a layer in 12 layers, 48 bundles.
LoadPlan Plan() {
    return PlanLoad(BundleRequest(600, 400, 150));
}

struct LinesCase {
    const char* name;
    WeightFields fields;
    std::optional<std::int64_t> perBundle, order;
    char separator;
    std::int64_t layers, total;
    std::vector<std::string> lines;
};

const LinesCase linesCases[] = {
    {"no weights", Fields("", ""), 10, 1000, '.', 12, 48, {}},
    {"tare alone weighs nothing", Fields("", "", "30", "400"), 10, 1000, '.', 12, 48, {}},
    {"box weight without boxes per bundle",
     Fields("350", ""),
     std::nullopt,
     1000,
     '.',
     12,
     48,
     {"Масса пачки не определена: укажите количество в пачке"}},
    {"box to bundle to pallet to order",
     Fields("350", ""),
     10,
     100,
     '.',
     12,
     48,
     {"Масса пачки: 3.5 кг", "Полный поддон: нетто 168 кг, брутто 193 кг",
      "Последний поддон: нетто 14 кг, брутто 39 кг", "Весь заказ: нетто 350 кг, брутто 425 кг"}},
    {"bundle weight, no order, comma",
     Fields("", "12,25", "9,5"),
     std::nullopt,
     std::nullopt,
     ',',
     12,
     48,
     {"Масса пачки: 12,25 кг", "Полный поддон: нетто 588 кг, брутто 597,5 кг"}},
    {"a point is read in a comma locale too",
     Fields("", "12.25", "9.5"),
     std::nullopt,
     std::nullopt,
     ',',
     12,
     48,
     {"Масса пачки: 12,25 кг", "Полный поддон: нетто 588 кг, брутто 597,5 кг"}},
    {"limit above the full pallet cuts nothing",
     Fields("", "10", "25", "505"),
     std::nullopt,
     1000,
     '.',
     12,
     48,
     {"Масса пачки: 10 кг", "Полный поддон: нетто 480 кг, брутто 505 кг",
      "Последний поддон: нетто 400 кг, брутто 425 кг",
      "Весь заказ: нетто 10000 кг, брутто 10525 кг"}},
    {"limit cuts layers and every figure follows",
     Fields("", "10", "25", "400"),
     std::nullopt,
     1000,
     '.',
     9,
     36,
     {"Масса пачки: 10 кг", "Слоев меньше из-за массы: не более 400 кг на поддон",
      "Полный поддон: нетто 360 кг, брутто 385 кг", "Последний поддон: нетто 280 кг, брутто 305 кг",
      "Весь заказ: нетто 10000 кг, брутто 10700 кг"}},
    {"grams rounded for the bundle, tenths for pallets",
     Fields("33.3333", ""),
     7,
     std::nullopt,
     '.',
     12,
     48,
     {"Масса пачки: 0.233 кг", "Полный поддон: нетто 11.2 кг, брутто 36.2 кг"}},
};

class WeightLinesTable : public ::testing::TestWithParam<LinesCase> {};

TEST_P(WeightLinesTable, PlanFiguresAndLines) {
    const LinesCase& c = GetParam();
    LoadPlan plan = Plan();
    WeightResult result = WeighPlan(plan, c.fields, c.perBundle, c.separator);
    WeighOrder(result, plan, c.order);
    EXPECT_EQ(plan.Layers, c.layers);
    EXPECT_EQ(plan.Total, c.total);
    EXPECT_EQ(result.LayersCut, c.layers != 12);
    EXPECT_EQ(result.LayersBeforeCut, 12);
    EXPECT_EQ(WeightLines(result, c.separator), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, WeightLinesTable, ::testing::ValuesIn(linesCases), NamedCase());

struct BadWeightCase {
    const char* name;
    WeightFields fields;
    std::string message;
};

const BadWeightCase badWeightCases[] = {
    {"negative box", Fields("-5", ""), "Масса ящика, г: «-5» — нужно число не меньше 0."},
    {"letters in bundle", Fields("", "abc"), "Масса пачки, кг: «abc» — нужно число не меньше 0."},
    {"negative tare", Fields("", "5", "-1"), "Масса поддона, кг: «-1» — нужно число не меньше 0."},
    {"bad tare without weights", Fields("", "", "x"),
     "Масса поддона, кг: «x» — нужно число не меньше 0."},
    {"zero limit", Fields("", "5", "25", "0"),
     "Макс. масса поддона с грузом, кг: «0» — нужно число больше 0."},
    {"infinite limit", Fields("", "5", "25", "1e999"),
     "Макс. масса поддона с грузом, кг: «1e999» — нужно число больше 0."},
    {"first bad field wins", Fields("x", "y"), "Масса ящика, г: «x» — нужно число не меньше 0."},
    {"one bundle over the limit", Fields("", "390", "25", "400"),
     "Поддон с одной пачкой весит 415 кг: больше допустимых 400 кг на поддон."},
};

class BadWeights : public ::testing::TestWithParam<BadWeightCase> {};

TEST_P(BadWeights, EndTheCalculationNamingTheField) {
    const BadWeightCase& c = GetParam();
    LoadPlan plan = Plan();
    try {
        WeighPlan(plan, c.fields, 10, '.');
        ADD_FAILURE() << "no error";
    } catch (const std::exception& failure) {
        EXPECT_EQ(ErrorReportFor(failure), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadWeights, ::testing::ValuesIn(badWeightCases), NamedCase());

} // namespace
