#include "adviceshown.h"
#include "app/SDIMAIN.h"
#include "app/picturebox.h"
#include "canvas/imagecanvas.h"
#include "fakedesktop.h"
#include "report/planpicture.h"
#include "shell/calculation.h"
#include "shell/layerplans.h"
#include "tests/report/pdftools.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

class FloorSheet : public ::testing::Test {
  protected:
    void Calculate(const char* length, const char* width, const char* height) {
        ASSERT_TRUE(PressCalculate(form, desktop, length, width, height));
    }
    QString Path(const char* name) const { return dir.filePath(name); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files); }

    // The plan the window should show, drawn as the window draws it.
    QImage ExpectedPlan(const PlanPicture& plan) const {
        const QImage shown = form.Image2->Image();
        ImageCanvas canvas(shown.width(), shown.height());
        DrawPlanPicture(canvas, plan, 6, 6, shown.width() - 12, shown.height() - 12);
        return canvas.Image();
    }
    ::Calculation Calculated(const char* length, const char* width, const char* height) const {
        CalculationInputs inputs;
        inputs.BundleLength = length;
        inputs.BundleWidth = width;
        inputs.BundleHeight = height;
        return ::Calculate(inputs, '.', AdviceWanted::Yes);
    }

    QTemporaryDir dir;
    FakeDesktop desktop;
    TSDIAppForm form{desktop, {}};
};

TEST_F(FloorSheet, CommandsWaitForACalculation) {
    for (QAction* item : {form.N22, form.N23, form.N24, form.N25, form.N26})
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
    form.N22->trigger();
    form.N23->trigger();
    EXPECT_EQ(desktop.printDialogs, 0);
    EXPECT_TRUE(desktop.saveFilters.isEmpty());
    Calculate("600", "400", "300");
    for (QAction* item : {form.N22, form.N23, form.N24, form.N25, form.N26})
        EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
}

TEST_F(FloorSheet, SavesTheReportWithTheLinesTheWindowShows) {
    form.MaskEdit13->setText("1000");
    Calculate("410", "310", "100");
    desktop.savePath = Path("report.pdf");
    // Straight after "Расчет" the advice is still being worked out: the report waits for it.
    ASSERT_TRUE(form.AdvicePending());
    form.N22->trigger();
    EXPECT_FALSE(form.AdvicePending());
    EXPECT_TRUE(form.Label21->text().startsWith(QString::fromUtf8("Лучшая схема слоя: 6 пачек")));
    ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    const std::string text = PdfText(Path("report.pdf").toStdString());
    for (const QString& label :
         {form.Label10->text(), form.Label11->text(), form.Label12->text(), form.Label19->text()})
        EXPECT_NE(text.find(label.toStdString()), std::string::npos) << label.toStdString();
    // The advisor beats two blocks here: its line and its plan are on the page.
    // (The column may wrap the advice line.)
    EXPECT_NE(text.find("Лучшая схема слоя: 6 пачек"), std::string::npos) << text;
    EXPECT_NE(text.find("План слоя: лучшая схема"), std::string::npos) << text;
}

TEST_F(FloorSheet, ACancelledDialogWritesNothingAndAFailedWriteNamesTheFile) {
    Calculate("600", "400", "300");
    desktop.savePath.reset();
    form.N22->trigger();
    form.N24->trigger();
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(desktop.errors.isEmpty());

    const QString blocked = Path("file") + "/report.pdf";
    QFile(Path("file")).open(QIODevice::WriteOnly);
    desktop.savePath = blocked;
    form.N22->trigger();
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].contains(blocked)) << desktop.errors[0].toStdString();
    form.N24->trigger();
    EXPECT_EQ(desktop.errors.size(), 2);
    EXPECT_EQ(Files(), QStringList{"file"});
}

TEST_F(FloorSheet, PrintsThePageThroughTheDesktopAndACancelChangesNothing) {
    Calculate("600", "400", "300");
    const QImage shown = form.Image2->Image();
    desktop.printOutcome = Desktop::PrintOutcome::Cancelled;
    form.N23->trigger();
    EXPECT_EQ(desktop.printDialogs, 1);
    EXPECT_TRUE(desktop.printedPage.isNull());
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(form.Image2->Image(), shown);

    desktop.printOutcome = Desktop::PrintOutcome::Printed;
    form.N23->trigger();
    ASSERT_FALSE(desktop.printedPage.isNull());
    // The loaded pallet stands in the picture's box at the top right, in the load's silver.
    int silver = 0;
    const QImage& page = desktop.printedPage;
    for (int y = page.height() / 10; y < page.height() * 4 / 10; ++y)
        for (int x = page.width() / 2; x < page.width(); ++x)
            silver += page.pixelColor(x, y) != QColor(Qt::white) &&
                      page.pixelColor(x, y).red() == page.pixelColor(x, y).blue();
    EXPECT_GT(silver, 1000);

    desktop.printOutcome = Desktop::PrintOutcome::Failed;
    form.N23->trigger();
    EXPECT_EQ(desktop.errors.size(), 1);
}

TEST_F(FloorSheet, PlanViewShowsTheLayerFollowingTheBestLayerButton) {
    Calculate("410", "310", "100");
    ASSERT_TRUE(AdviceShown(form));
    const QImage loadPicture = form.Image2->Image();
    const ::Calculation result = Calculated("410", "310", "100");

    form.N25->trigger();
    EXPECT_EQ(form.Image2->Image(), ExpectedPlan(TwoBlockPlanPicture(result, Alternation::Off)));
    form.N26->trigger();
    EXPECT_EQ(form.Image2->Image(), ExpectedPlan(TwoBlockPlanPicture(result, Alternation::On)));
    form.N26->trigger();

    form.Button3->click();
    EXPECT_EQ(form.Image2->Image(), ExpectedPlan(*BestPlanPicture(result, Alternation::Off)));
    form.N2->trigger(); // the clipboard takes what is shown
    EXPECT_EQ(desktop.clipboardImage, form.Image2->Image());
    form.Button3->click();
    EXPECT_EQ(form.Image2->Image(), ExpectedPlan(TwoBlockPlanPicture(result, Alternation::Off)));

    form.N25->trigger();
    EXPECT_EQ(form.Image2->Image(), loadPicture);
}

TEST_F(FloorSheet, SavesThePictureShownAsPngOrSvgByTheName) {
    Calculate("600", "400", "300");
    desktop.savePath = Path("load.png");
    form.N24->trigger();
    EXPECT_EQ(QImage(Path("load.png")), form.Image2->Image().convertToFormat(QImage::Format_RGB32));
    desktop.savePath = Path("load.svg");
    form.N24->trigger();
    QFile load(Path("load.svg"));
    ASSERT_TRUE(load.open(QIODevice::ReadOnly));
    const QByteArray loadSvg = load.readAll();
    EXPECT_TRUE(loadSvg.contains("<polygon"));
    EXPECT_FALSE(loadSvg.contains("class=\"bundle\""));

    form.N25->trigger();
    desktop.savePath = Path("plan.svg");
    form.N24->trigger();
    QFile plan(Path("plan.svg"));
    ASSERT_TRUE(plan.open(QIODevice::ReadOnly));
    EXPECT_EQ(plan.readAll().count("class=\"bundle\""), 4); // 4 bundles of 600 x 400 a layer
    ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

} // namespace
