#include "shell/sizetext.h"

#include "planning/numberform.h"
#include "planning/utf8.h"

#include <cfloat>
#include <cmath>
#include <string_view>

namespace {

// A read with its stop as a byte index: every character before the stop is a single-byte one
// (spaces and the characters of a number), so the byte index is also the character index.
struct ByteRead {
    double Value = 0;
    bool Complete = false;
    std::size_t StopByte = 0; // text.size() or beyond when the text ran out
};

double Finite(double value) {
    if (std::isinf(value))
        return std::copysign(DBL_MAX, value);
    return value;
}

ByteRead ReadAt(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ')
        ++begin;
    const NumberScan scan = ScanNumber(text, begin, '.');
    ByteRead read;
    if (scan.End == text.size() && IsComplete(scan.State)) {
        read.Complete = true;
        read.Value = Finite(PlainValue(scan.Plain));
        read.StopByte = text.size();
        return read;
    }
    read.StopByte = scan.End;
    // Out of characters without a whole number: the stop lies just past the end.
    if (scan.End == text.size())
        read.StopByte = text.size();
    read.Value = scan.MantissaDigits.empty() ? 0 : Finite(PlainValue(scan.MantissaDigits));
    return read;
}

// Moves on from the stop of a read (from the first character after a complete read) while the
// character there is not a digit, never past the last character of the text. A stop beyond the
// end stays where it is: there is no character to move over.
std::size_t SkipToDigit(std::string_view text, const ByteRead& read) {
    std::size_t at = read.Complete ? 0 : read.StopByte;
    while (at < text.size() && !(text[at] >= '0' && text[at] <= '9')) {
        const std::size_t next = NextCharacter(text, at);
        if (next >= text.size())
            break; // the last character
        at = next;
    }
    return at;
}

std::string RemainderAfter(const std::string& text, const ByteRead& read) {
    const std::size_t at = SkipToDigit(text, read);
    return at < text.size() ? text.substr(at) : std::string();
}

} // namespace

NumberRead ReadNumber(const std::string& text) {
    const ByteRead read = ReadAt(text);
    NumberRead result;
    result.Value = read.Value;
    result.Complete = read.Complete;
    result.Stop = CharacterCount(text, read.StopByte) + 1;
    return result;
}

std::array<double, 3> SizesFromText(const std::string& clipboardText) {
    std::array<double, 3> sizes{};
    std::string current = clipboardText;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const ByteRead read = ReadAt(current);
        sizes[i] = read.Value;
        if (i + 1 < sizes.size())
            current = RemainderAfter(current, read);
    }
    return sizes;
}

std::array<double, 3> SizesFromArguments(const std::vector<std::string>& args) {
    std::array<double, 3> sizes{};
    std::string current = args.empty() ? std::string() : args[0];
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const ByteRead read = ReadAt(current);
        sizes[i] = read.Value;
        if (i + 1 < sizes.size())
            current = i + 1 < args.size() ? args[i + 1] : RemainderAfter(current, read);
    }
    return sizes;
}
