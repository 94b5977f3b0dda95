#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Sizes that arrive as text: pasted from the clipboard ("1200х800х150") or given on the command
// line. Texts are UTF-8; every position counts characters, so the two-byte Cyrillic "х" is one.

// A number read from the start of a text, as the paste and the command line read it: leading
// spaces, an optional sign, digits with at most one point, an optional exponent.
struct NumberRead {
    double Value = 0;
    bool Complete = false; // the number ran exactly to the end of the text
    // 1-based character position of the first character that did not fit; just past the end
    // when the text ran out inside the number (or held nothing but spaces). For a complete
    // read, the position just past the end as well.
    std::size_t Stop = 1;
};

// A complete read has the number's value with sign, fraction and exponent. Otherwise the value
// is the whole number spelled by the digits before and after the point read before the stop,
// without sign, point or exponent ("12.5х" gives 125). Values beyond the double range read as
// the largest double of their sign, so every field receives a finite number.
NumberRead ReadNumber(const std::string& text);

// Length, width and height from clipboard text: three runs of digits separated by anything
// else. Text before the first number is not skipped (it makes the first size 0), a missing
// number repeats the last text read or gives 0.
std::array<double, 3> SizesFromText(const std::string& clipboardText);

// Length, width and height from the command line: one argument with three numbers, or one
// number in each of the first three arguments; an argument list with fewer than three
// arguments takes the rest from the last argument as the paste does. An empty list reads as
// one empty argument.
std::array<double, 3> SizesFromArguments(const std::vector<std::string>& args);
