#include "app/SDIMAIN.h"
#include "app/colourcombo.h"
#include "app/picturebox.h"
#include "fakedesktop.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Commands : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TSDIAppForm>(desktop, QStringList{});
        form->FormShow();
    }

    void Box(const char* length, const char* width, const char* height) {
        form->MaskEdit9->setText(length);
        form->MaskEdit10->setText(width);
        form->MaskEdit11->setText(height);
    }

    QString Fields(std::initializer_list<QLineEdit*> fields) {
        QStringList texts;
        for (QLineEdit* field : fields)
            texts << field->text();
        return texts.join(' ');
    }

    QString BundleFields() { return Fields({form->MaskEdit1, form->MaskEdit2, form->MaskEdit3}); }

    void Run(void (TSDIAppForm::*command)()) {
        form->RunCommand([this, command] { (form.get()->*command)(); });
    }

    FakeDesktop desktop;
    std::unique_ptr<TSDIAppForm> form;
};

TEST_F(Commands, BundleCalculatorFillsTheBundleFromTheBox) {
    Box("400", "300", "200");
    Run(&TSDIAppForm::Button2Click);
    EXPECT_EQ(Fields({form->MaskEdit1, form->MaskEdit2}), "705 506");
    EXPECT_FALSE(form->Button1->isEnabled()); // the height is still missing

    form->MaskEdit12->setText("10");
    form->MaskEdit14->setText("1001");
    Run(&TSDIAppForm::Button2Click);
    EXPECT_EQ(BundleFields(), "705 506 62");
    EXPECT_EQ(form->MaskEdit13->text(), "101");
    EXPECT_TRUE(form->Button1->isEnabled());
    EXPECT_TRUE(form->N6->isEnabled());
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(Commands, BundleCalculatorWithoutBoxesPerBundleLeavesHeightAndCount) {
    form->MaskEdit3->setText("77");
    form->MaskEdit13->setText("9");
    form->MaskEdit14->setText("1000");
    form->ComboBox1->setEditText("B+C - 7");
    Box("401", "300", "200");
    for (const char* perBundle : {"", "0"}) {
        form->MaskEdit12->setText(perBundle);
        Run(&TSDIAppForm::Button2Click);
        EXPECT_EQ(BundleFields(), "712 514 77");
        EXPECT_EQ(form->MaskEdit13->text(), "9");
    }
}

TEST_F(Commands, BundleCalculatorFailureKeepsWhatItWroteBefore) {
    Box("400", "300", "200");
    form->MaskEdit12->setText("ten");
    Run(&TSDIAppForm::Button2Click);
    EXPECT_EQ(desktop.errors, QStringList{"'ten' is not a valid integer value."});
    EXPECT_EQ(Fields({form->MaskEdit1, form->MaskEdit2}), "705 506");
}

TEST_F(Commands, BundleCalculatorNeedsAWholeBox) {
    Box("400", "", "200");
    Run(&TSDIAppForm::Button2Click);
    Box("400", "0", "200");
    Run(&TSDIAppForm::Button2Click);
    EXPECT_EQ(BundleFields(), "  ");
    EXPECT_TRUE(desktop.errors.isEmpty());
}

struct PasteCase {
    const char* clipboard;
    const char* fields;
};

const PasteCase pasteCases[] = {
    {"1200х800х150", "1200 800 150"},
    {"1200x800x150", "1200 800 150"},
    {"1200*800*150", "1200 800 150"},
    {"1200 x 800 x 150", "1200 800 150"},
    {"1200 800 150", "1200 800 150"},
    {"1200\t800\t150\r\n", "1200 800 150"},
    {"1200", "1200 1200 1200"},
    {"1200х800", "1200 800 800"},
    {"1200х800х", "1200 800 0"},
    {"размер 1200х800х150", "0 1200 800"},
    {"12.5х8х3.5", "12.5 8 3.5"},
    {"60 см х 40 см х 30 см", "600 400 300"},
    {"-1200х800х-150", "1200 800 150"},
    {"", "0 0 0"},
    // Past the double range: what was read, not the largest double.
    {"13 46E1900", "13 INF INF"},
};

TEST_F(Commands, PastingSizesFillsTheBundleOrTheBoxFields) {
    for (const PasteCase& c : pasteCases) {
        desktop.clipboardText = QString::fromUtf8(c.clipboard);
        Run(&TSDIAppForm::N1Click);
        EXPECT_EQ(BundleFields(), c.fields) << c.clipboard;
        Run(&TSDIAppForm::N13Click);
        EXPECT_EQ(Fields({form->MaskEdit9, form->MaskEdit10, form->MaskEdit11}), c.fields)
            << c.clipboard;
    }
    EXPECT_TRUE(desktop.informations.isEmpty());
}

// A load whose count no 64-bit integer holds is refused through the error report; the result
// lines never show a wrapped-around number.
TEST_F(Commands, CalculationBeyondSixtyFourBitsIsRefused) {
    struct Case {
        const char* bundle[3];
        const char* pallet[2];
        const char* maxHeight;
    };
    const Case cases[] = {
        {{"1", "1", "1"}, {"1000000", "1000000"}, "2000000000"},
        {{"600", "400", "300"}, {"1200", "800"}, "1e300"},
    };
    for (const Case& c : cases) {
        desktop.errors.clear();
        form->MaskEdit1->setText(c.bundle[0]);
        form->MaskEdit2->setText(c.bundle[1]);
        form->MaskEdit3->setText(c.bundle[2]);
        form->MaskEdit4->setText(c.pallet[0]);
        form->MaskEdit5->setText(c.pallet[1]);
        form->MaskEdit6->setText(c.maxHeight);
        Run(&TSDIAppForm::Button1Click);
        EXPECT_EQ(desktop.errors,
                  QStringList{QString::fromUtf8("Количество пачек или слоев слишком велико для "
                                                "расчета: проверьте размеры поддона, пачки и "
                                                "высоту укладки.")})
            << c.maxHeight;
        EXPECT_FALSE(form->Label10->text().contains("7751490039368425472"));
    }
}

TEST_F(Commands, PastingWithoutTextOnTheClipboardAsksForTheFormAndChangesNothing) {
    form->MaskEdit1->setText("5");
    Run(&TSDIAppForm::N1Click);
    Run(&TSDIAppForm::N13Click);
    ASSERT_EQ(desktop.informations.size(), 2);
    EXPECT_TRUE(desktop.informations[0].contains(QString::fromUtf8("пачки")));
    EXPECT_EQ(desktop.informations[1],
              QString::fromUtf8("Для вставки размеров ящика в буфере должен быть текст формата: "
                                "длина х ширина х высота"));
    for (const QString& message : desktop.informations)
        EXPECT_TRUE(message.contains(QString::fromUtf8("длина х ширина х высота")));
    EXPECT_EQ(BundleFields(), "5  ");
}

TEST_F(Commands, PasteCalculateCopyRunsOnWithoutClipboardText) {
    form->MaskEdit1->setText("600");
    form->MaskEdit2->setText("400");
    form->MaskEdit3->setText("300");
    Run(&TSDIAppForm::N3Click);
    EXPECT_EQ(desktop.informations.size(), 1);
    EXPECT_FALSE(form->Label10->isHidden());
    EXPECT_EQ(desktop.imagesCopied, 1);
    EXPECT_EQ(desktop.clipboardImage, form->Image2->Image());
}

TEST_F(Commands, PasteCalculateCopyReplacesTheTextWithThePicture) {
    desktop.clipboardText = QString::fromUtf8("600х400х300");
    form->N3->trigger();
    EXPECT_EQ(form->Label10->text(), QString::fromUtf8("Всего в укладке 24 пачек."));
    EXPECT_FALSE(desktop.clipboardText.has_value());
    EXPECT_EQ(desktop.clipboardImage.size(), QSize(417, form->Image2->height()));
}

TEST_F(Commands, BoxPasteDerivesTheBundleCalculatesAndCopies) {
    desktop.clipboardText = QString::fromUtf8("400х300х200");
    form->MaskEdit12->setText("10");
    form->N14->trigger();
    EXPECT_EQ(BundleFields(), "705 506 62");
    EXPECT_FALSE(form->Label10->isHidden());
    EXPECT_EQ(desktop.imagesCopied, 1);
}

TEST_F(Commands, AFailingStepEndsTheCombinedCommandBeforeTheCopy) {
    desktop.clipboardText = QString::fromUtf8("600х400х150.5");
    form->N3->trigger();
    EXPECT_EQ(form->MaskEdit3->text(), "150.5");
    EXPECT_EQ(desktop.errors, QStringList{"'150.5' is not a valid integer value."});
    EXPECT_EQ(desktop.imagesCopied, 0);
}

TEST_F(Commands, CopyingBeforeAnyPictureLeavesTheClipboardAlone) {
    desktop.clipboardText = "keep me";
    form->N2->trigger();
    form->N11->trigger();
    EXPECT_EQ(desktop.imagesCopied, 0);
    EXPECT_EQ(desktop.clipboardText, "keep me");
}

TEST_F(Commands, DoubleClickOnThePictureCopiesIt) {
    desktop.clipboardText = QString::fromUtf8("600х400х300");
    form->N1->trigger();
    form->Button1->click();
    QTest::mouseDClick(form->Image2, Qt::LeftButton);
    EXPECT_EQ(desktop.imagesCopied, 1);
    EXPECT_EQ(desktop.clipboardImage, form->Image2->Image());
}

TEST_F(Commands, TextOptionTogglesAndDecidesTheTextBlock) {
    ASSERT_TRUE(form->N12->isChecked());
    form->N12Click();
    EXPECT_FALSE(form->N12->isChecked());
    form->N12Click();
    EXPECT_TRUE(form->N12->isChecked());
    // The menu item turns its own mark, as the handler does.
    form->N12->trigger();
    EXPECT_FALSE(form->N12->isChecked());

    form->MaskEdit1->setText("600");
    form->MaskEdit2->setText("400");
    form->MaskEdit3->setText("300");
    form->Button1->click();
    const QImage withoutText = form->Image2->Image();
    form->N12Click();
    EXPECT_TRUE(form->N12->isChecked());
    // Toggling does not redraw; the next calculation writes the text block.
    EXPECT_EQ(form->Image2->Image(), withoutText);
    form->Button1->click();
    const QImage withText = form->Image2->Image();
    EXPECT_NE(withText.copy(0, 0, 417, 80), withoutText.copy(0, 0, 417, 80));
    EXPECT_EQ(withText.copy(0, 120, 417, 300), withoutText.copy(0, 120, 417, 300));
}

TEST_F(Commands, HelpOpensTheGuideBesideTheExecutable) {
    desktop.executableDir = "/opt/stowly";
    form->N8->trigger();
    QTest::keyClick(form.get(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(desktop.opened, QStringList({"/opt/stowly/guide.docx", "/opt/stowly/guide.docx"}));
}

TEST_F(Commands, CustomColourIsPickedFromTheDialogAndDrawn) {
    ColourComboBox* colours = form->cxColorComboBox1;
    EXPECT_EQ(colours->SelectedColour(), clSilver);
    desktop.pickedColour = QColor(18, 52, 86);
    colours->setCurrentIndex(colours->count() - 1);
    emit colours->activated(colours->count() - 1);
    EXPECT_EQ(colours->SelectedColour(), MakeColour(18, 52, 86));
    // Cancelling the dialog keeps the colour.
    desktop.pickedColour.reset();
    emit colours->activated(colours->count() - 1);
    EXPECT_EQ(colours->SelectedColour(), MakeColour(18, 52, 86));
    EXPECT_NE(colours->currentIndex(), colours->count() - 1);
}

} // namespace
