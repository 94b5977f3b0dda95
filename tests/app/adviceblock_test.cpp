#include "adviceshown.h"
#include "app/SDIMAIN.h"
#include "app/picturebox.h"
#include "fakedesktop.h"
#include "tests/report/pdftools.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

namespace {

class Advice : public ::testing::Test {
  protected:
    // Presses "Расчет" and returns at once, while the advice is still being worked out.
    void StartCalculation(const char* length, const char* width, const char* height) {
        ASSERT_TRUE(PressCalculate(form, desktop, length, width, height));
    }
    void Calculate(const char* length, const char* width, const char* height) {
        StartCalculation(length, width, height);
        ASSERT_TRUE(AdviceShown(form));
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

// "Расчет" does not wait for the advisor: the figures and the picture are there when the handler
// returns, the advice block says the advice is being worked out, and "Лучшая схема" waits for it.
TEST_F(Advice, ComesAfterTheFiguresWithoutHoldingThemUp) {
    StartCalculation("410", "310", "100");
    ASSERT_TRUE(form.AdvicePending());
    EXPECT_TRUE(form.Label10->text().contains("90"));
    EXPECT_FALSE(form.Label10->isHidden());
    EXPECT_FALSE(form.Image2->Image().isNull());
    EXPECT_EQ(form.Label21->text(), QString::fromUtf8("Ищу лучшую схему слоя…"));
    EXPECT_FALSE(form.Label21->isHidden());
    EXPECT_FALSE(form.Button3->isEnabled());
    EXPECT_FALSE(form.N18->isEnabled());
    const QImage twoBlocks = form.Image2->Image();
    form.N2->trigger(); // the picture to copy does not depend on the advice
    EXPECT_EQ(desktop.clipboardImage, twoBlocks);

    ASSERT_TRUE(AdviceShown(form));
    EXPECT_FALSE(form.AdvicePending());
    EXPECT_TRUE(form.Label21->text().startsWith(QString::fromUtf8("Лучшая схема слоя: 6 пачек")));
    EXPECT_TRUE(form.Button3->isEnabled());
    EXPECT_EQ(form.Image2->Image(), twoBlocks);
}

// Advice for a calculation that is no longer the last one is thrown away: a second "Расчет"
// before the first one's advice came shows the second's advice only, and a change of the inputs
// drops the advice under way, so the report of the greyed results has none rather than advice
// for other inputs.
TEST_F(Advice, AdviceOfAnOlderCalculationIsThrownAway) {
    QSignalSpy shown(&form, &TSDIAppForm::AdviceShown);
    StartCalculation("410", "310", "100"); // 6 a layer against 5
    StartCalculation("600", "400", "150"); // two blocks optimal
    ASSERT_TRUE(AdviceShown(form));
    // One worker answers in turn, so the first answer reached the window before the second.
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(form.Label21->text(),
              QString::fromUtf8("Схема двух блоков оптимальна: больше 4 пачек в слое не уложить."));

    StartCalculation("410", "310", "100");
    form.MaskEdit13->setText("1000"); // an input changes while the advice is worked out
    EXPECT_FALSE(form.AdvicePending());
    EXPECT_TRUE(form.Label21->isHidden());
    QTemporaryDir dir;
    desktop.savePath = dir.filePath("report.pdf");
    form.N22->trigger();
    ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    const std::string page = PdfText(desktop.savePath->toStdString());
    EXPECT_NE(page.find("Всего в укладке 90 пачек"), std::string::npos) << page;
    EXPECT_EQ(page.find("Лучшая схема слоя"), std::string::npos) << page;
    EXPECT_EQ(page.find("Схема двух блоков оптимальна"), std::string::npos) << page;

    StartCalculation("600", "400", "150");
    ASSERT_TRUE(AdviceShown(form));
    EXPECT_EQ(form.Label21->text(),
              QString::fromUtf8("Схема двух блоков оптимальна: больше 4 пачек в слое не уложить."));
    // Every answer a worker posted has reached the window by now; none of the dropped ones
    // showed or disturbed it.
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.count(), 2);
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

// Closing the window while the advisor works cancels the search, and the worker never reaches
// the destroyed window or its advice runner (a crash here, or a report in the sanitizer build).
TEST(AdviceWorker, ClosingTheWindowWhileTheAdvisorWorks) {
    FakeDesktop desktop;
    auto form = std::make_unique<TSDIAppForm>(desktop, QStringList{});
    form->MaskEdit4->setText("1200");
    form->MaskEdit5->setText("800");
    form->MaskEdit7->setText("30");
    form->MaskEdit8->setText("30");
    form->MaskEdit1->setText("89");
    form->MaskEdit2->setText("75");
    form->MaskEdit3->setText("150");
    form->Button1->click();
    ASSERT_TRUE(form->AdvicePending());
    form->close();
    form.reset();
    // Whatever the worker posted went with the window.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

} // namespace
