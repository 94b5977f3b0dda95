#include "shell/fieldnumbers.h"
#include "shell/sizetext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

// The three sizes as the fields would show them.
std::vector<std::string> Shown(const std::array<double, 3>& sizes, char separator = '.') {
    return {FormatGeneral(sizes[0], separator), FormatGeneral(sizes[1], separator),
            FormatGeneral(sizes[2], separator)};
}

struct PasteCase {
    std::string Text;
    std::vector<std::string> Fields;
};

void PrintTo(const PasteCase& c, std::ostream* os) {
    *os << "'" << c.Text << "'";
}

class PasteTest : public testing::TestWithParam<PasteCase> {};

TEST_P(PasteTest, FillsTheThreeFields) {
    EXPECT_EQ(Shown(SizesFromText(GetParam().Text)), GetParam().Fields);
}

INSTANTIATE_TEST_SUITE_P(
    ClipboardTexts, PasteTest,
    testing::Values(
        PasteCase{"1200х800х150", {"1200", "800", "150"}},
        PasteCase{"1200x800x150", {"1200", "800", "150"}},
        PasteCase{"1200*800*150", {"1200", "800", "150"}},
        PasteCase{"1200 x 800 x 150", {"1200", "800", "150"}},
        PasteCase{"1200 800 150", {"1200", "800", "150"}},
        PasteCase{"1200\t800\t150\r\n", {"1200", "800", "150"}},
        PasteCase{"1200\t800\t150\n", {"1200", "800", "150"}},
        PasteCase{"1200", {"1200", "1200", "1200"}}, PasteCase{"1200х800", {"1200", "800", "800"}},
        PasteCase{"1200х800х", {"1200", "800", "0"}},
        PasteCase{"размер 1200х800х150", {"0", "1200", "800"}},
        PasteCase{"size 1200x800x150", {"0", "1200", "800"}},
        PasteCase{"-1200х800х-150", {"1200", "800", "150"}}, PasteCase{"", {"0", "0", "0"}},
        PasteCase{"   ", {"0", "0", "0"}}, PasteCase{"1200х800х150х999", {"1200", "800", "150"}},
        // A complete first read starts the skip at the first character: a leading sign is
        // stepped over and the rest read again.
        PasteCase{"-5", {"-5", "5", "5"}}, PasteCase{"  150.5", {"150.5", "150.5", "150.5"}},
        // Ran out inside an exponent: nothing is left for the later sizes.
        PasteCase{"600e", {"600", "0", "0"}},
        // The last character is two bytes long: the skip stops on it, not inside it.
        PasteCase{"1х2хх", {"1", "2", "0"}},
        // A broken byte is a character of its own and never hides the digit after it.
        PasteCase{"\xD0"
                  "5x6x7",
                  {"0", "5", "6"}}));

// Sizes read as the person who wrote them meant them: decimals anywhere in the text, the comma
// of a comma locale, and units. One text is read the same pasted or as the only argument.
struct MeantCase {
    std::vector<std::string> Args;
    char Locale; // the decimal separator of the user's locale
    std::vector<std::string> Fields;
    // Millimetres before rounding, where a unit made them fractional (0 where they are whole).
    std::array<double, 3> BeforeRounding;
};

void PrintTo(const MeantCase& c, std::ostream* os) {
    for (const std::string& arg : c.Args)
        *os << "'" << arg << "' ";
    *os << "locale '" << c.Locale << "'";
}

class MeantTest : public testing::TestWithParam<MeantCase> {};

TEST_P(MeantTest, FillsTheThreeFields) {
    const MeantCase& c = GetParam();
    const std::array<double, 3> sizes = SizesFromArguments(c.Args, c.Locale);
    EXPECT_EQ(Shown(sizes, c.Locale), c.Fields);
    if (c.Args.size() == 1) {
        EXPECT_EQ(Shown(SizesFromText(c.Args[0], c.Locale), c.Locale), c.Fields);
    }
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (c.BeforeRounding[i] == 0)
            continue;
        EXPECT_NE(c.BeforeRounding[i], std::trunc(c.BeforeRounding[i])) << "size " << i;
        EXPECT_LE(std::fabs(sizes[i] - c.BeforeRounding[i]), 0.5) << "size " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    SizeTexts, MeantTest,
    testing::Values(
        // A decimal inside the text keeps its fraction; the whole-number conversion of the
        // calculation then reports it, as it does for one at the end.
        MeantCase{{"600.5x400x300"}, '.', {"600.5", "400", "300"}, {}},
        MeantCase{{"12.5х8х3.5"}, '.', {"12.5", "8", "3.5"}, {}},
        MeantCase{{"12.5х8х3.5"}, ',', {"12,5", "8", "3,5"}, {}},
        MeantCase{{"1e3x2e1x7"}, '.', {"1000", "20", "7"}, {}},
        MeantCase{{"600.5", "400", "300"}, '.', {"600.5", "400", "300"}, {}},
        // A comma between digits is a decimal mark only in a comma locale.
        MeantCase{{"600,5x400x300"}, ',', {"600,5", "400", "300"}, {}},
        MeantCase{{"600,5x400x300"}, '.', {"600", "5", "400"}, {}},
        MeantCase{{"600, 400, 300"}, ',', {"600", "400", "300"}, {}},
        MeantCase{{"600,400,300"}, ',', {"600,4", "300", "300"}, {}},
        MeantCase{{",5x4x3"}, ',', {"0", "5", "4"}, {}},
        // Units after a number, with or without a space, in either alphabet and any case.
        MeantCase{{"60cmx40cmx30cm"}, '.', {"600", "400", "300"}, {}},
        MeantCase{{"60 см х 40 см х 30 см"}, '.', {"600", "400", "300"}, {}},
        MeantCase{{"60 CM x 40 См x 3 M"}, '.', {"600", "400", "3000"}, {}},
        MeantCase{{"0.6 м"}, '.', {"600", "600", "600"}, {}},
        MeantCase{{"600 мм"}, '.', {"600", "600", "600"}, {}},
        MeantCase{{"600mm"}, '.', {"600", "600", "600"}, {}},
        MeantCase{{"6 дм x 4 dm x 0,3 m"}, ',', {"600", "400", "300"}, {}},
        MeantCase{{"24\""}, '.', {"610", "610", "610"}, {609.6, 609.6, 609.6}},
        MeantCase{{"24 in"}, '.', {"610", "610", "610"}, {609.6, 609.6, 609.6}},
        MeantCase{{"24″x12″x6″"}, '.', {"610", "305", "152"}, {609.6, 304.8, 152.4}},
        MeantCase{{"0.25in*1in*2in"}, '.', {"6", "25", "51"}, {6.35, 25.4, 50.8}},
        // Ties go to the even millimetre.
        MeantCase{{"2.5mm x 3.5mm x 0.5 in"}, '.', {"2", "4", "13"}, {2.5, 3.5, 12.7}},
        MeantCase{{"12.5 см x 8 см x 3.5 см"}, '.', {"125", "80", "35"}, {}},
        // A unit written once after the height holds for the sizes before it.
        MeantCase{{"60x40x30 cm"}, '.', {"600", "400", "300"}, {}},
        MeantCase{{"600 x 400 x 300 mm"}, '.', {"600", "400", "300"}, {}},
        MeantCase{{"1200х800 см"}, '.', {"12000", "8000", "8000"}, {}},
        MeantCase{{"60", "40", "30 cm"}, '.', {"600", "400", "300"}, {}},
        MeantCase{{"60cm", "400", "30"}, '.', {"600", "400", "30"}, {}},
        MeantCase{{"60cmx40cm"}, '.', {"600", "400", "400"}, {}},
        MeantCase{{"-60cm x 40cm x 30cm"}, '.', {"600", "400", "300"}, {}},
        // A word that merely starts like a unit is not one: the number stays in millimetres.
        MeantCase{{"5 min"}, '.', {"5", "0", "0"}, {}},
        MeantCase{{"5 inch"}, '.', {"5", "0", "0"}, {}},
        MeantCase{{"5mmm"}, '.', {"5", "0", "0"}, {}}));

struct ArgumentsCase {
    std::vector<std::string> Args;
    std::vector<std::string> Fields;
};

void PrintTo(const ArgumentsCase& c, std::ostream* os) {
    for (const std::string& arg : c.Args)
        *os << "'" << arg << "' ";
}

class ArgumentsTest : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(ArgumentsTest, FillsTheThreeFields) {
    EXPECT_EQ(Shown(SizesFromArguments(GetParam().Args)), GetParam().Fields);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ArgumentsTest,
    testing::Values(ArgumentsCase{{"600x400x300"}, {"600", "400", "300"}},
                    ArgumentsCase{{"600", "400", "300"}, {"600", "400", "300"}},
                    ArgumentsCase{{"600*400*300"}, {"600", "400", "300"}},
                    ArgumentsCase{{"600 x 400 x 300"}, {"600", "400", "300"}},
                    ArgumentsCase{{"600х400х300"}, {"600", "400", "300"}},
                    ArgumentsCase{{"600"}, {"600", "600", "600"}},
                    ArgumentsCase{{"600x400"}, {"600", "400", "400"}},
                    ArgumentsCase{{"600x"}, {"600", "0", "0"}},
                    ArgumentsCase{{"600", "x", "400"}, {"600", "0", "400"}},
                    // Two arguments: the third size comes from the rest of the second.
                    ArgumentsCase{{"600", "400"}, {"600", "400", "400"}},
                    ArgumentsCase{{"600", "400x300"}, {"600", "400", "300"}},
                    ArgumentsCase{{"600x1", "400x2", "300x3", "200"}, {"600", "400", "300"}},
                    ArgumentsCase{{"12.5"}, {"12.5", "12.5", "12.5"}},
                    // The stop lies past the end: there is no character to skip over.
                    ArgumentsCase{{"600e"}, {"600", "0", "0"}},
                    ArgumentsCase{{"600x+"}, {"600", "0", "0"}},
                    ArgumentsCase{{""}, {"0", "0", "0"}}, ArgumentsCase{{}, {"0", "0", "0"}}));

TEST(ReadNumber, StopsAtTheFirstCharacterThatDoesNotFit) {
    struct Case {
        std::string Text;
        bool Complete;
        std::size_t Stop;
        double Value;
    };
    const Case cases[] = {
        {"", false, 1, 0},
        {"   ", false, 4, 0}, // only spaces: just past the end
        {"-", false, 2, 0},   // ends right after a sign
        {"  +", false, 4, 0},
        {"1e", false, 3, 1}, // ends inside an exponent
        {"1e+", false, 4, 1},
        {"1ex", false, 3, 1},
        {"1e5x", false, 4, 100000}, // the whole number, exponent included
        {".", false, 2, 0},
        {"x", false, 1, 0},
        {"х5", false, 1, 0},
        {"12.5х8", false, 5, 12.5},
        {"1200х800", false, 5, 1200},
        {"-12х", false, 4, 12}, // no sign either
        {"1.2.3", false, 4, 1.2},
        {"5,5", false, 2, 5}, // a comma ends the number
        {"007x", false, 4, 7},
        {"3.5", true, 4, 3.5},
        {"  -1.5e2", true, 9, -150},
        {"+.5", true, 4, 0.5},
        {"5.", true, 3, 5},
        {"1E-2", true, 5, 0.01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("'" + c.Text + "'");
        const NumberRead read = ReadNumber(c.Text);
        EXPECT_EQ(read.Complete, c.Complete);
        EXPECT_EQ(read.Stop, c.Stop);
        EXPECT_EQ(read.Value, c.Value);
    }
}

TEST(ReadNumber, TakesTheUnitAndCommaWithTheNumber) {
    struct Case {
        std::string Text;
        char Locale;
        bool Complete;
        std::size_t Stop;
        double Value;
        double Unit;
    };
    const Case cases[] = {
        {"60 cm", '.', true, 6, 60, 10},
        {"-60cm", '.', true, 6, -60, 10},   // complete: the sign stays
        {"60cmx40", '.', false, 5, 60, 10}, // the stop is after the unit
        {"60 см х", '.', false, 6, 60, 10}, // characters, not bytes
        {"60 cm ", '.', false, 6, 60, 10},  // a space after the unit is left to the skip
        {"1e2m", '.', true, 5, 100, 1000},
        {"1e m", '.', false, 3, 1, 0}, // no unit after a broken exponent
        {"5 min", '.', false, 2, 5, 0},
        {"600,5x", ',', false, 6, 600.5, 0},
        {"600,5x", '.', false, 4, 600, 0},
        {"600,x", ',', false, 4, 600, 0},
        {"-1,5", ',', true, 5, -1.5, 0},
        {"24\"", '.', true, 4, 24, 25.4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("'" + c.Text + "' locale '" + c.Locale + "'");
        const NumberRead read = ReadNumber(c.Text, c.Locale);
        EXPECT_EQ(read.Complete, c.Complete);
        EXPECT_EQ(read.Stop, c.Stop);
        EXPECT_EQ(read.Value, c.Value);
        EXPECT_EQ(read.Unit, c.Unit);
    }
}

TEST(ReadNumber, ValuesBeyondTheDoubleRangeAreInfinite) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ReadNumber("1e999").Value, inf);
    EXPECT_EQ(ReadNumber("-1e999").Value, -inf);
    const NumberRead digits = ReadNumber(std::string(400, '9') + "x");
    EXPECT_FALSE(digits.Complete);
    EXPECT_EQ(digits.Stop, 401u);
    EXPECT_EQ(digits.Value, inf);
    EXPECT_EQ(ReadNumber("1e-999").Value, 0);
    // A unit that carries a size past the range makes it infinite too.
    EXPECT_EQ(SizesFromText("1e308 m")[0], inf);
}

// A size past the double range reaches the field as what was read, an infinity, so the error
// that follows names it instead of 1.79769313486232E308.
TEST(SizesFromText, SizesBeyondTheDoubleRangeShowAsInfinite) {
    EXPECT_EQ(Shown(SizesFromText("13 46E1900")), (std::vector<std::string>{"13", "INF", "INF"}));
    EXPECT_EQ(Shown(SizesFromArguments({"13", "-46E1900", "7"})),
              (std::vector<std::string>{"13", "-INF", "7"}));
}

} // namespace
