#include "planning/pallets.h"

#include "tests/support/casename.h"

#include <gtest/gtest.h>

#include <limits>

#include <string>

namespace {

struct PresetCase {
    const char* typed; // as a user or a script writes the name
    double length, width;
};

// Every pallet of the standard table by the name a script would type, sides as the menu fills
// them into the pallet fields.
const PresetCase presetCases[] = {
    {"EUR", 1200, 800},       {"epal", 1200, 800},     {"EUR/EPAL", 1200, 800},
    {"EUR2", 1200, 1000},     {"eur 2", 1200, 1000},   {"Eur3", 1000, 1200},
    {"EUR6", 800, 600},       {"IND1200", 1200, 1200}, {"ind 1140", 1140, 1140},
    {"asia1100", 1100, 1100}, {"US48x40", 1219, 1016}, {"us 42X42", 1067, 1067},
};

class PresetByName : public ::testing::TestWithParam<PresetCase> {};

TEST_P(PresetByName, FindsTheStandardPalletWithItsSides) {
    const PresetCase& c = GetParam();
    const PalletPreset* pallet = FindPallet(StandardPallets(), c.typed);
    ASSERT_NE(pallet, nullptr) << c.typed;
    EXPECT_EQ(pallet->Length, c.length);
    EXPECT_EQ(pallet->Width, c.width);
    EXPECT_GT(pallet->TareKg, 0);
}

INSTANTIATE_TEST_SUITE_P(Standard, PresetByName, ::testing::ValuesIn(presetCases),
                         [](const auto& info) { return CaseName(info.param.typed); });

TEST(PresetByName, EveryStandardPalletHasADistinctNameAndIsFoundByIt) {
    const std::vector<PalletPreset>& table = StandardPallets();
    EXPECT_EQ(table.size(), 9u);
    for (const PalletPreset& pallet : table) {
        EXPECT_EQ(FindPallet(table, pallet.Name), &pallet) << pallet.Name;
        std::vector<PalletPreset> others;
        for (const PalletPreset& other : table)
            if (&other != &pallet)
                others.push_back(other);
        EXPECT_EQ(CheckNewPallet(others, pallet), PalletRefusal::None) << pallet.Name;
    }
}

TEST(PresetByName, NamesThatAreNotInTheTableFindNothing) {
    for (const char* typed : {"", " ", "EU", "EUR 7", "EUR/", "1200x800", "48x40", "EURO"})
        EXPECT_EQ(FindPallet(StandardPallets(), typed), nullptr) << typed;
}

TEST(PalletNameKey, DropsSpacesAndFoldsLatinAndCyrillicCase) {
    EXPECT_EQ(PalletNameKey(" eur 2\t"), "EUR2");
    EXPECT_EQ(PalletNameKey("Мой поддон ёж"), "МОЙПОДДОНЁЖ");
    EXPECT_EQ(PalletNameKey("абвгдежзийклмнопрстуфхцчшщъыьэюя"),
              "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    EXPECT_EQ(PalletNameKey("x/1-ü"), "X/1-ü");
}

TEST(PresetByName, OwnPalletsAreFoundLikeStandardOnes) {
    const std::vector<PalletPreset> own = {{"Склад Север", 1000, 1000, 18}};
    const PalletPreset* pallet = FindPallet(own, "СКЛАДСЕВЕР");
    ASSERT_NE(pallet, nullptr);
    EXPECT_EQ(pallet->TareKg, 18);
}

constexpr double Infinity = std::numeric_limits<double>::infinity();

struct RefusalCase {
    const char* name;
    double length, width, tare;
    PalletRefusal expected;
};

const RefusalCase refusalCases[] = {
    {"Склад", 1000, 1000, 18, PalletRefusal::None},
    {"Склад 2", 1000, 1000, 0, PalletRefusal::None},
    {"eur 2", 1000, 1000, 18, PalletRefusal::NameTaken},      // a standard name in other case
    {"EPAL", 1000, 1000, 18, PalletRefusal::NameTaken},       // one alternative of EUR/EPAL
    {"X/EUR6", 1000, 1000, 18, PalletRefusal::NameTaken},     // an alternative of its own
    {"мой поддон", 1000, 1000, 18, PalletRefusal::NameTaken}, // an own name, Cyrillic case
    {"  ", 1000, 1000, 18, PalletRefusal::EmptyName},
    {"Склад", 0, 1000, 18, PalletRefusal::BadSize},
    {"Склад", 1000, -1, 18, PalletRefusal::BadSize},
    {"Склад", 1000, Infinity, 18, PalletRefusal::BadSize},
    {"Склад", 1000, 1000, -0.5, PalletRefusal::BadTare},
    {"Склад", 1000, 1000, Infinity, PalletRefusal::BadTare},
};

class NewPallet : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(NewPallet, IsRefusedForTheReasonGiven) {
    const RefusalCase& c = GetParam();
    std::vector<PalletPreset> table = StandardPallets();
    table.push_back({"Мой поддон", 1100, 900, 20});
    EXPECT_EQ(CheckNewPallet(table, {c.name, c.length, c.width, c.tare}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, NewPallet, ::testing::ValuesIn(refusalCases), NamedCase());

} // namespace
