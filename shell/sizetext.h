#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Sizes that arrive as text: pasted from the clipboard ("1200х800х150"), given on the window's
// command line or as the report's sizes. Texts are UTF-8; every position counts characters, so
// the two-byte Cyrillic "х" is one.
//
// A size is read as the person who wrote it meant it: "600.5" is 600.5 wherever it stands, a
// comma between digits is a decimal mark where the user's locale writes one ("600,5"), and a
// unit after the number converts it to millimetres ("60 см", "0.6 m", "24 in", '24"').

// A number read from the start of a text: leading spaces, an optional sign, digits with at most
// one decimal mark, an optional exponent, and optionally spaces and a unit of length.
struct NumberRead {
    // The number as written, before its unit. A complete read keeps its sign; a read that stops
    // early does not ("-1200х800" gives 1200), so a sign before a later size is a separator.
    double Value = 0;
    // Millimetres per unit written after the number; 0 when no unit follows.
    double Unit = 0;
    bool Complete = false; // the number, with its unit, ran exactly to the end of the text
    // 1-based character position of the first character after the number and its unit; just
    // past the end when the text ran out inside the number (or held nothing but spaces). For a
    // complete read, the position just past the end as well.
    std::size_t Stop = 1;
};

// The decimal mark is the point, and also a comma between two digits when `localeSeparator` is
// a comma. Values beyond the double range, with their unit or without, read as an infinity of
// their sign: the field then shows "INF", which is what was read, rather than a large number
// nobody typed.
NumberRead ReadNumber(const std::string& text, char localeSeparator = '.');

// Length, width and height in millimetres from clipboard text: three numbers separated by
// anything else. Text before the first number is not skipped (it makes the first size 0), a
// missing number repeats the last text read or gives 0. A size without a unit takes the unit of
// the height when the height has one ("60x40x30 cm"); otherwise it is in millimetres as
// written. A size with a unit is rounded to whole millimetres.
std::array<double, 3> SizesFromText(const std::string& clipboardText, char localeSeparator = '.');

// Length, width and height from the command line: one argument with three numbers, or one
// number in each of the first three arguments; an argument list with fewer than three
// arguments takes the rest from the last argument as the paste does. An empty list reads as
// one empty argument. Numbers and units are read as in SizesFromText.
std::array<double, 3> SizesFromArguments(const std::vector<std::string>& args,
                                         char localeSeparator = '.');
