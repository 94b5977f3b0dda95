#include "app/SDIMAIN.h"
#include "app/colourcombo.h"
#include "app/picturebox.h"
#include "fakedesktop.h"
#include "shell/texts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Keyboard : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TSDIAppForm>(desktop, QStringList{});
        form->FormShow();
    }

    QString Fields(std::initializer_list<QLineEdit*> fields) {
        QStringList texts;
        for (QLineEdit* field : fields)
            texts << field->text();
        return texts.join(' ');
    }

    void Bundle(const char* length, const char* width, const char* height) {
        form->MaskEdit1->setText(length);
        form->MaskEdit2->setText(width);
        form->MaskEdit3->setText(height);
    }

    // The window shown and active, as a person has it: shortcuts reach only an active window.
    void ShowActive() {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    FakeDesktop desktop;
    std::unique_ptr<TSDIAppForm> form;
};

TEST_F(Keyboard, EnterInAnyFieldCalculates) {
    Bundle("600", "400", "300");
    QWidget* fields[] = {form->MaskEdit1,  form->MaskEdit6,  form->MaskEdit8,
                         form->MaskEdit9,  form->MaskEdit13, form->ComboBox1->lineEdit(),
                         form->cxCheckBox1};
    for (QWidget* field : fields) {
        form->Label10->clear();
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(form->Label10->text(), QString::fromUtf8("Всего в укладке 24 пачек."))
            << field->metaObject()->className();
    }
    form->Label10->clear();
    QTest::keyClick(form->MaskEdit2, Qt::Key_Enter); // the keypad's Enter
    EXPECT_FALSE(form->Label10->text().isEmpty());
    // Enter types nothing.
    EXPECT_EQ(Fields({form->MaskEdit1, form->MaskEdit2, form->MaskEdit3}), "600 400 300");
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(Keyboard, EnterReportsABadFieldAsTheButtonDoes) {
    Bundle("600", "400", "300");
    form->MaskEdit4->setText("12x");
    QTest::keyClick(form->MaskEdit4, Qt::Key_Return);
    EXPECT_EQ(desktop.errors, QStringList{"'12x' is not a valid floating point value."});
}

TEST_F(Keyboard, CtrlVPastesSizesIntoTheGroupOfTheField) {
    desktop.clipboardText = QString::fromUtf8("60 см х 40 см х 30 см");
    for (QLineEdit* field : {form->MaskEdit1, form->MaskEdit3, form->MaskEdit13}) {
        Bundle("", "", "");
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Fields({form->MaskEdit1, form->MaskEdit2, form->MaskEdit3}), "600 400 300");
    }
    EXPECT_EQ(Fields({form->MaskEdit9, form->MaskEdit10, form->MaskEdit11}), "  ");

    desktop.clipboardText = QString::fromUtf8("400x300x200");
    for (QLineEdit* field : {form->MaskEdit10, form->MaskEdit12, form->MaskEdit14}) {
        form->MaskEdit9->clear();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Fields({form->MaskEdit9, form->MaskEdit10, form->MaskEdit11}), "400 300 200");
    }
    EXPECT_EQ(Fields({form->MaskEdit1, form->MaskEdit2, form->MaskEdit3}), "600 400 300");
    // Nothing is calculated: pasting only fills the fields.
    EXPECT_TRUE(form->Label10->isHidden());
}

TEST_F(Keyboard, CtrlVWithoutTextAsksForTheForm) {
    QTest::keyClick(form->MaskEdit2, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(form->MaskEdit11, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(desktop.informations, (QStringList{QString::fromUtf8(Texts::NoBundleSizesOnClipboard),
                                                 QString::fromUtf8(Texts::NoBoxSizesOnClipboard)}));
}

TEST_F(Keyboard, CtrlCCopiesThePictureFromAFieldAndFromTheWindow) {
    Bundle("600", "400", "300");
    form->Button1->click();
    QTest::keyClick(form->MaskEdit5, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(desktop.imagesCopied, 1);
    EXPECT_EQ(desktop.clipboardImage, form->Image2->Image());

    ShowActive();
    const int copied = desktop.imagesCopied;
    form->Button1->setFocus();
    QTest::keyClick(form->Button1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(desktop.imagesCopied, copied + 1);
    EXPECT_EQ(form->N11->shortcut(), QKeySequence(QKeySequence::Copy));
}

TEST_F(Keyboard, MenusKeepTheirCaptionsAndGetALetterEach) {
    // What Qt shows: the caption with "&" taken out and the letter after it underlined.
    const auto shown = [](const QAction* action) { return QString(action->text()).remove('&'); };
    const auto captions = [&](const QList<QAction*>& actions) {
        QStringList texts;
        for (const QAction* action : actions)
            texts << shown(action);
        return texts;
    };
    const auto u = [](const char* text) { return QString::fromUtf8(text); };
    EXPECT_EQ(captions(form->menuBar()->actions()),
              (QStringList{u(Texts::MenuInput), u(Texts::MenuCalculate), u(Texts::MenuOutput),
                           u(Texts::MenuHelp), u(Texts::MenuExit)}));
    EXPECT_EQ(
        captions(form->N5->actions()),
        (QStringList{u(Texts::PasteBundleCalculate), u(Texts::PasteBoxCalculate),
                     u(Texts::PasteBundleSizes), u(Texts::PasteBoxSizes), u(Texts::BundleButton),
                     u(Texts::Weights::MenuPallet), u(Texts::Weights::MenuWeights)}));
    EXPECT_EQ(captions(form->N7->actions()),
              (QStringList{u(Texts::CopyPicture), u(Texts::AddTextToPicture),
                           u(Texts::Advice::ShowBestLayer), QString(), u(Texts::Sheet::SaveReport),
                           u(Texts::Sheet::Print), u(Texts::Sheet::SavePicture),
                           u(Texts::Sheet::ShowPlan), u(Texts::Sheet::Alternate)}));
    EXPECT_EQ(
        captions(form->PopupMenu1->actions()),
        (QStringList{u(Texts::PasteBundleCalculate), u(Texts::PasteBoxCalculate),
                     u(Texts::PasteBundleSizes), u(Texts::PasteBoxSizes), u(Texts::CopyPicture)}));
    // One letter for each item, none twice in one menu.
    for (const QList<QAction*>& menu : {form->menuBar()->actions(), form->N5->actions(),
                                        form->N7->actions(), form->PopupMenu1->actions()}) {
        QSet<QString> letters;
        for (const QAction* action : menu) {
            if (action->isSeparator())
                continue;
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            EXPECT_FALSE(key.isEmpty()) << shown(action).toStdString();
            EXPECT_FALSE(letters.contains(key.toString())) << shown(action).toStdString();
            letters.insert(key.toString());
        }
    }
}

// Alt and a Cyrillic letter, as a Russian keyboard layout sends it.
void AltLetter(QWidget* widget, char16_t letter) {
    const auto key = static_cast<Qt::Key>(QChar(letter).toUpper().unicode());
    for (const QTest::KeyAction action : {QTest::Press, QTest::Release})
        QTest::sendKeyEvent(action, widget, key, QString(QChar(letter)), Qt::AltModifier);
}

TEST_F(Keyboard, AltAndALetterOpensItsMenu) {
    ShowActive();
    form->MaskEdit1->setFocus();
    AltLetter(form->MaskEdit1, u'в'); // "Ввод данных"
    EXPECT_TRUE(form->N5->isVisible());
    form->N5->hide();
    AltLetter(form->MaskEdit1, u'ы'); // "Вывод результатов"
    EXPECT_TRUE(form->N7->isVisible());
    form->N7->hide();
    // "Расчет" in the menu bar is a command of its own: Alt+Р runs it.
    Bundle("600", "400", "300");
    AltLetter(form->MaskEdit1, u'р');
    EXPECT_FALSE(form->Label10->isHidden());
}

TEST_F(Keyboard, F10OpensTheMenuBar) {
    ShowActive();
    form->MaskEdit4->setFocus();
    EXPECT_FALSE(form->N5->isVisible());
    QTest::keyClick(form->MaskEdit4, Qt::Key_F10);
    EXPECT_TRUE(form->N5->isVisible());
    EXPECT_EQ(form->menuBar()->activeAction(), form->N5->menuAction());
    form->N5->hide();
}

class StaleResults : public Keyboard {
  protected:
    void Calculated() {
        Bundle("600", "400", "300");
        form->Button1->click();
        ASSERT_FALSE(form->ResultsStale());
    }

    bool ShownAsStale() {
        const bool stale = form->ResultsStale();
        EXPECT_EQ(!form->Label22->isHidden(), stale);
        EXPECT_EQ(form->Image2->Faded(), stale);
        for (const QLabel* label : {form->Label10, form->Label11, form->Label12, form->Label21})
            EXPECT_EQ(label->isEnabled(), !stale);
        return stale;
    }
};

TEST_F(StaleResults, NothingIsMarkedBeforeTheFirstCalculation) {
    form->MaskEdit4->setText("1000");
    EXPECT_FALSE(ShownAsStale());
}

TEST_F(StaleResults, EveryInputMarksTheResultsUntilTheNextCalculation) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"bundle length", [&] { form->MaskEdit1->setText("601"); }},
        {"order", [&] { form->MaskEdit13->setText("7"); }},
        {"pallet width", [&] { form->MaskEdit5->setText("801"); }},
        {"max height", [&] { form->MaskEdit6->setText("1999"); }},
        {"overhang", [&] { form->MaskEdit8->setText("10"); }},
        {"box", [&] { form->MaskEdit10->setText("5"); }},
        {"boxes per bundle", [&] { form->MaskEdit12->setText("5"); }},
        {"height includes pallet", [&] { form->cxCheckBox1->setChecked(false); }},
        {"colour", [&] { form->cxColorComboBox1->SetSelectedColour(MakeColour(255, 0, 0)); }},
        {"profile", [&] { form->ComboBox1->setEditText("C - 3.7"); }},
        {"text on the picture", [&] { form->N12->trigger(); }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        Calculated();
        EXPECT_FALSE(ShownAsStale());
        change();
        EXPECT_TRUE(ShownAsStale());
        EXPECT_EQ(form->Label22->text(), QString::fromUtf8("Данные изменены: нажмите «Расчет»"));
        // The picture copied is still the one drawn, not its washed-out look.
        form->Image2DblClick();
        EXPECT_EQ(desktop.clipboardImage, form->Image2->Image());
        // Back to the fields as they were is still a change: only "Расчет" clears the mark.
        form->Button1->click();
        EXPECT_FALSE(ShownAsStale());
        form->MaskEdit13->clear();
        form->cxCheckBox1->setChecked(true);
        form->N12->setChecked(true);
    }
}

TEST_F(StaleResults, TheCalculationsOwnTurnOfThePalletIsNoChange) {
    Calculated();
    // A pallet that holds more turned: the calculation exchanges the pallet and overhang fields.
    Bundle("410", "300", "100");
    form->MaskEdit4->setText("800");
    form->MaskEdit5->setText("1200");
    form->MaskEdit8->setText("50");
    form->Button1->click();
    EXPECT_EQ(Fields({form->MaskEdit4, form->MaskEdit5, form->MaskEdit7}), "1200 800 50");
    EXPECT_FALSE(ShownAsStale());
}

TEST_F(StaleResults, AFailedCalculationLeavesTheMark) {
    Calculated();
    form->MaskEdit6->setText("20x0");
    form->Button1->click();
    EXPECT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(ShownAsStale());
}

} // namespace
