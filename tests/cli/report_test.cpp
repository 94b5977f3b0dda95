#include "tests/cli/runreport.h"
#include "tests/report/pdftools.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <streambuf>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The JSON output, which must parse.
QJsonObject Json(const Outcome& r) {
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out;
    EXPECT_TRUE(document.isObject()) << r.out;
    return document.object();
}

// A member by its path, such as "order/pallets"; undefined when any step is missing.
QJsonValue At(const QJsonObject& object, const QString& path) {
    QJsonValue value = object;
    for (const QString& key : path.split('/'))
        value = value.toObject().value(key);
    return value;
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
    const QJsonObject json = Json(r);
    EXPECT_EQ(At(json, "stackHeightMm"), 2000);
    EXPECT_EQ(At(json, "layers"), 13);
}

TEST(Report, JsonHoldsEveryFigure) {
    const Outcome r = Report({"410", "300", "100", "--pallet", "800x1200", "--overhang", "0x50",
                              "--bundles", "1000", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    const QJsonObject json = Json(r);
    // The inputs as given, the figures in the turned pallet's frame.
    const std::pair<const char*, QJsonValue> expected[] = {
        {"inputs/bundle/lengthMm", 410},
        {"inputs/bundle/widthMm", 300},
        {"inputs/bundle/heightMm", 100},
        {"inputs/pallet/lengthMm", 800},
        {"inputs/pallet/widthMm", 1200},
        {"inputs/maxHeightMm", 2000},
        {"inputs/heightIncludesPallet", true},
        {"inputs/maxOverhang/alongLengthMm", 0},
        {"inputs/maxOverhang/alongWidthMm", 50},
        {"inputs/bundlesInOrder", 1000},
        {"inputs/colour", "#c0c0c0"},
        {"inputs/textOnPicture", true},
        {"palletTurned", true},
        {"pallet/lengthMm", 1200},
        {"pallet/widthMm", 800},
        {"overhang/alongLengthMm", 30},
        {"overhang/alongWidthMm", 0},
        {"footprint/lengthMm", 1230},
        {"footprint/widthMm", 800},
        {"bundlesPerLayer", 7},
        {"layers", 18},
        {"bundlesPerPallet", 126},
        {"twoBlockLayer/lengthwiseRows", 1},
        {"stackHeightMm", 1850},
        {"loadHeightMm", 1950},
        {"order/bundles", 1000},
        {"order/pallets", 8},
        {"order/bundlesOnLastPallet", 118},
        {"textLines",
         QJsonArray{"Всего в укладке 126 пачек.", "18 слоев по 7 пачек.",
                    "Свесы: 30 мм. по длине, 0 мм. по ширине", "Количество поддонов: 8",
                    "Размер поддона: 1200 x 800", "Высота паллет: 1950 мм.",
                    "Размер пачки: 410 x 300", "На последнем поддоне: 118 пачек."}},
    };
    for (const auto& [path, value] : expected)
        EXPECT_EQ(At(json, path), value) << path;
    EXPECT_EQ(r.out.front(), '{');
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");
}

TEST(Report, JsonSaysNullWhereThereIsNoValue) {
    // No order, no advice.
    QJsonObject json = Json(Report({"600x400x300", "--json"}));
    for (const char* path : {"inputs/bundlesInOrder", "inputs/box", "order", "bestLayer",
                             "overhangAdvice", "adviceLines"})
        EXPECT_TRUE(At(json, path).isNull()) << path;
    // An order, but a pallet that holds nothing: no pallet count.
    json = Json(Report({"600x400x3000", "--bundles", "10", "--json"}));
    EXPECT_EQ(At(json, "bundlesPerPallet"), 0);
    EXPECT_EQ(At(json, "order/bundles"), 10);
    EXPECT_TRUE(At(json, "order/pallets").isNull());
    EXPECT_TRUE(At(json, "order/bundlesOnLastPallet").isNull());
}

struct ErrorCase {
    std::vector<std::string> arguments;
    int status;
    std::string message; // the whole of standard error
};

const std::string TooMany = "stowly-cli: Количество пачек или слоев слишком велико для расчета: "
                            "проверьте размеры поддона, пачки и высоту укладки.";

// Every option error names the option and its value, in English, after the program's name.
const ErrorCase errorCases[] = {
    {{},
     1,
     "stowly-cli: no bundle size: give a length, width and height other than 0 (see --help)"},
    {{"600x0x300"},
     1,
     "stowly-cli: no bundle size: give a length, width and height other than 0 (see --help)"},
    {{"600x400x300.5"}, 2, "stowly-cli: '300.5' is not a valid integer value."},
    // Several fractional sizes: the first in reading order is named.
    {{"1.5", "2.5", "3.5"}, 2, "stowly-cli: '1.5' is not a valid integer value."},
    {{"600x400x300", "--pallet", "12a0x800"},
     2,
     "stowly-cli: --pallet 12a0x800: '12a0' is not a valid floating point value"},
    {{"600x400x300", "--pallet", "1200"},
     2,
     "stowly-cli: --pallet 1200: give both sizes, length x width, such as 1200x800"},
    {{"600x400x300", "--pallet", "-1200x800"},
     2,
     "stowly-cli: --pallet -1200x800: must not be negative"},
    {{"600x400x300", "--overhang", "5.5x0"},
     2,
     "stowly-cli: --overhang 5.5x0: '5.5' is not a valid integer value"},
    {{"600x400x300", "--overhang", "50"},
     2,
     "stowly-cli: --overhang 50: give both sizes, length x width, such as 1200x800"},
    {{"600x400x300", "--overhang", "0x-50"},
     2,
     "stowly-cli: --overhang 0x-50: must not be negative"},
    {{"600x400x300", "--max-height", "-1"}, 2, "stowly-cli: --max-height -1: must not be negative"},
    {{"600x400x300", "--bundles", "many"},
     2,
     "stowly-cli: --bundles many: 'many' is not a valid integer value"},
    {{"600x400x300", "--bundles", "-5"}, 2, "stowly-cli: --bundles -5: must not be negative"},
    {{"600x400x300", "--bundles="}, 2, "stowly-cli: --bundles '': '' is not a valid integer value"},
    {{"--box", "400x300x200", "--boxes", "-1", "--per-bundle", "10"},
     2,
     "stowly-cli: --boxes -1: must not be negative"},
    {{"--box", "400x300x200", "--per-bundle", "-10"},
     2,
     "stowly-cli: --per-bundle -10: must be at least 1"},
    {{"--box", "400x300x200", "--per-bundle", "0"},
     2,
     "stowly-cli: --per-bundle 0: must be at least 1"},
    {{"--box", "400x300x200", "--per-bundle", "10", "--boxes", "1000", "--bundles", "100"},
     2,
     "stowly-cli: --boxes 1000: give either --boxes or --bundles, not both"},
    {{"600x400x300", "--per-bundle", "10"},
     2,
     "stowly-cli: --per-bundle 10: counts boxes, so it needs --box instead of a bundle size"},
    {{"600x400x300", "--boxes", "1000"},
     2,
     "stowly-cli: --boxes 1000: counts boxes, so it needs --box instead of a bundle size"},
    {{"600x400x300", "--box", "400x300x200"},
     2,
     "stowly-cli: --box 400x300x200: give either a bundle size or --box, not both"},
    {{"600x400x300", "--color", "clPlaid"},
     2,
     "stowly-cli: --color clPlaid: unknown colour: give a name such as silver or clRed, #RRGGBB, "
     "$00BBGGRR or a number"},
    {{"600x400x300", "--color", "#12345G"},
     2,
     "stowly-cli: --color #12345G: unknown colour: give a name such as silver or clRed, #RRGGBB, "
     "$00BBGGRR or a number"},
    {{"--box", "400x300x200", "--per-bundle", "10", "--profile", "C"},
     2,
     "stowly-cli: --profile C: the profile has no thickness: end it with the board thickness in "
     "mm, such as \"C - 3.7\""},
    {{"600x400x300", "--profile", "B-3.1"},
     2,
     "stowly-cli: --profile B-3.1: the profile's thickness is negative: put a space after the "
     "sign, such as \"B - 3.1\""},
    {{"600x400x300", "--frobnicate"}, 2, "stowly-cli: --frobnicate: unknown option (see --help)"},
    {{"600x400x300", "--pallet"}, 2, "stowly-cli: --pallet: needs a value"},
    {{"1", "2", "3", "4"}, 2, "stowly-cli: too many bundle size arguments"},
    {{"600x400x300", "--png", "/x.png", "--size", "0x10"},
     2,
     "stowly-cli: --size 0x10: the picture size must be W x H, at least 1 x 1 and at most 20000 x "
     "20000"},
    {{"600x400x300", "--png", "/x.png", "--size", "ax10"},
     2,
     "stowly-cli: --size ax10: 'a' is not a valid integer value"},
    {{"600x400x300", "--settings", "/nonexistent/stowly.ini"},
     2,
     "stowly-cli: --settings /nonexistent/stowly.ini: no such file"},
    // Counts that no 64-bit integer holds are refused before any figure is printed.
    {{"1x1x1", "--pallet", "1000000x1000000", "--max-height", "2000000000"}, 2, TooMany},
    {{"1x2147483647x1", "--pallet", "7e16x7e16"}, 2, TooMany},
    {{"600x400x300", "--max-height", "1e300"}, 2, TooMany},
    {{"600x400x300", "--max-height", "-1e300"},
     2,
     "stowly-cli: --max-height -1e300: must not be negative"},
    // A size past the double range is named as what it is.
    {{"13", "46E1900"}, 2, "stowly-cli: 'INF' is not a valid integer value."},
};

TEST(Report, ErrorsGoToStandardErrorWithTheirStatus) {
    for (const ErrorCase& c : errorCases) {
        const Outcome r = Report(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_EQ(r.err, c.message + "\n");
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST(Report, HelpAndVersionPrintAndSucceed) {
    for (const char* option : {"-h", "--help"}) {
        const Outcome r = Report({option});
        EXPECT_EQ(r.status, 0) << option;
        EXPECT_EQ(r.out.rfind("Usage: stowly-cli", 0), 0u) << r.out;
        EXPECT_TRUE(r.err.empty()) << r.err;
    }
    // Help wins over a mistake elsewhere on the line.
    EXPECT_EQ(Report({"600x400x300", "--bundles", "-5", "-h"}).status, 0);
}

TEST(Report, ColourOptionTakesNamesWithoutTheirPrefixAndHexTriples) {
    const auto svgFor = [](const std::string& colour) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("load.svg").toStdString();
        const Outcome r = Report({"600x400x300", "--color", colour, "--svg", path});
        EXPECT_EQ(r.status, 0) << colour << ": " << r.err;
        return ReadFile(path);
    };
    const std::string red = svgFor("clRed");
    EXPECT_EQ(svgFor("red"), red);
    EXPECT_EQ(svgFor("RED"), red);
    EXPECT_EQ(svgFor("#FF0000"), red);
    EXPECT_EQ(svgFor("#ff0000"), red);
    EXPECT_EQ(svgFor("silver"), svgFor("clSilver"));
    EXPECT_NE(svgFor("#0000FF"), red);
    EXPECT_EQ(svgFor("#0000FF"), svgFor("$00FF0000")); // blue, written the settings file's way
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

// By default the SVG is the whole operation list; --svg-visible-only leaves out what the picture
// covers, keeping the order of what stays.
TEST(Report, SvgVisibleOnlyKeepsTheVisiblePolygonsInOrder) {
    QTemporaryDir dir;
    const auto polygons = [&](std::vector<std::string> arguments) {
        const std::string svg = dir.filePath("load.svg").toStdString();
        arguments.insert(arguments.end(), {"600x400x300", "--no-text", "--svg", svg});
        const Outcome r = Report(arguments);
        EXPECT_EQ(r.status, 0) << r.err;
        const std::string document = ReadFile(svg);
        const std::regex polygon("<polygon [^>]*>");
        std::vector<std::string> found;
        for (auto it = std::sregex_iterator(document.begin(), document.end(), polygon);
             it != std::sregex_iterator(); ++it)
            found.push_back(it->str());
        return found;
    };
    const std::vector<std::string> every = polygons({});
    const std::vector<std::string> visible = polygons({"--svg-visible-only"});
    EXPECT_EQ(every.size(), 31u * 3);
    EXPECT_FALSE(visible.empty());
    EXPECT_LT(visible.size(), every.size());
    // An ordered subset: each visible polygon is found after the one before it.
    auto next = every.begin();
    for (const std::string& shape : visible) {
        next = std::find(next, every.end(), shape);
        ASSERT_NE(next, every.end()) << shape;
        ++next;
    }
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
    const QJsonObject json = Json(r);
    EXPECT_EQ(At(json, "inputs/bundle/lengthMm"), 705);
    EXPECT_EQ(At(json, "inputs/bundle/widthMm"), 506);
    EXPECT_EQ(At(json, "inputs/bundle/heightMm"), 62);
    EXPECT_EQ(At(json, "inputs/bundlesInOrder"), 101);
    EXPECT_EQ(At(json, "inputs/box/lengthMm"), 400);
    EXPECT_EQ(At(json, "inputs/box/widthMm"), 300);
    EXPECT_EQ(At(json, "inputs/box/heightMm"), 200);
    EXPECT_EQ(At(json, "inputs/box/boxesPerBundle"), 10);
    EXPECT_EQ(At(json, "inputs/box/boxesInOrder"), 1001);
    EXPECT_EQ(At(json, "inputs/box/fluteProfile"), "B - 3.1");
    EXPECT_EQ(At(json, "inputs/box/boardThicknessMm"), 3.1);
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
    QJsonObject json = Json(r);
    EXPECT_EQ(At(json, "stackHeightMm"), 1000);
    EXPECT_EQ(At(json, "inputs/pallet/lengthMm"), 800);
    EXPECT_EQ(At(json, "inputs/bundlesInOrder"), 100);
    r = Report(
        {"600x400x100", "--settings", path, "--max-height", "500", "--bundles", "7", "--json"});
    json = Json(r);
    EXPECT_EQ(At(json, "stackHeightMm"), 500);
    EXPECT_EQ(At(json, "inputs/bundlesInOrder"), 7);
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
    const QJsonObject json = Json(r);
    EXPECT_EQ(At(json, "bestLayer/count"), 6);
    EXPECT_EQ(At(json, "bestLayer/upperBound"), 6);
    EXPECT_EQ(At(json, "bestLayer/optimal"), true);
    EXPECT_EQ(At(json, "bestLayer/timedOut"), false);
    EXPECT_EQ(At(json, "bestLayer/total"), 108);
    const QJsonArray placements = At(json, "bestLayer/placements").toArray();
    ASSERT_EQ(placements.size(), 6);
    for (const QJsonValue& placement : placements) {
        const QJsonArray p = placement.toArray();
        ASSERT_EQ(p.size(), 4);
        // A bundle lies one way or the other, inside the 1200 x 800 footprint.
        const int alongX = p[2].toInt(), alongY = p[3].toInt();
        EXPECT_TRUE((alongX == 410 && alongY == 310) || (alongX == 310 && alongY == 410));
        EXPECT_LE(p[0].toInt() + alongX, 1200);
        EXPECT_LE(p[1].toInt() + alongY, 800);
    }
    EXPECT_EQ(At(json, "overhangAdvice/alongLength/extraMm"), 40);
    EXPECT_EQ(At(json, "overhangAdvice/alongLength/count"), 7);
    const QJsonArray lines = At(json, "adviceLines").toArray();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines[0].toString().startsWith("Лучшая схема слоя: 6"))
        << lines[0].toString().toStdString();
}

// A settings file or a script may hand over text that is not UTF-8; the JSON stays readable,
// each stray byte a replacement character, and well-formed text goes through as it is.
TEST(Report, JsonStaysValidWhateverBytesATextHolds) {
    const struct {
        const char* profile;
        const char* inJson;
    } cases[] = {
        {"\xEE\x81 B - 3.1", "\xEF\xBF\xBD\xEF\xBF\xBD B - 3.1"},     // two stray bytes
        {"\xD1 B - 3.1", "\xEF\xBF\xBD B - 3.1"},                     // a sequence cut short
        {"Б \xEF\xBF\xBD \"x\" - 3.1", "Б \xEF\xBF\xBD \"x\" - 3.1"}, // well formed, quotes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        const Outcome r = Report(
            {"--box", "400x300x200", "--per-bundle", "10", "--profile", c.profile, "--json"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(At(Json(r), "inputs/box/fluteProfile").toString(), QString::fromUtf8(c.inJson));
    }
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
    const QJsonObject json = Json(r);
    EXPECT_EQ(At(json, "twoBlockLayer/count"), 25);
    EXPECT_EQ(At(json, "twoBlockLayer/placementsListed"), true);
    const QJsonArray placements = At(json, "twoBlockLayer/placements").toArray();
    ASSERT_EQ(placements.size(), 25);
    const auto rect = [&](int i) {
        const QJsonArray p = placements[i].toArray();
        return std::array<int, 4>{p[0].toInt(), p[1].toInt(), p[2].toInt(), p[3].toInt()};
    };
    // In placing order from the footprint's corner: the turned bundles of the first block row by
    // row, then the lengthwise block, then the turned bundle that fills the end.
    EXPECT_EQ(rect(0), (std::array<int, 4>{0, 0, 150, 250}));
    EXPECT_EQ(rect(1), (std::array<int, 4>{150, 0, 150, 250}));
    EXPECT_EQ(rect(16), (std::array<int, 4>{0, 500, 250, 150}));
    EXPECT_EQ(rect(24), (std::array<int, 4>{1000, 500, 150, 250}));
    // Every bundle inside the 1200 x 800 footprint and none over another.
    for (int i = 0; i < 25; ++i) {
        const auto [x, y, alongX, alongY] = rect(i);
        EXPECT_TRUE((alongX == 250 && alongY == 150) || (alongX == 150 && alongY == 250));
        EXPECT_TRUE(x >= 0 && y >= 0 && x + alongX <= 1200 && y + alongY <= 800) << i;
        for (int j = 0; j < i; ++j) {
            const auto [u, v, alongU, alongV] = rect(j);
            EXPECT_FALSE(x < u + alongU && u < x + alongX && y < v + alongV && v < y + alongY)
                << i << " overlaps " << j;
        }
    }
    // A layer too large to list says so rather than printing a million bundles.
    const Outcome huge =
        Report({"1x1x1", "--pallet", "1000x1000", "--max-height", "100", "--json"});
    ASSERT_EQ(huge.status, 0) << huge.err;
    const QJsonObject hugeJson = Json(huge);
    EXPECT_EQ(At(hugeJson, "twoBlockLayer/count"), 1000000);
    EXPECT_EQ(At(hugeJson, "twoBlockLayer/placementsListed"), false);
    EXPECT_TRUE(At(hugeJson, "twoBlockLayer/placements").toArray().isEmpty());
}

} // namespace
