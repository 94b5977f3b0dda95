#include "app/SDIMAIN.h"
#include "app/colourcombo.h"
#include "app/picturebox.h"
#include "fakedesktop.h"
#include "shell/texts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

namespace {

QString Fields(std::initializer_list<QLineEdit*> fields) {
    QStringList texts;
    for (QLineEdit* field : fields)
        texts << field->text();
    return texts.join(' ');
}

struct ArgumentCase {
    QStringList arguments;
    const char* fields;
    bool calculates;
};

const ArgumentCase argumentCases[] = {
    {{"600x400x300"}, "600 400 300", true},
    {{"600", "400", "300"}, "600 400 300", true},
    {{"600*400*300"}, "600 400 300", true},
    {{"600 x 400 x 300"}, "600 400 300", true},
    {{"600"}, "600 600 600", true},
    {{"600x400"}, "600 400 400", true},
    {{"600x"}, "600 0 0", false},
    {{"600", "x", "400"}, "600 0 400", false},
    {{}, "  ", false},
};

TEST(StartSequence, TakesTheBundleFromTheCommandLine) {
    for (const ArgumentCase& c : argumentCases) {
        SCOPED_TRACE(c.arguments.join('|').toStdString());
        FakeDesktop desktop;
        TSDIAppForm form(desktop, c.arguments);
        form.FormShow();
        EXPECT_EQ(Fields({form.MaskEdit1, form.MaskEdit2, form.MaskEdit3}), c.fields);
        EXPECT_EQ(!form.Label10->isHidden(), c.calculates);
        EXPECT_EQ(desktop.imagesCopied, c.calculates ? 1 : 0);
        EXPECT_EQ(form.Button1->isEnabled(), QString(c.fields) != "  ");
        EXPECT_TRUE(desktop.errors.isEmpty());
    }
}

class WithSettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        desktop.executableDir = dir.path();
    }

    QString Path() const { return dir.filePath("stowly.ini"); }

    void WriteFile(const QByteArray& content) {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray ReadFile() {
        QFile file(Path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    std::unique_ptr<TSDIAppForm> Start(const QStringList& arguments = {}) {
        // As the window's first showing runs it: through the error report.
        auto form = std::make_unique<TSDIAppForm>(desktop, arguments);
        form->RunCommand([&form] { form->FormShow(); });
        return form;
    }

    QTemporaryDir dir;
    FakeDesktop desktop;
};

TEST_F(WithSettingsFile, NoFileIsNeitherReadNorCreated) {
    auto form = Start();
    form->MaskEdit4->setText("999");
    form->close();
    EXPECT_FALSE(QFile::exists(Path()));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(WithSettingsFile, EmptyFileGivesTheDefaultsAndReceivesEveryKey) {
    WriteFile("");
    auto form = Start();
    EXPECT_EQ(Fields({form->MaskEdit4, form->MaskEdit5, form->MaskEdit6}), "1200 800 2000");
    EXPECT_EQ(Fields({form->MaskEdit7, form->MaskEdit8, form->MaskEdit12, form->MaskEdit13,
                      form->MaskEdit14}),
              "    ");
    EXPECT_TRUE(form->cxCheckBox1->isChecked());
    EXPECT_TRUE(form->N12->isChecked());
    EXPECT_EQ(form->ComboBox1->currentText(), "B - 3.1");
    EXPECT_EQ(form->cxColorComboBox1->SelectedColour(), clSilver);
    form->close();
    const QByteArray saved = ReadFile();
    for (const char* section : {"[PALLETE]", "[OVERHANG]", "[BOX]", "[PIC]", "[BATCH]"})
        EXPECT_TRUE(saved.contains(section)) << section;
    EXPECT_EQ(saved.count('='), 12) << saved.toStdString();
    EXPECT_TRUE(saved.contains("COLOR=clSilver"));
}

TEST_F(WithSettingsFile, ValuesRoundTripThroughTheWindow) {
    WriteFile("; kept\n[PALLETE]\nL=1000\nB=1200\nH=1800\nPH=0\n[OVERHANG]\nL=10\nB=20\n"
              "[BOX]\nPROFILE=C - 3.7\nCOLOR=CLRED\nQUANTITY=500\n[PIC]\nADDTEXT=yes\n"
              "[BATCH]\nQUANTITY=40\nBOXES=12\n[MINE]\nx=1\n");
    auto form = Start();
    EXPECT_EQ(Fields({form->MaskEdit4, form->MaskEdit5, form->MaskEdit6, form->MaskEdit7,
                      form->MaskEdit8, form->MaskEdit14, form->MaskEdit13, form->MaskEdit12}),
              "1000 1200 1800 10 20 500 40 12");
    EXPECT_FALSE(form->cxCheckBox1->isChecked());
    EXPECT_FALSE(form->N12->isChecked());
    EXPECT_EQ(form->ComboBox1->currentText(), "C - 3.7");
    EXPECT_EQ(form->cxColorComboBox1->SelectedColour(), MakeColour(255, 0, 0));

    form->MaskEdit4->setText("1140");
    form->cxCheckBox1->setChecked(true);
    form->cxColorComboBox1->SetSelectedColour(MakeColour(18, 52, 86));
    form->N12->trigger();
    form->N9->trigger(); // "Выход" saves as the window closes
    const QByteArray saved = ReadFile();
    EXPECT_TRUE(saved.startsWith("; kept\n[PALLETE]\nL=1140\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("PH=1\n"));
    EXPECT_TRUE(saved.contains("COLOR=$00563412\n"));
    EXPECT_TRUE(saved.contains("ADDTEXT=1\n"));
    EXPECT_TRUE(saved.endsWith("[MINE]\nx=1\n"));

    auto again = Start();
    EXPECT_EQ(again->MaskEdit4->text(), "1140");
    EXPECT_TRUE(again->cxCheckBox1->isChecked());
    EXPECT_TRUE(again->N12->isChecked());
    EXPECT_EQ(again->cxColorComboBox1->SelectedColour(), MakeColour(18, 52, 86));
}

// Pixels painted in a shade of pure red: none in the default silver picture.
int RedPixels(const QImage& image) {
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 0 && c.green() == 0 && c.blue() == 0;
        }
    return red;
}

TEST_F(WithSettingsFile, SettingsAreLoadedBeforeTheCommandLineCalculation) {
    WriteFile("[PALLETE]\nL=1000\nB=1200\n[OVERHANG]\nL=0\nB=0\n[BOX]\nCOLOR=clRed\n");
    auto form = Start({"600x400x300"});
    // 5 bundles a layer on the file's 1000 x 1200, not 4 on the default 1200 x 800.
    EXPECT_EQ(form->Label10->text(), QString::fromUtf8("Всего в укладке 30 пачек."));
    EXPECT_EQ(Fields({form->MaskEdit4, form->MaskEdit5}), "1000 1200");
    // The clipboard holds that calculation's picture, in the file's colour.
    EXPECT_EQ(desktop.imagesCopied, 1);
    EXPECT_EQ(desktop.clipboardImage, form->Image2->Image());
    EXPECT_GT(RedPixels(desktop.clipboardImage), 1000);
    EXPECT_FALSE(form->ResultsStale());
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(WithSettingsFile, CommandLineCalculationWithoutAFileUsesTheDefaults) {
    auto form = Start({"600x400x300"});
    EXPECT_EQ(form->Label10->text(), QString::fromUtf8("Всего в укладке 24 пачек."));
    EXPECT_EQ(RedPixels(desktop.clipboardImage), 0);
}

TEST_F(WithSettingsFile, BadColourStopsTheLoadThere) {
    WriteFile("[PALLETE]\nL=1000\n[BOX]\nCOLOR=plaid\nQUANTITY=500\n[BATCH]\nQUANTITY=40\n");
    auto form = Start();
    EXPECT_EQ(desktop.errors, QStringList{"'plaid' is not a valid integer value."});
    EXPECT_EQ(form->MaskEdit4->text(), "1000");
    EXPECT_EQ(form->MaskEdit7->text(), "");  // read before the colour: missing, so empty
    EXPECT_EQ(form->MaskEdit14->text(), ""); // after it: not applied
    EXPECT_EQ(form->MaskEdit13->text(), "");
}

TEST_F(WithSettingsFile, FractionalCommandLineSizeStopsTheStartAfterTheSettings) {
    WriteFile("[PALLETE]\nL=1000\n");
    auto form = Start({"600x400x300.5"});
    EXPECT_EQ(desktop.errors, QStringList{"'300.5' is not a valid integer value."});
    EXPECT_EQ(form->MaskEdit4->text(), "1000");
    EXPECT_EQ(desktop.imagesCopied, 0);
}

TEST_F(WithSettingsFile, DecimalInsideTheArgumentIsReportedNotMultiplied) {
    auto form = Start({"600.5x400x300"});
    EXPECT_EQ(Fields({form->MaskEdit1, form->MaskEdit2, form->MaskEdit3}), "600.5 400 300");
    EXPECT_EQ(desktop.errors, QStringList{"'600.5' is not a valid integer value."});
    EXPECT_EQ(desktop.imagesCopied, 0);
}

TEST_F(WithSettingsFile, UnitsOnTheCommandLineAreMillimetresInTheFields) {
    auto form = Start({"60cm", "40cm", "30cm"});
    EXPECT_EQ(Fields({form->MaskEdit1, form->MaskEdit2, form->MaskEdit3}), "600 400 300");
    EXPECT_EQ(desktop.imagesCopied, 1);
}

TEST_F(WithSettingsFile, SeveralFractionalSizesNameTheFirst) {
    auto form = Start({"1.5", "2.5", "3.5"});
    EXPECT_EQ(desktop.errors, QStringList{"'1.5' is not a valid integer value."});
    form->RunCommand([&form] { form->Button1Click(); });
    EXPECT_EQ(desktop.errors.value(1), "'1.5' is not a valid integer value.");
}

// A FIFO by the file's name would block the start in its open: it is no settings file, neither
// read nor replaced, and nothing is said.
TEST_F(WithSettingsFile, FifoIsNoSettingsFile) {
    ASSERT_EQ(mkfifo(Path().toLocal8Bit().constData(), 0644), 0);
    auto form = Start();
    EXPECT_EQ(Fields({form->MaskEdit4, form->MaskEdit5, form->MaskEdit6}), "1200 800 2000");
    form->MaskEdit4->setText("999");
    form->close();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('|').toStdString();
    struct stat info {};
    ASSERT_EQ(lstat(Path().toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A settings file the window cannot keep: said once at the start, once on closing, and the
// window still closes; the file stays as it was.
TEST_F(WithSettingsFile, SettingsThatCannotBeSavedAreReportedOnceAndTheWindowCloses) {
    const QByteArray huge = "[PALLETE]\nL=1000\n" + QByteArray(2 << 20, '\n');
    WriteFile(huge);
    auto form = Start();
    const std::string path = Path().toStdString();
    EXPECT_EQ(desktop.errors, QStringList{QString::fromStdString(Texts::ErrorReport(
                                  Texts::SettingsNotRead(path, Texts::SettingsFileTooLarge)))});
    form->show();
    form->MaskEdit4->setText("999");
    desktop.errors.clear();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(desktop.errors, QStringList{QString::fromStdString(Texts::ErrorReport(
                                  Texts::SettingsNotSaved(path, Texts::SettingsFileTooLarge)))});
    EXPECT_EQ(ReadFile(), huge);
}

// An administrator may make the file read-only to give fixed inputs: closing leaves it alone
// and says nothing.
TEST_F(WithSettingsFile, ReadOnlyFileIsLeftAloneOnClosing) {
    WriteFile("[PALLETE]\nL=1000\n");
    ASSERT_TRUE(
        QFile::setPermissions(Path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    auto form = Start();
    EXPECT_EQ(form->MaskEdit4->text(), "1000");
    form->MaskEdit4->setText("999");
    form->close();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('|').toStdString();
    EXPECT_EQ(ReadFile(), "[PALLETE]\nL=1000\n");
}

} // namespace

namespace {

TEST(StartSequence, RunsOnceWhenTheWindowIsFirstShown) {
    FakeDesktop desktop;
    TSDIAppForm form(desktop, {"600x400x300"});
    EXPECT_EQ(desktop.imagesCopied, 0);
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(desktop.imagesCopied, 1);
    EXPECT_EQ(form.Image2->height(), 564);
    EXPECT_EQ(desktop.clipboardImage.size(), QSize(417, 564));
}

} // namespace
