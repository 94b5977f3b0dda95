#include "tests/cli/runreport.h"

#include "tests/support/casename.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

struct PalletCase {
    const char* name;
    std::vector<std::string> pallet; // the --pallet option and its value
    const char* size;                // the pallet line of the report
};

// 600 x 400 x 150 on each pallet by name, and the sizes still typed as LxW.
const PalletCase palletCases[] = {
    {"EUR", {"--pallet", "EUR"}, "Размер поддона: 1200 x 800"},
    {"epal lower case", {"--pallet=epal"}, "Размер поддона: 1200 x 800"},
    {"EUR2", {"--pallet", "EUR2"}, "Размер поддона: 1200 x 1000"},
    {"eur3 as the table has it", {"--pallet", "eur3"}, "Размер поддона: 1000 x 1200"},
    {"EUR6", {"--pallet", "Eur6"}, "Размер поддона: 800 x 600"},
    {"IND1140", {"--pallet", "IND1140"}, "Размер поддона: 1140 x 1140"},
    {"US48x40", {"--pallet", "us48x40"}, "Размер поддона: 1219 x 1016"},
    {"size as before", {"--pallet", "1140x760"}, "Размер поддона: 1140 x 760"},
};

class PalletOption : public ::testing::TestWithParam<PalletCase> {};

TEST_P(PalletOption, FillsThePalletSides) {
    const PalletCase& c = GetParam();
    std::vector<std::string> arguments = {"600x400x150"};
    arguments.insert(arguments.end(), c.pallet.begin(), c.pallet.end());
    const Outcome r = Report(arguments);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(std::string(c.size) + "\n"), std::string::npos) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Names, PalletOption, ::testing::ValuesIn(palletCases), NamedCase());

TEST(PalletOption, ListsEveryPalletOneALineWithTheOwnOnesFromTheSettings) {
    Outcome r = Report({"--list-pallets"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "EUR/EPAL — 1200 × 800, 25 кг\n"
                     "EUR 2 — 1200 × 1000, 33 кг\n"
                     "EUR 3 — 1000 × 1200, 29 кг\n"
                     "EUR 6 — 800 × 600, 9.5 кг\n"
                     "IND 1200 — 1200 × 1200, 35 кг\n"
                     "IND 1140 — 1140 × 1140, 30 кг\n"
                     "ASIA 1100 — 1100 × 1100, 28 кг\n"
                     "US 48x40 — 1219 × 1016, 17 кг\n"
                     "US 42x42 — 1067 × 1067, 20 кг\n");

    QTemporaryDir dir;
    const std::string path = dir.filePath("stowly.ini").toStdString();
    std::ofstream(path)
        << "[OVERHANG]\nL=0\nB=0\n[MYPALLETS]\nCOUNT=1\nP1=1000;1000;18;Склад Север\n";
    r = Report({"--list-pallets", "--settings", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("US 42x42 — 1067 × 1067, 20 кг\nСклад Север — 1000 × 1000, 18 кг\n"),
              std::string::npos)
        << r.out;
    // An own pallet by its name, written without spaces and in another case.
    r = Report(
        {"600x400x150", "--settings", path, "--pallet", "складсевер", "--bundle-weight", "10"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Размер поддона: 1000 x 1000\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("брутто 378 кг\n"), std::string::npos) << r.out; // 36 x 10 + 18
}

TEST(WeightOptions, TextReportAddsTheWeightLinesAfterTheResultLines) {
    const Outcome r = Report({"600x400x150", "--bundles", "100", "--box", "400x300x200",
                              "--per-bundle", "10", "--box-weight", "350"});
    ASSERT_NE(r.status, 0); // a bundle size and --box together
    const Outcome box = Report({"--box", "400x300x200", "--per-bundle", "10", "--boxes", "1000",
                                "--box-weight", "350", "--pallet", "EUR6"});
    ASSERT_EQ(box.status, 0) << box.err;
    // The box 400 x 300 x 200 gives 705 x 506 x 62 bundles, one a layer on 800 x 600 in 29
    // layers; 100 bundles of 3.5 kg on pallets of 9.5 kg.
    EXPECT_NE(box.out.find("На последнем поддоне: 13 пачек.\n"
                           "Масса пачки: 3.5 кг\n"
                           "Полный поддон: нетто 101.5 кг, брутто 111 кг\n"
                           "Последний поддон: нетто 45.5 кг, брутто 55 кг\n"
                           "Весь заказ: нетто 350 кг, брутто 388 кг\n"),
              std::string::npos)
        << box.out;
}

TEST(WeightOptions, MaximumGrossCutsTheLayersAndEveryFigureFollows) {
    const Outcome full = Report({"600x400x150", "--bundles", "1000", "--bundle-weight", "10"});
    EXPECT_NE(full.out.find("Всего в укладке 48 пачек.\n12 слоев по 4 пачек.\n"),
              std::string::npos);
    EXPECT_EQ(full.out.find("Слоев меньше"), std::string::npos);
    const Outcome cut = Report({"600x400x150", "--bundles", "1000", "--bundle-weight", "10",
                                "--max-gross", "400", "--json"});
    ASSERT_EQ(cut.status, 0) << cut.err;
    for (const char* field :
         {"\"bundlesPerPallet\": 36", "\"layers\": 9", "\"loadHeightMm\": 1500",
          "\"order\": {\"bundles\": 1000, \"pallets\": 28, \"bundlesOnLastPallet\": 28}",
          "\"maxGrossKg\": 400", "\"layersCutByWeight\": true", "\"layersBeforeCut\": 12",
          "\"fullPallet\": {\"bundles\": 36, \"netKg\": 360, \"grossKg\": 385}",
          "\"order\": {\"bundles\": 1000, \"pallets\": 28, \"netKg\": 10000, \"grossKg\": 10700}",
          "\"Слоев меньше из-за массы: не более 400 кг на поддон\""})
        EXPECT_NE(cut.out.find(field), std::string::npos) << field << "\n" << cut.out;
}

TEST(WeightOptions, JsonWeightsAreNullWhenNotGivenOrNotKnown) {
    Outcome r = Report({"600x400x150", "--json"});
    EXPECT_NE(r.out.find("\"weights\": null"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"weightLines\": []"), std::string::npos) << r.out;
    r = Report({"600x400x150", "--json", "--box-weight", "300"});
    EXPECT_NE(r.out.find("\"bundleKg\": null"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"fullPallet\": null, \"lastPallet\": null, \"order\": null"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Масса пачки не определена"), std::string::npos) << r.out;
}

TEST(WeightOptions, PresetTareCountsUnlessTheTareIsGiven) {
    Outcome r = Report({"600x400x150", "--pallet", "EUR6", "--bundle-weight", "10"});
    EXPECT_NE(r.out.find("Полный поддон: нетто 240 кг, брутто 249.5 кг"), std::string::npos)
        << r.out;
    r = Report(
        {"600x400x150", "--pallet-weight", "12", "--pallet", "EUR6", "--bundle-weight", "10"});
    EXPECT_NE(r.out.find("брутто 252 кг"), std::string::npos) << r.out;
    r = Report({"600x400x150", "--bundle-weight", "10"});
    EXPECT_NE(r.out.find("брутто 505 кг"), std::string::npos) << r.out; // the usual 25 kg
}

struct ErrorCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* message;
};

const ErrorCase errorCases[] = {
    {"negative box weight",
     {"--box-weight", "-5"},
     "stowly-cli: --box-weight -5: must be a weight, a number of at least 0\n"},
    {"letters as bundle weight",
     {"--bundle-weight=abc"},
     "stowly-cli: --bundle-weight abc: must be a weight, a number of at least 0\n"},
    {"negative tare",
     {"--pallet-weight", "-1"},
     "stowly-cli: --pallet-weight -1: must be a weight, a number of at least 0\n"},
    {"empty tare",
     {"--pallet-weight="},
     "stowly-cli: --pallet-weight '': must be a weight, a number of at least 0\n"},
    {"zero maximum",
     {"--max-gross", "0"},
     "stowly-cli: --max-gross 0: must be a weight limit, a number above 0\n"},
    {"both weights",
     {"--box-weight", "300", "--bundle-weight", "3"},
     "stowly-cli: --box-weight 300: give either --box-weight or --bundle-weight, not both\n"},
    {"unknown pallet name",
     {"--pallet", "EURO"},
     "stowly-cli: --pallet EURO: no such pallet (see --list-pallets)\n"},
    {"bundle heavier than the maximum",
     {"--bundle-weight", "390", "--max-gross", "400"},
     "stowly-cli: Поддон с одной пачкой весит 415 кг: больше допустимых 400 кг на поддон.\n"},
};

class WeightOptionErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(WeightOptionErrors, NameTheOptionAndExitWithTwo) {
    const ErrorCase& c = GetParam();
    std::vector<std::string> arguments = {"600x400x150"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const Outcome r = Report(arguments);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, c.message);
    EXPECT_TRUE(r.out.empty()) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Cases, WeightOptionErrors, ::testing::ValuesIn(errorCases), NamedCase());

} // namespace
