#include "app/SDIMAIN.h"
#include "app/picturebox.h"
#include "fakedesktop.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Window : public ::testing::Test {
  protected:
    void SetUp() override { Open({}); }

    void Open(const QStringList& arguments) {
        form = std::make_unique<TSDIAppForm>(desktop, arguments);
        form->FormShow();
    }

    void Bundle(const char* length, const char* width, const char* height) {
        form->MaskEdit1->setText(length);
        form->MaskEdit2->setText(width);
        form->MaskEdit3->setText(height);
    }

    // Runs the calculation as the button does, error report included.
    void Calculate() {
        form->RunCommand([this] { form->Button1Click(); });
    }

    QString Texts(std::initializer_list<QLineEdit*> fields) {
        QStringList texts;
        for (QLineEdit* field : fields)
            texts << field->text();
        return texts.join(' ');
    }

    FakeDesktop desktop;
    std::unique_ptr<TSDIAppForm> form;
};

TEST_F(Window, StartsWithTheDefaultsAndTheCalculationDisabled) {
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Укладон "));
    EXPECT_EQ(Texts({form->MaskEdit4, form->MaskEdit5, form->MaskEdit6, form->MaskEdit7,
                     form->MaskEdit8}),
              "1200 800 2000 0 0");
    EXPECT_TRUE(form->cxCheckBox1->isChecked());
    EXPECT_TRUE(form->N12->isChecked());
    EXPECT_FALSE(form->Button1->isEnabled());
    EXPECT_FALSE(form->N6->isEnabled());
    EXPECT_TRUE(form->Button2->isEnabled());
    for (QLabel* label : {form->Label10, form->Label11, form->Label12, form->Label19})
        EXPECT_TRUE(label->isHidden());
}

TEST_F(Window, CalculationIsEnabledExactlyWhenTheThreeBundleFieldsAreFilled) {
    Bundle("600", "400", "300");
    EXPECT_TRUE(form->Button1->isEnabled());
    EXPECT_TRUE(form->N6->isEnabled());
    for (QLineEdit* field : {form->MaskEdit1, form->MaskEdit2, form->MaskEdit3}) {
        const QString text = field->text();
        field->clear();
        EXPECT_FALSE(form->Button1->isEnabled());
        EXPECT_FALSE(form->N6->isEnabled());
        field->setText(text);
        EXPECT_TRUE(form->Button1->isEnabled());
    }
}

TEST_F(Window, FieldsTakeOnlyDigitsAndBackspace) {
    form->show();
    QLineEdit* fields[] = {form->MaskEdit1, form->MaskEdit4, form->MaskEdit8, form->MaskEdit14};
    for (QLineEdit* field : fields) {
        field->clear();
        field->setFocus();
        QTest::keyClicks(field, "1a2-3,4.5 +e");
        EXPECT_EQ(field->text(), "12345");
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), "1234");
        // A character the keyboard layout types directly, such as the Cyrillic х.
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QChar(0x0445), Qt::NoModifier);
        EXPECT_EQ(field->text(), "1234");
    }
}

TEST_F(Window, FilterLeavesTextSetByTheSystemAlone) {
    form->MaskEdit4->setText("12.5 mm");
    EXPECT_EQ(form->MaskEdit4->text(), "12.5 mm");
}

TEST_F(Window, CalculationWritesTheFourLabels) {
    Bundle("410", "300", "100");
    form->MaskEdit7->setText("50");
    form->MaskEdit13->setText("1000");
    Calculate();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    EXPECT_EQ(form->Label10->text(), QString::fromUtf8("Всего в укладке 126 пачек."));
    EXPECT_EQ(form->Label11->text(), QString::fromUtf8("18 слоев по 7 пачек."));
    EXPECT_EQ(form->Label12->text(), QString::fromUtf8("Свесы: 30 мм. по длине, 0 мм. по ширине"));
    EXPECT_EQ(form->Label19->text(), QString::fromUtf8("Количество поддонов: 8"));
    for (QLabel* label : {form->Label10, form->Label11, form->Label12, form->Label19})
        EXPECT_FALSE(label->isHidden());

    form->MaskEdit13->clear();
    Calculate();
    EXPECT_TRUE(form->Label19->isHidden());
}

TEST_F(Window, TurnedPalletExchangesPalletAndOverhangFieldsOnce) {
    Bundle("410", "300", "100");
    form->MaskEdit4->setText("800");
    form->MaskEdit5->setText("1200");
    form->MaskEdit7->setText("0");
    form->MaskEdit8->setText("50");
    Calculate();
    EXPECT_EQ(Texts({form->MaskEdit4, form->MaskEdit5, form->MaskEdit7, form->MaskEdit8}),
              "1200 800 50 0");
    EXPECT_EQ(form->Label10->text(), QString::fromUtf8("Всего в укладке 126 пачек."));
    EXPECT_EQ(form->Label12->text(), QString::fromUtf8("Свесы: 30 мм. по длине, 0 мм. по ширине"));
    Calculate();
    EXPECT_EQ(Texts({form->MaskEdit4, form->MaskEdit5, form->MaskEdit7, form->MaskEdit8}),
              "1200 800 50 0");
}

TEST_F(Window, MissingOrZeroBundleDoesNothing) {
    for (auto sizes : {std::array<const char*, 3>{"600", "", "300"}, {"600", "0", "300"}}) {
        Bundle(sizes[0], sizes[1], sizes[2]);
        Calculate();
        EXPECT_TRUE(form->Label10->isHidden());
        EXPECT_TRUE(form->Image2->Image().isNull());
    }
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(Window, SizesWhoseThirtyTwoBitProductWrapsToZeroStillCalculate) {
    Bundle("65536", "65536", "1");
    Calculate();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    EXPECT_FALSE(form->Label10->isHidden());
    EXPECT_EQ(form->Label11->text(), QString::fromUtf8("Пачка не помещается на поддон."));
}

struct ConversionCase {
    QLineEdit* TSDIAppForm::*field;
    const char* text;
    const char* report;
};

const ConversionCase conversionCases[] = {
    {&TSDIAppForm::MaskEdit1, "12x", "'12x' is not a valid integer value."},
    {&TSDIAppForm::MaskEdit7, "", "'' is not a valid integer value."},
    {&TSDIAppForm::MaskEdit4, "abc", "'abc' is not a valid floating point value."},
    {&TSDIAppForm::MaskEdit6, "2000mm", "'2000mm' is not a valid floating point value."},
};

TEST_F(Window, BadFieldEndsTheCommandWithTheErrorReportAndKeepsEarlierResults) {
    Bundle("600", "400", "150");
    form->MaskEdit13->setText("1000");
    Calculate();
    const QString total = form->Label10->text();
    const QString pallets = form->Label19->text();
    for (const ConversionCase& c : conversionCases) {
        SCOPED_TRACE(c.text);
        Bundle("600", "400", "150");
        form->MaskEdit4->setText("1200");
        form->MaskEdit6->setText("2000");
        form->MaskEdit7->setText("0");
        (form.get()->*c.field)->setText(QString::fromUtf8(c.text));
        desktop.errors.clear();
        Calculate();
        ASSERT_EQ(desktop.errors, QStringList{QString::fromUtf8(c.report)});
        EXPECT_EQ(form->Label10->text(), total);
        EXPECT_EQ(form->Label19->text(), pallets);
    }
}

TEST_F(Window, FailureAfterTheGuardLeavesABlankWhitePicture) {
    Bundle("600", "400", "150");
    Calculate();
    form->MaskEdit5->setText("x");
    Calculate();
    const QImage& picture = form->Image2->Image();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 417);
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7)
            ASSERT_EQ(picture.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

TEST_F(Window, BadOrderCountLeavesThePalletLabelAsItWas) {
    Bundle("600", "400", "150");
    form->MaskEdit13->setText("1000");
    Calculate();
    EXPECT_EQ(form->Label19->text(), QString::fromUtf8("Количество поддонов: 21"));
    form->MaskEdit13->setText("1 000");
    Calculate();
    EXPECT_EQ(desktop.errors.size(), 1);
    EXPECT_FALSE(form->Label19->isHidden());
    EXPECT_EQ(form->Label19->text(), QString::fromUtf8("Количество поддонов: 21"));
}

TEST_F(Window, NothingFittingGivesClearTextsInsteadOfDividingByZero) {
    Bundle("1500", "1000", "100");
    form->MaskEdit13->setText("10");
    Calculate();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    EXPECT_EQ(form->Label10->text(), QString::fromUtf8("Всего в укладке 0 пачек."));
    EXPECT_EQ(form->Label11->text(), QString::fromUtf8("Пачка не помещается на поддон."));
    EXPECT_TRUE(form->Label19->text().startsWith(QString::fromUtf8("Количество поддонов: не")));
}

TEST_F(Window, TooTallBundleShowsZeroLayersOfTheLayerCount) {
    Bundle("600", "400", "1900");
    Calculate();
    EXPECT_EQ(form->Label10->text(), QString::fromUtf8("Всего в укладке 0 пачек."));
    EXPECT_EQ(form->Label11->text(), QString::fromUtf8("0 слоев по 4 пачек."));
}

TEST_F(Window, ContextMenuBelongsToAllFieldsButThePalletOnes) {
    EXPECT_EQ(form->MaskEdit1->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(form->MaskEdit14->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(form->PopupMenu1->actions().size(), 5);
}

TEST_F(Window, PalletFieldsKeepAnEditMenuInRussian) {
    const QStringList russian = {"&Отменить", "&Повторить", "&Вырезать",    "&Копировать",
                                 "Вст&авить", "&Удалить",   "Выделить в&сё"};
    for (QLineEdit* field : {form->MaskEdit4, form->MaskEdit5, form->MaskEdit6}) {
        std::unique_ptr<QMenu> menu(form->FieldEditMenu(field));
        QStringList captions;
        for (const QAction* item : menu->actions())
            if (!item->isSeparator())
                captions << item->text().section('\t', 0, 0);
        EXPECT_EQ(captions, russian);
    }
    // The items do their work and are enabled when they can: "Удалить" needs a selection.
    form->MaskEdit4->setText("1200");
    std::unique_ptr<QMenu> menu(form->FieldEditMenu(form->MaskEdit4));
    EXPECT_FALSE(menu->findChild<QAction*>("edit-delete")->isEnabled());
    menu->findChild<QAction*>("select-all")->trigger();
    EXPECT_EQ(form->MaskEdit4->selectedText(), "1200");
    menu.reset(form->FieldEditMenu(form->MaskEdit4));
    menu->findChild<QAction*>("edit-delete")->trigger();
    EXPECT_EQ(form->MaskEdit4->text(), "");
    menu.reset(form->FieldEditMenu(form->MaskEdit4));
    menu->findChild<QAction*>("edit-undo")->trigger();
    EXPECT_EQ(form->MaskEdit4->text(), "1200");
}

TEST_F(Window, ExitClosesTheWindow) {
    form->show();
    ASSERT_TRUE(form->isVisible());
    form->N9->trigger();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Window, ControlsStandWhereThePlannerExpectsThem) {
    EXPECT_EQ(form->MaskEdit1->geometry(), QRect(18, 112, 79, 24));
    EXPECT_EQ(form->MaskEdit6->geometry(), QRect(306, 177, 87, 24));
    EXPECT_EQ(form->Button1->geometry(), QRect(18, 501, 174, 46));
    EXPECT_EQ(form->Button2->geometry(), QRect(396, 341, 149, 34));
    EXPECT_EQ(form->Image2->width(), 417);
    EXPECT_EQ(form->Image2->geometry().right(), form->centralWidget()->width() - 1);
}

} // namespace
