#include "shell/fieldnumbers.h"
#include "shell/sizetext.h"

#include <gtest/gtest.h>

#include <cfloat>
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
        PasteCase{"12.5х8х3.5", {"125", "8", "3.5"}},
        PasteCase{"-1200х800х-150", {"1200", "800", "150"}}, PasteCase{"", {"0", "0", "0"}},
        PasteCase{"   ", {"0", "0", "0"}}, PasteCase{"1200х800х150х999", {"1200", "800", "150"}},
        // A complete first read starts the skip at the first character: a leading sign is
        // stepped over and the rest read again.
        PasteCase{"-5", {"-5", "5", "5"}}, PasteCase{"  150.5", {"150.5", "150.5", "150.5"}},
        // Ran out inside an exponent: nothing is left for the later sizes.
        PasteCase{"600e", {"600", "0", "0"}}, PasteCase{"1e3x2e1x7", {"1", "2", "7"}},
        // The last character is two bytes long: the skip stops on it, not inside it.
        PasteCase{"1х2хх", {"1", "2", "0"}},
        // A broken byte is a character of its own and never hides the digit after it.
        PasteCase{"\xD0"
                  "5x6x7",
                  {"0", "5", "6"}}));

TEST(Paste, FractionKeepsTheLocaleSeparator) {
    EXPECT_EQ(Shown(SizesFromText("12.5х8х3.5"), ','),
              (std::vector<std::string>{"125", "8", "3,5"}));
}

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
        {"1e5x", false, 4, 1}, // the exponent is not applied
        {".", false, 2, 0},
        {"x", false, 1, 0},
        {"х5", false, 1, 0},
        {"12.5х8", false, 5, 125},
        {"1200х800", false, 5, 1200},
        {"-12х", false, 4, 12}, // no sign either
        {"1.2.3", false, 4, 12},
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

TEST(ReadNumber, ValuesBeyondTheDoubleRangeStayFinite) {
    EXPECT_EQ(ReadNumber("1e999").Value, DBL_MAX);
    EXPECT_EQ(ReadNumber("-1e999").Value, -DBL_MAX);
    const NumberRead digits = ReadNumber(std::string(400, '9') + "x");
    EXPECT_FALSE(digits.Complete);
    EXPECT_EQ(digits.Stop, 401u);
    EXPECT_EQ(digits.Value, DBL_MAX);
    EXPECT_EQ(ReadNumber("1e-999").Value, 0);
}

} // namespace
