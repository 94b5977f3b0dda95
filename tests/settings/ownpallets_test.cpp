#include "settings/ownpallets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void ExpectSamePallets(const std::vector<PalletPreset>& actual,
                       const std::vector<PalletPreset>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].Name, expected[i].Name);
        EXPECT_EQ(actual[i].Length, expected[i].Length);
        EXPECT_EQ(actual[i].Width, expected[i].Width);
        EXPECT_EQ(actual[i].TareKg, expected[i].TareKg);
    }
}

// A user's file with comments, CRLF endings, a section the system does not know and a key of
// the user's own inside the pallet section.
const std::string foreignFile = "; склад\r\n"
                                "[PALLETE]\r\n"
                                "L=1200\r\n"
                                "[MYPALLETS]\r\n"
                                "; свои поддоны\r\n"
                                "NOTE=оставить\r\n"
                                "[TOOLS]\r\n"
                                "x = 1\r\n";

TEST(OwnPallets, RoundTripNextToForeignLines) {
    const std::vector<PalletPreset> pallets = {{"Склад Север", 1000, 1000, 18},
                                               {"Стеллаж; ряд=3", 1140, 760.5, 21.25}};
    IniFile file = IniFile::Parse(foreignFile);
    WriteOwnPallets(file, pallets);
    EXPECT_EQ(file.Content(), "; склад\r\n"
                              "[PALLETE]\r\n"
                              "L=1200\r\n"
                              "[MYPALLETS]\r\n"
                              "; свои поддоны\r\n"
                              "NOTE=оставить\r\n"
                              "COUNT=2\r\n"
                              "P1=1000;1000;18;Склад Север\r\n"
                              "P2=1140;760.5;21.25;Стеллаж; ряд=3\r\n"
                              "[TOOLS]\r\n"
                              "x = 1\r\n");
    ExpectSamePallets(ReadOwnPallets(IniFile::Parse(file.Content())), pallets);
}

TEST(OwnPallets, AShorterListRemovesOnlyTheEntriesItNoLongerHas) {
    IniFile file = IniFile::Parse(foreignFile);
    WriteOwnPallets(file, {{"A", 1, 1, 0}, {"B", 2, 2, 0}, {"C", 3, 3, 0}});
    WriteOwnPallets(file, {{"B", 2, 2, 0}});
    const std::string saved = file.Content();
    EXPECT_NE(saved.find("COUNT=1\r\nP1=2;2;0;B\r\n[TOOLS]"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("P2="), std::string::npos);
    EXPECT_EQ(saved.find("P3="), std::string::npos);
    ExpectSamePallets(ReadOwnPallets(file), {{"B", 2, 2, 0}});

    WriteOwnPallets(file, {});
    EXPECT_EQ(file.Content(), "; склад\r\n[PALLETE]\r\nL=1200\r\n[MYPALLETS]\r\n; свои "
                              "поддоны\r\nNOTE=оставить\r\nCOUNT=0\r\n[TOOLS]\r\nx = 1\r\n");
}

TEST(OwnPallets, NoPalletsLeaveAFileWithoutTheSectionAlone) {
    IniFile file = IniFile::Parse("[PALLETE]\nL=1200");
    WriteOwnPallets(file, {});
    EXPECT_EQ(file.Content(), "[PALLETE]\nL=1200");
    EXPECT_TRUE(ReadOwnPallets(file).empty());
}

TEST(OwnPallets, EntriesTheDialogWouldRefuseAreSkipped) {
    const IniFile file = IniFile::Parse("[MYPALLETS]\n"
                                        "COUNT=9\n"
                                        "P1=1000;800\n"          // no tare and no name
                                        "P2=abc;800;1;Буквы\n"   // not a number
                                        "P3=0;800;1;Ноль\n"      // no length
                                        "P4=1000;800;-1;Минус\n" // negative tare
                                        "P5=1000;800;20;eur\n"   // a standard name
                                        "P6=1000;800;20;  Годный \n"
                                        "P7=900;800;20;годный\n" // a name taken above
                                        "P8=1e999;800;20;Огромный\n"
                                        "P9=1200;1000;30;Второй\n");
    ExpectSamePallets(ReadOwnPallets(file),
                      {{"Годный", 1000, 800, 20}, {"Второй", 1200, 1000, 30}});
}

TEST(OwnPallets, ACountThatIsNotANumberReadsNoPallets) {
    for (const char* count : {"x", "-1", "2.5", ""}) {
        const IniFile file =
            IniFile::Parse(std::string("[MYPALLETS]\nCOUNT=") + count + "\nP1=1;1;1;A\n");
        EXPECT_TRUE(ReadOwnPallets(file).empty()) << count;
    }
}

} // namespace
