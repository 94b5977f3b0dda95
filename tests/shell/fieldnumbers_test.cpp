#include "shell/fieldnumbers.h"

#include "tests/support/commalocale.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct WholeCase {
    const char* text;
    std::int32_t value;
};

const WholeCase wholes[] = {
    {"0", 0},
    {"1200", 1200},
    {"-150", -150},
    {"+7", 7},
    {"  42", 42},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"0007", 7},
};

const char* const notWholes[] = {"",
                                 " ",
                                 "12 ",
                                 "1 000",
                                 "12.5",
                                 "1e3",
                                 "abc",
                                 "-",
                                 "2147483648",
                                 "-2147483649",
                                 "99999999999999999999",
                                 "12х",
                                 "$10"};

TEST(ToWhole, ReadsSigned32BitDecimals) {
    for (const WholeCase& c : wholes)
        EXPECT_EQ(ToWhole(c.text), c.value) << c.text;
}

TEST(ToWhole, RejectsEverythingElseNamingTheText) {
    for (const char* text : notWholes) {
        try {
            ToWhole(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

struct RealCase {
    const char* text;
    char separator;
    double value;
};

const RealCase reals[] = {
    {"1200", '.', 1200}, {"12.5", '.', 12.5},   {"12,5", ',', 12.5}, {" -3.5 ", '.', -3.5},
    {"1E3", '.', 1000},  {"2,5e-1", ',', 0.25}, {".5", '.', 0.5},    {"5.", '.', 5},
};

const RealCase notReals[] = {
    {"12,5", '.', 0},  {"12.5", ',', 0}, {"", '.', 0},      {"1e", '.', 0},
    {"1.2.3", '.', 0}, {"abc", '.', 0},  {"1e999", '.', 0}, {".", '.', 0},
};

TEST(ToReal, ReadsTheUsersNotation) {
    for (const RealCase& c : reals)
        EXPECT_EQ(ToReal(c.text, c.separator), c.value) << c.text;
    for (const RealCase& c : notReals)
        EXPECT_THROW(ToReal(c.text, c.separator), ConversionError) << c.text;
    EXPECT_THROW(
        {
            try {
                ToReal("x1", '.');
            } catch (const ConversionError& e) {
                EXPECT_STREQ(e.what(), "'x1' is not a valid floating point value");
                throw;
            }
        },
        ConversionError);
}

struct FormatCase {
    double value;
    char separator;
    const char* text;
};

const FormatCase formats[] = {
    {1200, '.', "1200"},
    {0, '.', "0"},
    {-150, '.', "-150"},
    {3.5, ',', "3,5"},
    {12.25, '.', "12.25"},
    {0.1, '.', "0.1"},
    {1e20, '.', "1E20"},
    {1e-5, '.', "1E-5"},
    {123456789012345678.0, '.', "1.23456789012346E17"},
    {2.0 / 3, '.', "0.666666666666667"},
    {std::numeric_limits<double>::infinity(), '.', "INF"},
    {-std::numeric_limits<double>::infinity(), ',', "-INF"},
    {std::numeric_limits<double>::quiet_NaN(), '.', "NAN"},
};

TEST(FormatGeneral, WritesFifteenSignificantDigitsWithTheSeparator) {
    for (const FormatCase& c : formats)
        EXPECT_EQ(FormatGeneral(c.value, c.separator), c.text) << c.value;
}

TEST_F(CommaLocaleTest, FieldNumbersIgnoreTheProcessLocale) {
    EXPECT_EQ(FormatGeneral(3.5, '.'), "3.5");
    EXPECT_EQ(FormatGeneral(3.5, ','), "3,5");
    EXPECT_EQ(ToReal("3.5", '.'), 3.5);
}

} // namespace
