#include "cli/report.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <streambuf>
#include <sys/resource.h>
#include <unistd.h>

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
    // Counts that no 64-bit integer holds are refused before any figure is printed.
    {{"1x1x1", "--pallet", "1000000x1000000", "--max-height", "2000000000"},
     2,
     "Количество пачек или слоев слишком велико для расчета"},
    {{"1x2147483647x1", "--pallet", "7e16x7e16"},
     2,
     "Количество пачек или слоев слишком велико для расчета"},
    {{"600x400x300", "--max-height", "1e300"},
     2,
     "Количество пачек или слоев слишком велико для расчета"},
    {{"600x400x300", "--max-height", "-1e300"},
     2,
     "Количество пачек или слоев слишком велико для расчета"},
    // A size past the double range is named as what it is.
    {{"13", "46E1900"}, 2, "'INF' is not a valid integer value."},
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

TEST(Report, VersionPrintsTheBuildsVersionAndNothingElse) {
    const Outcome r = Report({"--version", "600x400x300", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.out, std::regex("stowly-cli [0-9]+(\\.[0-9]+)+\n"))) << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;
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
    const std::size_t start = r.out.find("\"placements\": [");
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

// The JSON says what the advice left out: a search skipped for too many distinct lengths (a
// short side under 35 mm on a pallet), overhang advice that rests on such a search, and a layer
// too large to list bundle by bundle. Which bundle side comes first changes none of it.
TEST(Report, AdviceJsonSaysWhatWasLeftOut) {
    for (const char* bundle : {"15x53x100", "53x15x100"}) {
        const Outcome r = Report({bundle, "--pallet", "1200x800", "--advice", "--json"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("\"bestLayer\": {\"count\": 1206, \"upperBound\": 1207"),
                  std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("\"searchSkipped\": true"), std::string::npos);
        EXPECT_NE(r.out.find("\"placementsListed\": true"), std::string::npos);
        EXPECT_NE(r.out.find("\"incomplete\": true"), std::string::npos);
    }
    const Outcome huge =
        Report({"1x1x1", "--pallet", "1000x1000", "--max-height", "100", "--advice", "--json"});
    EXPECT_EQ(huge.status, 0) << huge.err;
    EXPECT_NE(huge.out.find("\"placementsListed\": false, \"placements\": []"), std::string::npos)
        << huge.out.substr(0, 400);
    EXPECT_NE(huge.out.find("\"searchSkipped\": false"), std::string::npos);
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

// Every output is checked as it is written and closed: a failure exits 2 naming the file, and
// no output file is left half written under its name.
TEST(Report, FailedOutputWritesAreErrorsNamingTheFile) {
    QTemporaryDir dir;
    const std::string missing = dir.filePath("missing/load.png").toStdString();
    struct Case {
        std::vector<std::string> arguments;
        std::string file;
    };
    const Case cases[] = {
        {{"600x400x300", "--png", "/dev/full"}, "/dev/full"},
        {{"600x400x300", "--svg", "/dev/full"}, "/dev/full"},
        {{"600x400x300", "--best-png", "/dev/full"}, "/dev/full"},
        {{"600x400x300", "--best-svg", "/dev/full"}, "/dev/full"},
        {{"600x400x300", "--png", missing}, missing},
    };
    for (const Case& c : cases) {
        const Outcome r = Report(c.arguments);
        EXPECT_EQ(r.status, 2) << c.file;
        EXPECT_NE(r.err.find("cannot write " + c.file + ": "), std::string::npos) << r.err;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));
}

// A stream that takes `room` bytes and then fails, as standard output on a full disk does.
class FullStream : public std::streambuf {
  public:
    explicit FullStream(std::size_t room) : room_(room) {}

  protected:
    int_type overflow(int_type c) override {
        if (room_ == 0)
            return traits_type::eof();
        --room_;
        return c;
    }

  private:
    std::size_t room_;
};

TEST(Report, FailedStandardOutputIsAnError) {
    for (const bool json : {false, true}) {
        FullStream full(100);
        std::ostream out(&full);
        std::ostringstream err;
        std::vector<std::string> arguments = {"600x400x300", "--advice"};
        if (json)
            arguments.push_back("--json");
        EXPECT_EQ(RunReport(arguments, out, err), 2);
        EXPECT_EQ(err.str(), "stowly-cli: cannot write standard output\n");
    }
}

// A disk that fills up while the picture is written: the report fails and the name shows no
// partial picture. The file-size limit stands in for the full disk, for any user.
[[noreturn]] void ReportWithFileSizeLimit(const std::vector<std::string>& arguments, rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        std::_Exit(3);
    std::_Exit(Report(arguments).status);
}

TEST(Report, PictureOnAFullDiskLeavesNoPartialFile) {
    QTemporaryDir dir;
    const std::string png = dir.filePath("load.png").toStdString();
    EXPECT_EXIT(ReportWithFileSizeLimit({"600x400x300", "--png", png}, 2000),
                testing::ExitedWithCode(2), "");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(Report, UnreadableSettingsFileIsAnErrorNamingIt) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("stowly.ini").toStdString();
    // A link to itself cannot be read by any user, the superuser included.
    ASSERT_EQ(symlink("stowly.ini", path.c_str()), 0);
    const Outcome r = Report({"600x400x300", "--settings", path});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Настройки не прочитаны: " + path + ": "), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

} // namespace
