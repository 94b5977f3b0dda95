#include "settings/colourtext.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(ColourText, NamedColoursRoundTripInAnyCase) {
    std::set<Colour> distinct;
    for (const NamedColour& named : NamedColours) {
        SCOPED_TRACE(named.Name);
        distinct.insert(named.Value);
        EXPECT_EQ(ColourToText(named.Value), named.Name);
        EXPECT_EQ(ColourFromText(named.Name), named.Value);
        EXPECT_EQ(ColourFromText(Upper(named.Name)), named.Value);
    }
    EXPECT_EQ(distinct.size(), NamedColours.size()) << "two names for one colour";
}

TEST(ColourText, NamedValues) {
    struct Case {
        const char* Name;
        Colour Value;
    };
    const Case cases[] = {
        {"clRed", MakeColour(255, 0, 0)},
        {"clNavy", MakeColour(0, 0, 128)},
        {"clOlive", MakeColour(128, 128, 0)},
        {"clSilver", clSilver},
        {"clMoneyGreen", MakeColour(192, 220, 192)},
        {"clSkyBlue", MakeColour(166, 202, 240)},
        {"clCream", MakeColour(255, 251, 240)},
        {"clMedGray", MakeColour(160, 160, 164)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ColourFromText(c.Name), c.Value);
    }
}

TEST(ColourText, UnnamedColourIsDollarAndEightHexDigits) {
    struct Case {
        Colour Value;
        const char* Text;
    };
    const Case cases[] = {
        {MakeColour(18, 52, 86), "$00563412"},
        {MakeColour(1, 0, 0), "$00000001"},
        {MakeColour(0xAB, 0xCD, 0xEF), "$00EFCDAB"},
        {0x010000FF, "$010000FF"}, // high bits keep it from being clRed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ColourToText(c.Value), c.Text);
    }
}

TEST(ColourText, NumbersReadAsTheirPaintedBytes) {
    struct Case {
        const char* Text;
        Colour Value;
    };
    const Case cases[] = {
        {"$000000FF", MakeColour(255, 0, 0)},
        {"$00563412", MakeColour(18, 52, 86)},
        {"$ff", MakeColour(255, 0, 0)},
        {"  $0000FF00", MakeColour(0, 255, 0)},
        {"255", MakeColour(255, 0, 0)},
        {"  +255", MakeColour(255, 0, 0)},
        {"0", clBlack},
        {"$FF0000FF", MakeColour(255, 0, 0)},
        {"-1", clWhite},
        {"16777216", clBlack},
        {"2147483647", clWhite},
        {"-2147483648", clBlack},
        {"$FFFFFFFF", clWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ColourFromText(c.Text), c.Value);
    }
}

TEST(ColourText, PlatformNamesReadAsPlainColours) {
    struct Case {
        const char* Text;
        Colour Value;
    };
    const Case cases[] = {
        {"clNone", clSilver},    {"CLDEFAULT", clSilver},   {"clWindow", clWhite},
        {"clBtnFace", clSilver}, {"clWindowText", clBlack}, {"clhighlight", MakeColour(0, 0, 128)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ColourFromText(c.Text), c.Value);
        EXPECT_EQ(ColourFromText(c.Text) >> 24, 0u);
    }
}

TEST(ColourText, AnythingElseIsNotAValidInteger) {
    const char* texts[] = {"",           "red",        "clRedd", " clRed", "$",
                           "$G0",        "$123456789", "$-1",    "-$1",    "4294967296",
                           "2147483648", "12abc",      "0x1F",   "1.5",    "Красный"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        try {
            ColourFromText(text);
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()), Texts::NotValidInteger(text));
        }
    }
}

// A NUL byte would end the message early, a line break would start a forged line: control
// characters show as \xNN inside the quotes, and the rest of the value follows.
TEST(ColourText, ControlCharactersInTheValueAreQuotedSafely) {
    struct Case {
        std::string Text;
        const char* Message;
    };
    const Case cases[] = {
        {std::string("cl\0Red", 6), "'cl\\x00Red' is not a valid integer value"},
        {"1\n2", "'1\\x0A2' is not a valid integer value"},
        {"\x7F\x1B[2J", "'\\x7F\\x1B[2J' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        try {
            ColourFromText(c.Text);
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()), c.Message);
        }
    }
}

} // namespace
