#include "planning/bundlecalc.h"
#include "planning/numberform.h"
#include "planning/utf8.h"
#include "tests/support/commalocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

TEST(TryLocaleReal, AcceptsOnlyTheWholeForm) {
    struct Case {
        std::string Text;
        char Separator;
        bool IsNumber;
        double Value;
    };
    const Case cases[] = {
        {"3.1", '.', true, 3.1},  {"3,1", ',', true, 3.1},   {"3,1", '.', false, 0},
        {"3.1", ',', false, 0},   {"  -5  ", '.', true, -5}, {"+5", '.', true, 5},
        {"- 5", '.', false, 0},   {"5.", '.', true, 5},      {".5", '.', true, 0.5},
        {".", '.', false, 0},     {"", '.', false, 0},       {"   ", '.', false, 0},
        {"1e5", '.', true, 1e5},  {"1E-2", '.', true, 0.01}, {"1e", '.', false, 0},
        {"1e+", '.', false, 0},   {"e5", '.', false, 0},     {"1.2.3", '.', false, 0},
        {"1e400", '.', false, 0}, {"5\t", '.', false, 0},    {"1 000", '.', false, 0},
        {"2,5e1", ',', true, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("'" + c.Text + "' with " + c.Separator);
        double value = -123;
        EXPECT_EQ(TryLocaleReal(c.Text, c.Separator, value), c.IsNumber);
        EXPECT_EQ(value, c.IsNumber ? c.Value : -123);
    }
}

TEST(NumberForm, ScanStopsAtTheFirstCharacterThatDoesNotFit) {
    struct Case {
        std::string Text;
        std::size_t End;
        NumberState State;
        std::string MantissaDigits;
    };
    const Case cases[] = {
        {"12.5x8", 4, NumberState::Fraction, "125"},
        {"1e5x", 3, NumberState::ExponentDigits, "1"},
        {"1ex", 2, NumberState::Exponent, "1"},
        {"-", 1, NumberState::Sign, ""},
        {"x", 0, NumberState::Start, ""},
        {"1.2.3", 3, NumberState::Fraction, "12"},
        {"5,5", 1, NumberState::Whole, "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const NumberScan scan = ScanNumber(c.Text, 0, '.');
        EXPECT_EQ(scan.End, c.End);
        EXPECT_EQ(scan.State, c.State);
        EXPECT_EQ(scan.MantissaDigits, c.MantissaDigits);
    }
}

TEST(Utf8, EachCharacterCountsOnceAndBrokenBytesCountAlone) {
    struct Case {
        std::string Text;
        std::size_t Characters;
        char32_t First; // the code point of the first character
    };
    const Case cases[] = {
        {"", 0, 0},
        {"1200х800", 8, U'1'},                  // Cyrillic х, two bytes
        {"х800", 4, U'\u0445'},                 // decoded from its two bytes
        {"\xE2\x82\xAC", 1, U'\u20AC'},         // euro sign, three bytes
        {"\xF0\x9F\x93\xA6", 1, U'\U0001F4E6'}, // four bytes
        {"\xD0"
         "5",
         2, U'\uFFFD'},                 // a lead byte without its continuation
        {"\x85\x85", 2, U'\uFFFD'},     // stray continuation bytes
        {"\xC0\xAF", 2, U'\uFFFD'},     // an overlong form is not a character
        {"\xED\xA0\x80", 3, U'\uFFFD'}, // nor is a surrogate
        {"\xF0\x9F\x93", 3, U'\uFFFD'}, // nor a sequence cut short by the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(CharacterCount(c.Text, c.Text.size()), c.Characters);
        if (!c.Text.empty()) {
            EXPECT_EQ(CharacterAt(c.Text, 0), c.First);
        }
    }
}

TEST_F(CommaLocaleTest, NumbersReadTheSameInAnyProcessLocale) {
    double value = 0;
    EXPECT_TRUE(TryLocaleReal("3.1", '.', value));
    EXPECT_EQ(value, 3.1);
    EXPECT_TRUE(TryLocaleReal("3,1", ',', value));
    EXPECT_EQ(value, 3.1);
    EXPECT_EQ(FluteThickness("B - 3.1", ','), 3.1);
    EXPECT_EQ(FluteThickness("B - 3.1", '.'), 3.1);
}

} // namespace
