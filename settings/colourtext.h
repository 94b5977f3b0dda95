#pragma once

#include "render/canvas.h"

#include <array>
#include <string>

// Colours as the settings file writes them: a name for the twenty named colours, otherwise "$"
// and the whole 32-bit value in eight upper-case hexadecimal digits (00, blue, green, red).

struct NamedColour {
    const char* Name;
    Colour Value;
};

// The named colours, in the order the colour lists show them.
extern const std::array<NamedColour, 20> NamedColours;

std::string ColourToText(Colour colour);

// A name of the list in any ASCII letter case, or a whole number: decimal in the signed 32-bit
// range (after optional spaces and a sign) or "$" and one to eight hexadecimal digits. Numbers
// keep their low three bytes, the part that is painted. The desktop's system colour names and
// clNone and clDefault are also understood: the system colours as the plain colours of the
// classic desktop scheme, clNone and clDefault as the drawing's default colour, clSilver.
// Anything else raises ConversionError with the platform's "not a valid integer value" text.
Colour ColourFromText(const std::string& text);

// The value of one hexadecimal digit in either letter case, or -1 for any other character.
int HexDigit(char c);
