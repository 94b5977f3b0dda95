#include "report/reportpage.h"
#include "tests/report/pdftools.h"

#include "loaddraw/drawblockpattern.h"
#include "settings/replacefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr Colour Red = MakeColour(255, 0, 0);

ReportPage SamplePage() {
    ReportPage page;
    page.Title = "Укладон: расчет укладки";
    page.Time = "10.12.2026 05:10";
    page.Sections = {
        {"Исходные данные", {"Пачка: 600 x 400 x 300 мм", "Поддон: 1200 x 800 мм"}},
        {"Результат", {"Всего пачек на поддоне: 48 шт.", "На последнем поддоне: 40 пачек."}}};
    // A red rectangle over the top left quarter of the picture's box.
    page.DrawPicture = [](Canvas& canvas, int width, int height) {
        canvas.SetPenColour(Red);
        canvas.SetBrushColour(Red);
        canvas.Polygon({PixelPoint{0, 0}, PixelPoint{width / 2, 0},
                        PixelPoint{width / 2, height / 2}, PixelPoint{0, height / 2}});
    };
    page.PictureRefusal = "Слишком много пачек для схемы укладки";
    PlanPicture plan;
    plan.Layers = {TwoBlockLayerPlan({1200, 800, 0, 0, 250, 150}, 1200, 800, 2)};
    plan.Texts.Titles = {"План слоя"};
    plan.Texts.Caption = {"Пачек в слое: 25"};
    plan.Texts.LengthwiseLegend = "вдоль";
    plan.Texts.TurnedLegend = "поперек";
    page.Plans = {plan};
    return page;
}

class ReportPdf : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
};

TEST_F(ReportPdf, OneA4PageWhoseTextReadsBackExactlyWithFontsEmbedded) {
    const std::string pdf = Path("report.pdf");
    ASSERT_TRUE(WriteReportPdf(pdf, SamplePage()));
    const std::string info = PdfInfo(pdf);
    EXPECT_TRUE(std::regex_search(info, std::regex("\nPages: +1\n"))) << info;
    EXPECT_TRUE(
        std::regex_search(info, std::regex("\nPage size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts")))
        << info;
    const std::string text = PdfText(pdf);
    for (const char* line :
         {"Укладон: расчет укладки", "10.12.2026 05:10", "Исходные данные",
          "Пачка: 600 x 400 x 300 мм", "Поддон: 1200 x 800 мм", "Всего пачек на поддоне: 48 шт.",
          "На последнем поддоне: 40 пачек.", "План слоя", "Пачек в слое: 25"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    // Every font is embedded: the fifth column from the right of pdffonts's table says so.
    std::istringstream fonts(PdfFonts(pdf));
    std::string row;
    int listed = 0;
    while (std::getline(fonts, row)) {
        std::vector<std::string> columns;
        std::istringstream words(row);
        for (std::string word; words >> word;)
            columns.push_back(word);
        if (row.rfind("name", 0) == 0 || row.rfind("---", 0) == 0 || columns.size() < 6)
            continue;
        ++listed;
        EXPECT_EQ(columns[columns.size() - 5], "yes") << row;
    }
    EXPECT_GT(listed, 0);
}

TEST_F(ReportPdf, PictureStandsAtTheTopRightAndNowhereElse) {
    const std::string pdf = Path("report.pdf");
    ASSERT_TRUE(WriteReportPdf(pdf, SamplePage()));
    const QImage page = PdfPage(pdf, 40);
    ASSERT_FALSE(page.isNull());
    // A4 at 40 dpi: 331 x 468 pixels; the picture's box is 92 x 106 mm from 104 mm across and
    // about 26 mm down.
    const auto red = [&](double xMm, double yMm) {
        const QColor c =
            page.pixelColor(static_cast<int>(xMm * 40 / 25.4), static_cast<int>(yMm * 40 / 25.4));
        return c.red() > 200 && c.green() < 60 && c.blue() < 60;
    };
    // The quarter at the box's scale: the picture is neither shifted nor scaled on the page.
    EXPECT_TRUE(red(106, 30));
    EXPECT_TRUE(red(145, 75));
    EXPECT_FALSE(red(155, 75));
    EXPECT_FALSE(red(145, 85));
    EXPECT_FALSE(red(190, 125));
    EXPECT_FALSE(red(50, 80));   // the left column
    EXPECT_FALSE(red(150, 200)); // the plan
}

TEST_F(ReportPdf, ALoadTooLargeToDrawStillGetsItsPageWithTheRefusal) {
    ReportPage page = SamplePage();
    page.DrawPicture = [](Canvas& canvas, int width, int height) {
        canvas.SetBrushColour(Red);
        canvas.FillRect(0, 0, width, height); // the pallet is drawn before the refusal
        throw PictureTooLargeError();
    };
    const std::string pdf = Path("refused.pdf");
    ASSERT_TRUE(WriteReportPdf(pdf, page));
    EXPECT_NE(PdfText(pdf).find("Слишком много пачек для схемы укладки"), std::string::npos);
    const QImage image = PdfPage(pdf, 40);
    const QColor middle =
        image.pixelColor(static_cast<int>(150 * 40 / 25.4), static_cast<int>(60 * 40 / 25.4));
    EXPECT_EQ(middle, QColor(Qt::white)) << "half a picture was left on the page";
}

TEST_F(ReportPdf, AnUnwritablePathFailsAndLeavesTheFileAsItWas) {
    const std::string blocker = Path("file");
    ASSERT_TRUE(WriteFileContent(blocker, "kept"));
    EXPECT_FALSE(WriteReportPdf(blocker + "/report.pdf", SamplePage()));
    // A directory in the file's place cannot be replaced either.
    QDir(dir.path()).mkdir("folder.pdf");
    EXPECT_FALSE(WriteReportPdf(Path("folder.pdf"), SamplePage()));
    QFile kept(QString::fromStdString(blocker));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "kept");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "a temporary file was left";
}

} // namespace
