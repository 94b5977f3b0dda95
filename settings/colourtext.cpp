#include "settings/colourtext.h"

#include "shell/calculationinputs.h"
#include "shell/fieldnumbers.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

const std::array<NamedColour, 20> NamedColours = {{
    {"clBlack", MakeColour(0, 0, 0)},
    {"clMaroon", MakeColour(128, 0, 0)},
    {"clGreen", MakeColour(0, 128, 0)},
    {"clOlive", MakeColour(128, 128, 0)},
    {"clNavy", MakeColour(0, 0, 128)},
    {"clPurple", MakeColour(128, 0, 128)},
    {"clTeal", MakeColour(0, 128, 128)},
    {"clGray", MakeColour(128, 128, 128)},
    {"clSilver", MakeColour(192, 192, 192)},
    {"clRed", MakeColour(255, 0, 0)},
    {"clLime", MakeColour(0, 255, 0)},
    {"clYellow", MakeColour(255, 255, 0)},
    {"clBlue", MakeColour(0, 0, 255)},
    {"clFuchsia", MakeColour(255, 0, 255)},
    {"clAqua", MakeColour(0, 255, 255)},
    {"clWhite", MakeColour(255, 255, 255)},
    {"clMoneyGreen", MakeColour(192, 220, 192)},
    {"clSkyBlue", MakeColour(166, 202, 240)},
    {"clCream", MakeColour(255, 251, 240)},
    {"clMedGray", MakeColour(160, 160, 164)},
}};

namespace {

// The colour a calculation starts with.
const Colour DrawingDefault = CalculationInputs{}.DrawingColour;

// Names a hand-edited file may hold that no picker offers. The picture needs a plain colour, so
// each stands for the colour it had in the classic desktop scheme; "no colour" and "the default
// colour" both give the drawing's default.
const NamedColour ReadOnlyNames[] = {
    {"clNone", DrawingDefault},
    {"clDefault", DrawingDefault},
    {"clScrollBar", MakeColour(192, 192, 192)},
    {"clBackground", MakeColour(0, 128, 128)},
    {"clActiveCaption", MakeColour(0, 0, 128)},
    {"clInactiveCaption", MakeColour(128, 128, 128)},
    {"clMenu", MakeColour(192, 192, 192)},
    {"clWindow", MakeColour(255, 255, 255)},
    {"clWindowFrame", MakeColour(0, 0, 0)},
    {"clMenuText", MakeColour(0, 0, 0)},
    {"clWindowText", MakeColour(0, 0, 0)},
    {"clCaptionText", MakeColour(255, 255, 255)},
    {"clActiveBorder", MakeColour(192, 192, 192)},
    {"clInactiveBorder", MakeColour(192, 192, 192)},
    {"clAppWorkSpace", MakeColour(128, 128, 128)},
    {"clHighlight", MakeColour(0, 0, 128)},
    {"clHighlightText", MakeColour(255, 255, 255)},
    {"clBtnFace", MakeColour(192, 192, 192)},
    {"clBtnShadow", MakeColour(128, 128, 128)},
    {"clGrayText", MakeColour(128, 128, 128)},
    {"clBtnText", MakeColour(0, 0, 0)},
    {"clInactiveCaptionText", MakeColour(192, 192, 192)},
    {"clBtnHighlight", MakeColour(255, 255, 255)},
    {"cl3DDkShadow", MakeColour(64, 64, 64)},
    {"cl3DLight", MakeColour(224, 224, 224)},
    {"clInfoText", MakeColour(0, 0, 0)},
    {"clInfoBk", MakeColour(255, 255, 225)},
    {"clHotLight", MakeColour(0, 0, 255)},
    {"clGradientActiveCaption", MakeColour(166, 202, 240)},
    {"clGradientInactiveCaption", MakeColour(192, 192, 192)},
    {"clMenuHighlight", MakeColour(0, 0, 128)},
    {"clMenuBar", MakeColour(192, 192, 192)},
};

bool SameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// "$" and hexadecimal digits with a value that fits 32 bits, after optional spaces.
bool TryHex(const std::string& text, std::uint32_t& value) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos || text[i] != '$' || i + 1 == text.size())
        return false;
    std::uint64_t result = 0;
    for (++i; i < text.size(); ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0)
            return false;
        result = result * 16 + static_cast<std::uint64_t>(digit);
        if (result > 0xFFFFFFFFu)
            return false;
    }
    value = static_cast<std::uint32_t>(result);
    return true;
}

} // namespace

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string ColourToText(Colour colour) {
    for (const NamedColour& named : NamedColours)
        if (named.Value == colour)
            return named.Name;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(colour));
    return buffer;
}

Colour ColourFromText(const std::string& text) {
    for (const NamedColour& named : NamedColours)
        if (SameLetters(text, named.Name))
            return named.Value;
    for (const NamedColour& named : ReadOnlyNames)
        if (SameLetters(text, named.Name))
            return named.Value;
    constexpr Colour Painted = 0x00FFFFFF;
    std::uint32_t hex = 0;
    if (TryHex(text, hex))
        return hex & Painted;
    // The decimal form and its message are the fields' own.
    return static_cast<std::uint32_t>(ToWhole(text)) & Painted;
}
