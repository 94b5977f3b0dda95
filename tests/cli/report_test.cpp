#include "cli/report.h"
#include "tests/report/pdftools.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Report(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int status = RunReport(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(Report, PrintsTheTextBlockLinesInOrder) {
    const Outcome r = Report({"410x300x100", "--overhang", "50x0", "--bundles", "1000"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Всего в укладке 126 пачек.\n"
                     "18 слоев по 7 пачек.\n"
                     "Свесы: 30 мм. по длине, 0 мм. по ширине\n"
                     "Количество поддонов: 8\n"
                     "Размер поддона: 1200 x 800\n"
                     "Высота паллет: 1950 мм.\n"
                     "Размер пачки: 410 x 300\n"
                     "На последнем поддоне: 118 пачек.\n");
}

TEST(Report, TurnsThePalletAsTheWindowDoesAndShowsItTurned) {
    const Outcome r = Report({"410", "300", "100", "--pallet", "800x1200", "--overhang", "0x50"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Размер поддона: 1200 x 800\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Свесы: 30 мм. по длине, 0 мм. по ширине\n"), std::string::npos);
    // Without an order there are no pallet lines.
    EXPECT_EQ(r.out.find("поддонов"), std::string::npos);
}

TEST(Report, HeightWithoutPalletGivesTheWholeHeightToTheLoad) {
    const Outcome r = Report({"600x400x150", "--height-without-pallet", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"stackHeight\": 2000"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"layers\": 13"), std::string::npos) << r.out;
}

TEST(Report, JsonHoldsEveryFigure) {
    const Outcome r = Report({"410x300x100", "--overhang", "50x0", "--bundles", "1000", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* part :
         {"\"total\": 126", "\"perLayer\": 7", "\"layers\": 18", "\"lengthOverhang\": 30",
          "\"widthOverhang\": 0", "\"turned\": false", "\"palletLength\": 1200",
          "\"palletWidth\": 800", "\"stackHeight\": 1850", "\"loadHeight\": 1950", "\"pallets\": 8",
          "\"lastPallet\": 118", "\"split\": "})
        EXPECT_NE(r.out.find(part), std::string::npos) << part << " in " << r.out;
    EXPECT_EQ(r.out.front(), '{');
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");
}

struct ErrorCase {
    std::vector<std::string> arguments;
    int status;
    const char* message;
};

const ErrorCase errorCases[] = {
    {{}, 1, "no bundle size"},
    {{"600x0x300"}, 1, "no bundle size"},
    {{"600x400x300", "--pallet", "12a0x800"}, 2, "'12a0' is not a valid floating point value."},
    {{"600x400x300", "--overhang", "5.5x0"}, 2, "'5.5' is not a valid integer value."},
    {{"600x400x300", "--bundles", "many"}, 2, "'many' is not a valid integer value."},
    {{"600x400x300.5"}, 2, "'300.5' is not a valid integer value."},
    // Several fractional sizes: the first in reading order is named.
    {{"1.5", "2.5", "3.5"}, 2, "'1.5' is not a valid integer value."},
    {{"600x400x300", "--frobnicate"}, 2, "unknown option: --frobnicate"},
    {{"600x400x300", "--pallet"}, 2, "option needs a value: --pallet"},
    {{"1", "2", "3", "4"}, 2, "too many"},
    {{"600x400x300", "--color", "clPlaid"}, 2, "'clPlaid' is not a valid integer value."},
    {{"600x400x300", "--png", "/x.png", "--size", "0x10"}, 2, "picture size"},
    {{"600x400x300", "--settings", "/nonexistent/stowly.ini"}, 2, "settings file not found"},
};

TEST(Report, ErrorsGoToStandardErrorWithTheirStatus) {
    for (const ErrorCase& c : errorCases) {
        const Outcome r = Report(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST(Report, HelpDescribesEveryOption) {
    const Outcome r = Report({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option :
         {"--pallet", "--max-height", "--height-without-pallet", "--overhang", "--bundles",
          "--json", "--png", "--svg", "--size", "--no-text", "--color", "--box", "--settings"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

TEST(Report, WritesThePictureAsPngAndSvgOfTheRequestedSize) {
    QTemporaryDir dir;
    const std::string png = dir.filePath("load.png").toStdString();
    const std::string svg = dir.filePath("load.svg").toStdString();
    // 600 x 400 x 300 on 1200 x 800: 4 bundles a layer, 6 layers; with the pallet's 7 boxes
    // that is 31 boxes of three faces each.
    const Outcome r =
        Report({"600x400x300", "--png", png, "--svg", svg, "--size", "500x600", "--no-text"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(500, 600));
    const std::string document = ReadFile(svg);
    EXPECT_NE(document.find("width=\"500\""), std::string::npos);
    EXPECT_NE(document.find("height=\"600\""), std::string::npos);
    const std::regex polygon("<polygon points=\"(-?\\d+,-?\\d+ ){3}-?\\d+,-?\\d+\" "
                             "fill=\"#[0-9a-f]{6}\" stroke=\"#[0-9a-f]{6}\"");
    const auto count = std::distance(
        std::sregex_iterator(document.begin(), document.end(), polygon), std::sregex_iterator());
    EXPECT_EQ(count, 31 * 3);
    EXPECT_EQ(document.find("<text"), std::string::npos);
}

TEST(Report, PictureTextBlockFollowsTheNoTextOption) {
    QTemporaryDir dir;
    const std::string svg = dir.filePath("load.svg").toStdString();
    ASSERT_EQ(Report({"600x400x300", "--svg", svg}).status, 0);
    const std::string document = ReadFile(svg);
    EXPECT_NE(document.find("Всего в укладке 24 пачек."), std::string::npos);
}

TEST(Report, UnwritablePictureIsAnError) {
    const Outcome r = Report({"600x400x300", "--png", "/nonexistent-dir/x.png"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos);
}

} // namespace

namespace {

TEST(Report, DerivesTheBundleFromABoxAsTheBundleCalculatorDoes) {
    const Outcome r =
        Report({"--box", "400x300x200", "--per-bundle", "10", "--boxes", "1001", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* part :
         {"\"length\": 705", "\"width\": 506", "\"height\": 62", "\"bundlesInOrder\": 101"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part << " in " << r.out;
}

TEST(Report, BoxProfileDecidesTheBoardThickness) {
    const Outcome r = Report({"--box", "401x300x200", "--profile", "B+C - 7", "--per-bundle", "5"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Размер пачки: 712 x 514\n"), std::string::npos) << r.out;
}

TEST(Report, BoxWithoutBoxesPerBundleLeavesNoHeightToCount) {
    const Outcome r = Report({"--box", "400x300x200"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bundle height is not set"), std::string::npos) << r.err;
}

TEST(Report, SettingsFileGivesTheInputsAndOptionsWin) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("stowly.ini").toStdString();
    std::ofstream(path) << "[PALLETE]\nL=800\nB=1200\nH=1000\nPH=0\n[OVERHANG]\nL=0\nB=0\n"
                           "[BATCH]\nQUANTITY=100\n";
    Outcome r = Report({"600x400x100", "--settings", path, "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"stackHeight\": 1000"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"palletLength\": 800"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"bundlesInOrder\": 100"), std::string::npos) << r.out;
    r = Report(
        {"600x400x100", "--settings", path, "--max-height", "500", "--bundles", "7", "--json"});
    EXPECT_NE(r.out.find("\"stackHeight\": 500"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"bundlesInOrder\": 7"), std::string::npos) << r.out;
    // The report reads the file and never writes it.
    EXPECT_EQ(ReadFile(path).find("QUANTITY=7"), std::string::npos);
}

TEST(Report, SettingsFileWithoutOverhangsReportsTheEmptyField) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("stowly.ini").toStdString();
    std::ofstream(path) << "";
    const Outcome r = Report({"600x400x100", "--settings", path});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("'' is not a valid integer value."), std::string::npos) << r.err;
}

} // namespace

namespace {

TEST(Report, AdviceFollowsTheResultLines) {
    const Outcome r = Report({"410x310x100", "--advice", "--bundles", "500"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("На последнем поддоне: 50 пачек.\n"
                         "Лучшая схема слоя: 6 пачек (схема двух блоков: 5).\n"
                         "Больше пачек в слое не уложить: схема оптимальна.\n"
                         "С ней всего в укладке 108 пачек, поддонов: 5.\n"),
              std::string::npos)
        << r.out;
}

TEST(Report, AdviceJsonListsEveryPlacementOfTheBestLayer) {
    const Outcome r = Report({"410x310x100", "--advice", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"bestLayer\": {\"count\": 6, \"upperBound\": 6, \"optimal\": true"),
              std::string::npos)
        << r.out;
    const std::size_t start = r.out.find("\"placements\": [", r.out.find("\"bestLayer\""));
    ASSERT_NE(start, std::string::npos);
    const std::string placements = r.out.substr(start, r.out.find("]]", start) - start);
    const std::regex placement("\\[(\\d+), (\\d+), (\\d+), (\\d+)");
    EXPECT_EQ(std::distance(std::sregex_iterator(placements.begin(), placements.end(), placement),
                            std::sregex_iterator()),
              6);
    EXPECT_NE(r.out.find("\"overhangAdvice\": {\"alongLength\": {\"extraMm\": 40, \"count\": 7}"),
              std::string::npos);
    // Without --advice the JSON stays as it was.
    EXPECT_EQ(Report({"410x310x100", "--json"}).out.find("bestLayer"), std::string::npos);
}

TEST(Report, BestLayerPictureHoldsTheBestLayerInEveryLayer) {
    QTemporaryDir dir;
    const std::string svg = dir.filePath("best.svg").toStdString();
    const std::string png = dir.filePath("best.png").toStdString();
    ASSERT_EQ(Report({"410x310x100", "--best-svg", svg, "--best-png", png, "--no-text"}).status, 0);
    const std::string document = ReadFile(svg);
    const std::regex polygon("<polygon ");
    // The pallet's 7 boxes and 6 bundles in each of 18 layers, three faces each.
    EXPECT_EQ(std::distance(std::sregex_iterator(document.begin(), document.end(), polygon),
                            std::sregex_iterator()),
              (7 + 6 * 18) * 3);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(417, 564));
}

} // namespace

namespace {

TEST(Report, LoadTooLargeToDrawStillPrintsItsFigures) {
    QTemporaryDir dir;
    const Outcome r = Report({"1x1x1", "--png", dir.filePath("x.png").toStdString()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("Всего в укладке 1776000000 пачек.\n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("500000"), std::string::npos) << r.err;
}

} // namespace

namespace {

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

TEST(Report, WritesTheLayerPlansOfBothLayersAsSvgAndPng) {
    QTemporaryDir dir;
    const std::string svg = dir.filePath("plan.svg").toStdString();
    const std::string png = dir.filePath("plan.png").toStdString();
    const std::string bestSvg = dir.filePath("best.svg").toStdString();
    const std::string bestPng = dir.filePath("best.png").toStdString();
    // 410 x 310: five bundles in two blocks, six in the advisor's layer.
    const Outcome r = Report({"410x310x100", "--plan-svg", svg, "--plan-png", png,
                              "--best-plan-svg", bestSvg, "--best-plan-png", bestPng});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Count(ReadFile(svg), "<rect class=\"bundle\""), 5u);
    EXPECT_EQ(Count(ReadFile(bestSvg), "<rect class=\"bundle\""), 6u);
    for (const std::string& picture : {png, bestPng}) {
        const QImage image(QString::fromStdString(picture));
        EXPECT_FALSE(image.isNull()) << picture;
        EXPECT_LE(image.width(), 1200);
        EXPECT_LE(image.height(), 1200);
    }
}

TEST(Report, AlternateAddsTheMirroredLayerOrSaysMirroringChangesNothing) {
    QTemporaryDir dir;
    const std::string svg = dir.filePath("plan.svg").toStdString();
    ASSERT_EQ(Report({"250x150x100", "--plan-svg", svg, "--alternate"}).status, 0);
    EXPECT_EQ(Count(ReadFile(svg), "<rect class=\"bundle\""), 50u);
    // 300 x 200 fills 1200 x 800 in a plain grid: the mirror image is the same layer.
    ASSERT_EQ(Report({"300x200x100", "--plan-svg", svg, "--alternate"}).status, 0);
    const std::string grid = ReadFile(svg);
    EXPECT_EQ(Count(grid, "<rect class=\"bundle\""), 16u);
    EXPECT_NE(grid.find("Зеркальный слой совпадает с исходным"), std::string::npos);
}

TEST(Report, PdfHoldsEveryResultLineAndAnUnwritablePathNamesTheFile) {
    QTemporaryDir dir;
    const std::string pdf = dir.filePath("report.pdf").toStdString();
    const Outcome r =
        Report({"410x300x100", "--overhang", "50x0", "--bundles", "1000", "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    const std::string text = PdfText(pdf);
    for (std::string line; std::getline(lines, line);)
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    for (const char* input : {"Пачка: 410 x 300 x 100 мм", "Поддон: 1200 x 800 мм",
                              "Макс. свес: по длине 50 мм, по ширине 0 мм"})
        EXPECT_NE(text.find(input), std::string::npos) << input;

    const std::string blocked = dir.filePath("report.pdf/inside.pdf").toStdString();
    const Outcome failed = Report({"410x300x100", "--pdf", blocked});
    EXPECT_EQ(failed.status, 2);
    EXPECT_NE(failed.err.find(blocked), std::string::npos) << failed.err;
}

TEST(Report, PdfOfALoadTooLargeToDrawCarriesTheRefusalInsteadOfThePicture) {
    QTemporaryDir dir;
    const std::string pdf = dir.filePath("report.pdf").toStdString();
    const Outcome r = Report({"1x1x1", "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(PdfText(pdf).find("Слишком много пачек для схемы укладки"), std::string::npos);
}

TEST(Report, JsonGivesTheTwoBlockPlacementsInTheBestLayersForm) {
    const Outcome r = Report({"250x150x100", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    // 16 turned in the crosswise block from the corner, then the lengthwise block.
    EXPECT_NE(r.out.find("\"twoBlockLayer\": {\"count\": 25, \"placements\": [[0, 0, 150, 250], "
                         "[150, 0, 150, 250]"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("[0, 500, 250, 150]"), std::string::npos);
    EXPECT_NE(r.out.find("[1000, 500, 150, 250]]}"), std::string::npos);
}

} // namespace
