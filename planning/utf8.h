#pragma once

#include <cstddef>
#include <string_view>

// Texts reach the system as UTF-8 from the fields, the clipboard, the command line and the
// settings file. Wherever a rule counts positions it counts characters, so it steps with this:
// a well-formed sequence is one character, and any byte that does not start one is a character
// of its own, so that broken input still advances and never splits a good character.

// The byte index of the character after the one starting at `at` (at < text.size()).
std::size_t NextCharacter(std::string_view text, std::size_t at);

// Characters in text[0, end).
std::size_t CharacterCount(std::string_view text, std::size_t end);

// The code point of the character starting at `at` (at < text.size()); a byte that does not
// start a well-formed sequence reads as U+FFFD, the replacement character.
char32_t CharacterAt(std::string_view text, std::size_t at);
