#include "app/ownpalletsdialog.h"
#include "app/weightsdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(WeightsDialog, BoxAndBundleWeightExcludeEachOther) {
    WeightsDialog dialog({"", "12.5", "25", ""}, '.');
    QTest::keyClicks(dialog.BoxGrams, "350");
    EXPECT_EQ(dialog.BundleKg->text(), "");
    QTest::keyClicks(dialog.BundleKg, "4");
    EXPECT_EQ(dialog.BoxGrams->text(), "");
    EXPECT_EQ(dialog.Fields().BundleKg, "4");
}

TEST(WeightsDialog, OkStaysOpenNamingTheFieldUntilEveryTextIsAWeight) {
    WeightsDialog dialog({" 350 ", "", "-1", ""}, '.');
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.Problem->isHidden());
    EXPECT_EQ(dialog.Problem->text(), "Масса поддона, кг: «-1» — нужно число не меньше 0");

    dialog.TareKg->setText("9.5");
    dialog.MaxGrossKg->setText("0");
    EXPECT_FALSE(dialog.Check());
    EXPECT_EQ(dialog.Problem->text(),
              "Макс. масса поддона с грузом, кг: «0» — нужно число больше 0");

    dialog.MaxGrossKg->setText("");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.Problem->isHidden());
    const WeightFields fields = dialog.Fields();
    EXPECT_EQ(fields.BoxGrams, "350");
    EXPECT_EQ(fields.TareKg, "9.5");
    EXPECT_EQ(fields.MaxGrossKg, "");
}

class OwnPallets : public ::testing::Test {
  protected:
    void Type(const char* name, const char* length, const char* width, const char* tare) {
        dialog.Name->setText(QString::fromUtf8(name));
        dialog.Length->setText(length);
        dialog.Width->setText(width);
        dialog.TareKg->setText(tare);
    }

    OwnPalletsDialog dialog{{{"Склад Север", 1000, 1000, 18}}, '.'};
};

TEST_F(OwnPallets, AddsAPalletTheTableTakes) {
    EXPECT_EQ(dialog.List->count(), 1);
    EXPECT_EQ(dialog.List->item(0)->text(), "Склад Север — 1000 × 1000, 18 кг");
    Type("  Стеллаж   3 ", "1140", "760", "21.5");
    ASSERT_TRUE(dialog.AddFromFields());
    ASSERT_EQ(dialog.Pallets().size(), 2u);
    EXPECT_EQ(dialog.Pallets()[1].Name, "Стеллаж 3");
    EXPECT_EQ(dialog.Pallets()[1].Length, 1140);
    EXPECT_EQ(dialog.Pallets()[1].TareKg, 21.5);
    EXPECT_EQ(dialog.List->count(), 2);
    EXPECT_TRUE(dialog.Problem->isHidden());
}

TEST_F(OwnPallets, RefusesATakenNameOrBadFiguresWithAMessage) {
    struct Refused {
        const char *name, *length, *width, *tare, *message;
    };
    const Refused cases[] = {
        {"eur 2", "1000", "1000", "20",
         "Поддон с названием «eur 2» уже есть: выберите другое название."},
        {"склад север", "1000", "1000", "20",
         "Поддон с названием «склад север» уже есть: выберите другое название."},
        {" ", "1000", "1000", "20", "Введите название поддона."},
        {"Новый", "0", "1000", "20", "Длина и ширина поддона должны быть числами больше 0."},
        {"Новый", "1000", "abc", "20", "Длина и ширина поддона должны быть числами больше 0."},
        {"Новый", "1000", "1000", "-3", "Масса поддона, кг: «-3» — нужно число не меньше 0"},
        {"Новый", "1000", "1000", "", "Масса поддона, кг: «» — нужно число не меньше 0"},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.name);
        Type(c.name, c.length, c.width, c.tare);
        EXPECT_FALSE(dialog.AddFromFields());
        EXPECT_EQ(dialog.Pallets().size(), 1u);
        EXPECT_FALSE(dialog.Problem->isHidden());
        EXPECT_EQ(dialog.Problem->text(), QString::fromUtf8(c.message));
    }
}

TEST_F(OwnPallets, RemovesTheSelectedPallet) {
    Type("Второй", "1200", "1000", "30");
    ASSERT_TRUE(dialog.AddFromFields());
    dialog.List->setCurrentRow(0);
    dialog.RemoveSelected();
    ASSERT_EQ(dialog.Pallets().size(), 1u);
    EXPECT_EQ(dialog.Pallets()[0].Name, "Второй");
    dialog.List->setCurrentRow(0);
    dialog.RemoveSelected();
    EXPECT_TRUE(dialog.Pallets().empty());
    EXPECT_FALSE(dialog.Remove->isEnabled());
}

} // namespace
