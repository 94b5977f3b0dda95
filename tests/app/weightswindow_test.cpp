#include "app/SDIMAIN.h"
#include "fakedesktop.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WeightsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        desktop.executableDir = dir.path();
    }

    std::unique_ptr<TSDIAppForm> Start() {
        auto form = std::make_unique<TSDIAppForm>(desktop, QStringList{});
        form->RunCommand([&form] { form->FormShow(); });
        return form;
    }

    // The items of the "Поддон" menu, separators left out.
    static QList<QAction*> PalletItems(const TSDIAppForm& form) {
        QList<QAction*> items;
        for (QAction* item : form.N19->actions())
            if (!item->isSeparator())
                items << item;
        return items;
    }

    static QAction* Item(const TSDIAppForm& form, const QString& text) {
        for (QAction* item : PalletItems(form))
            if (item->text() == text)
                return item;
        return nullptr;
    }

    static void Bundle(TSDIAppForm& form, const char* length, const char* width,
                       const char* height) {
        form.MaskEdit1->setText(length);
        form.MaskEdit2->setText(width);
        form.MaskEdit3->setText(height);
    }

    QTemporaryDir dir;
    FakeDesktop desktop;
};

TEST_F(WeightsWindow, PalletMenuFillsTheSidesOnlyAsTheSystemTypesThem) {
    auto form = Start();
    ASSERT_EQ(form->N19->menuAction()->text().remove('&'), "Поддон");
    ASSERT_TRUE(form->N5->actions().contains(form->N19->menuAction()));
    const QList<QAction*> items = PalletItems(*form);
    ASSERT_EQ(items.size(), 10); // nine standard pallets and "Свои поддоны…"
    EXPECT_EQ(items.back()->text().remove('&'), "Свои поддоны…");

    struct Choice {
        const char* item;
        const char* length;
        const char* width;
    };
    const Choice choices[] = {
        {"EUR 2 — 1200 × 1000", "1200", "1000"},  {"EUR 3 — 1000 × 1200", "1000", "1200"},
        {"EUR 6 — 800 × 600", "800", "600"},      {"US 48x40 — 1219 × 1016", "1219", "1016"},
        {"EUR/EPAL — 1200 × 800", "1200", "800"},
    };
    form->MaskEdit6->setText("1500");
    form->cxCheckBox1->setChecked(false);
    for (const Choice& c : choices) {
        SCOPED_TRACE(c.item);
        QAction* item = Item(*form, QString::fromUtf8(c.item));
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_EQ(form->MaskEdit4->text(), c.length);
        EXPECT_EQ(form->MaskEdit5->text(), c.width);
        EXPECT_EQ(form->MaskEdit6->text(), "1500");
        EXPECT_FALSE(form->cxCheckBox1->isChecked());
    }
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(WeightsWindow, WeightsGoBesideTheAdviceAndTheLimitCutsTheLabels) {
    auto form = Start();
    Bundle(*form, "600", "400", "150");
    form->MaskEdit13->setText("1000");
    form->Button1->click();
    EXPECT_TRUE(form->Label23->isHidden()); // no weights: the band stays empty

    desktop.editedWeights = WeightFields{"", "10", "", "400"};
    form->N20->trigger();
    ASSERT_EQ(desktop.weightsShown.size(), 1u);
    EXPECT_EQ(desktop.weightsShown[0].BundleKg, "");
    form->Button1->click();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    EXPECT_FALSE(form->Label23->isHidden());
    // The band lays the weight lines out as a table: the same figures, row by row.
    QTextDocument band;
    band.setHtml(form->Label23->text());
    EXPECT_EQ(band.toPlainText().simplified(),
              "Масса пачки: 10 кг Слоев меньше из-за массы: не более 400 кг на поддон "
              "кг нетто брутто Полный поддон 360 385 Последний поддон 280 305 "
              "Весь заказ 10000 10700");
    EXPECT_EQ(form->Label10->text(), "Всего в укладке 36 пачек.");
    EXPECT_EQ(form->Label11->text(), "9 слоев по 4 пачек.");
    EXPECT_EQ(form->Label19->text(), "Количество поддонов: 28");
    // The band sits in the free corner beside the advice, clear of every field and button.
    const QRect area = form->Label23->geometry();
    EXPECT_FALSE(area.intersects(form->Label21->geometry()));
    for (QWidget* widget : std::initializer_list<QWidget*>{form->Button1, form->Button2,
                                                           form->Button3, form->MaskEdit12})
        EXPECT_FALSE(area.intersects(widget->geometry()));
    EXPECT_LE(area.right(), 568);

    // A cancelled dialog changes nothing; a pallet's tare comes with the pallet.
    desktop.editedWeights.reset();
    form->N20->trigger();
    Item(*form, "EUR 6 — 800 × 600")->trigger();
    form->N20->trigger();
    EXPECT_EQ(desktop.weightsShown.back().TareKg, "9.5");
    EXPECT_EQ(desktop.weightsShown.back().MaxGrossKg, "400");
}

TEST_F(WeightsWindow, BadWeightAndTooHeavyBundleAreReportedNotComputedAway) {
    auto form = Start();
    Bundle(*form, "600", "400", "150");
    desktop.editedWeights = WeightFields{"", "390", "", "400"};
    form->N20->trigger();
    form->Button1->click();
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_EQ(desktop.errors[0],
              "Поддон с одной пачкой весит 415 кг: больше допустимых 400 кг на поддон.");
    EXPECT_TRUE(form->Label23->isHidden());
}

TEST_F(WeightsWindow, OwnPalletsJoinTheMenuAndTheSettingsFile) {
    {
        QFile file(dir.filePath("stowly.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("; мой файл\n[OVERHANG]\nL=0\nB=0\n");
    }
    auto form = Start();
    desktop.editedOwnPallets = std::vector<PalletPreset>{{"Склад Север", 1000, 1000, 18}};
    form->N21->trigger();
    ASSERT_EQ(desktop.ownPalletsShown.size(), 1u);
    EXPECT_TRUE(desktop.ownPalletsShown[0].empty());
    QAction* own = Item(*form, "Склад Север — 1000 × 1000");
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(PalletItems(*form).back(), form->N21); // the dialog's item stays last
    own->trigger();
    EXPECT_EQ(form->MaskEdit4->text(), "1000");
    desktop.editedWeights = WeightFields{"", "12.5", "20", ""};
    form->N20->trigger();
    form->close();

    // The next start finds the pallet in the menu and the weights as they were left.
    auto next = Start();
    ASSERT_NE(Item(*next, "Склад Север — 1000 × 1000"), nullptr);
    desktop.editedWeights.reset();
    next->N20->trigger();
    EXPECT_EQ(desktop.weightsShown.back().BundleKg, "12.5");
    EXPECT_EQ(desktop.weightsShown.back().TareKg, "20");
    QFile file(dir.filePath("stowly.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.startsWith("; мой файл\n[OVERHANG]\nL=0\nB=0\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("[MYPALLETS]\nCOUNT=1\nP1=1000;1000;18;Склад Север\n"));
}

} // namespace
