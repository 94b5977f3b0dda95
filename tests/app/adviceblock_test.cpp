#include "app/SDIMAIN.h"
#include "app/picturebox.h"
#include "fakedesktop.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class Advice : public ::testing::Test {
  protected:
    void Calculate(const char* length, const char* width, const char* height) {
        form.MaskEdit1->setText(length);
        form.MaskEdit2->setText(width);
        form.MaskEdit3->setText(height);
        form.Button1->click();
        ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    }

    FakeDesktop desktop;
    TSDIAppForm form{desktop, {}};
};

TEST_F(Advice, TellsWhenTheBestLayerBeatsTwoBlocksAndShowsIt) {
    Calculate("410", "310", "100");
    EXPECT_FALSE(form.Label21->isHidden());
    EXPECT_TRUE(form.Label21->text().startsWith(
        QString::fromUtf8("Лучшая схема слоя: 6 пачек (схема двух блоков: 5).")))
        << form.Label21->text().toStdString();
    ASSERT_TRUE(form.Button3->isEnabled());
    ASSERT_TRUE(form.N18->isEnabled());
    const QImage twoBlocks = form.Image2->Image();

    form.Button3->click();
    EXPECT_TRUE(form.N18->isChecked());
    const QImage best = form.Image2->Image();
    EXPECT_EQ(best.size(), twoBlocks.size());
    EXPECT_NE(best, twoBlocks);
    form.N2->trigger();
    EXPECT_EQ(desktop.clipboardImage, best); // the clipboard takes what is shown

    form.N18->trigger(); // back to the two-block picture
    EXPECT_FALSE(form.Button3->isChecked());
    EXPECT_EQ(form.Image2->Image(), twoBlocks);

    form.Button3->click();
    form.Button1->click(); // a new calculation shows the two-block picture again
    EXPECT_FALSE(form.Button3->isChecked());
    EXPECT_EQ(form.Image2->Image(), twoBlocks);
    EXPECT_TRUE(form.Label10->text().contains("90")); // 5 a layer, 18 layers: unchanged
}

TEST_F(Advice, SaysSoInOneLineWhenTwoBlocksAreOptimal) {
    Calculate("600", "400", "150");
    EXPECT_EQ(form.Label21->text(),
              QString::fromUtf8("Схема двух блоков оптимальна: больше 4 пачек в слое не уложить."));
    // Nothing better to show: "Лучшая схема" waits for a load where it can.
    EXPECT_FALSE(form.Button3->isEnabled());
    EXPECT_FALSE(form.N18->isEnabled());
    Calculate("410", "310", "100");
    EXPECT_TRUE(form.Button3->isEnabled());
    EXPECT_TRUE(form.N18->isEnabled());
}

TEST_F(Advice, FailedCalculationTakesTheOldAdviceAway) {
    Calculate("410", "310", "100");
    form.MaskEdit4->setText("x");
    form.Button1->click();
    EXPECT_TRUE(form.Label21->isHidden());
    EXPECT_FALSE(form.Button3->isEnabled());
    EXPECT_FALSE(form.N18->isEnabled());
}

} // namespace
