#include "shell/sizetext.h"

#include "planning/numberform.h"
#include "planning/utf8.h"

#include <cmath>
#include <functional>
#include <string_view>

namespace {

// A read with its stop as a byte index: every character before the number's end is a
// single-byte one (spaces and the characters of a number), and a unit ends on a character
// boundary, so the byte index converts to a character index.
struct ByteRead {
    double Value = 0;
    double Unit = 0;
    bool Complete = false;
    std::size_t StopByte = 0; // text.size() or beyond when the text ran out
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The point always marks decimals. A comma does only between two digits and only where the
// user's locale writes decimals with a comma; elsewhere it separates sizes, as in "600,400".
char DecimalMarkAt(std::string_view text, std::size_t begin, char localeSeparator) {
    if (localeSeparator != ',')
        return '.';
    std::size_t at = begin;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    const std::size_t digitsFrom = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    const bool between =
        at > digitsFrom && at + 1 < text.size() && text[at] == ',' && IsDigit(text[at + 1]);
    return between ? ',' : '.';
}

// Units of length, each with the millimetres in one. Letters compare without case.
struct LengthUnit {
    std::u32string_view Spelling;
    double Millimetres;
};
constexpr LengthUnit Units[] = {
    {U"мм", 1},   {U"mm", 1},   {U"см", 10},   {U"cm", 10},   {U"дм", 100},      {U"dm", 100},
    {U"м", 1000}, {U"m", 1000}, {U"in", 25.4}, {U"\"", 25.4}, {U"\u2033", 25.4}, // the double prime
                                                                                 // ″
};

char32_t LowerCase(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + (U'a' - U'A');
    if (c >= U'А' && c <= U'Я')
        return c + (U'а' - U'А');
    return c;
}

bool IsLetter(char32_t c) {
    c = LowerCase(c);
    return (c >= U'a' && c <= U'z') || (c >= U'\u0400' && c <= U'\u04FF');
}

// "60cmx40cm": the letters that separate sizes may follow a unit directly; any other letter
// makes the word something else ("5 min"), and the number stays in millimetres.
bool EndsWord(std::string_view text, std::size_t at) {
    if (at >= text.size())
        return true;
    const char32_t c = LowerCase(CharacterAt(text, at));
    return !IsLetter(c) || c == U'x' || c == U'х';
}

// The unit spelled at `at`, after optional spaces: its millimetres and the byte index after it.
bool ReadUnit(std::string_view text, std::size_t at, double& millimetres, std::size_t& end) {
    while (at < text.size() && text[at] == ' ')
        ++at;
    for (const LengthUnit& unit : Units) {
        std::size_t next = at;
        bool spelled = true;
        for (const char32_t expected : unit.Spelling) {
            if (next >= text.size() || LowerCase(CharacterAt(text, next)) != expected) {
                spelled = false;
                break;
            }
            next = NextCharacter(text, next);
        }
        if (spelled && EndsWord(text, next)) {
            millimetres = unit.Millimetres;
            end = next;
            return true;
        }
    }
    return false;
}

ByteRead ReadAt(std::string_view text, char localeSeparator) {
    std::size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ')
        ++begin;
    const NumberScan scan = ScanNumber(text, begin, DecimalMarkAt(text, begin, localeSeparator));
    // The longest number the scan read: all of it, or its mantissa when it ran out inside an
    // exponent ("600e", "1e+x"), or nothing.
    std::string number;
    std::size_t numberEnd = scan.End;
    if (IsComplete(scan.State)) {
        number = scan.Plain;
    } else if (scan.State == NumberState::Exponent || scan.State == NumberState::ExponentSign) {
        number = scan.Plain.substr(0, scan.Plain.find('e'));
        numberEnd -= scan.State == NumberState::Exponent ? 1 : 2;
    }

    ByteRead read;
    std::size_t end = scan.End;
    if (!number.empty() && ReadUnit(text, numberEnd, read.Unit, end))
        read.StopByte = end;
    else
        read.StopByte = scan.End; // text.size() too when the text ran out inside the number
    read.Complete = !number.empty() && read.StopByte == text.size() &&
                    (read.Unit != 0 || IsComplete(scan.State));
    if (!number.empty()) {
        const double value = PlainValue(number);
        read.Value = read.Complete ? value : std::fabs(value);
    }
    return read;
}

// Moves on from the stop of a read (from the first character after a complete read) while the
// character there is not a digit, never past the last character of the text. A stop beyond the
// end stays where it is: there is no character to move over.
std::size_t SkipToDigit(std::string_view text, const ByteRead& read) {
    std::size_t at = read.Complete ? 0 : read.StopByte;
    while (at < text.size() && !IsDigit(text[at])) {
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

// A size with a unit becomes whole millimetres, rounded; one without keeps its fraction, which
// the whole-number conversion of the calculation then reports.
double Millimetres(double value, double unit) {
    if (unit == 0)
        return value;
    const double mm = value * unit;
    return mm == std::trunc(mm) ? mm : std::nearbyint(mm);
}

// Three reads, each from the text that `next` gives after the one before.
using NextText =
    std::function<std::string(std::size_t index, const std::string& current, const ByteRead& read)>;
std::array<double, 3> ReadSizes(const std::string& first, char localeSeparator,
                                const NextText& next) {
    std::array<ByteRead, 3> reads;
    std::string current = first;
    for (std::size_t i = 0; i < reads.size(); ++i) {
        reads[i] = ReadAt(current, localeSeparator);
        if (i + 1 < reads.size())
            current = next(i + 1, current, reads[i]);
    }
    // "60x40x30 cm": a unit written once, after the height, holds for the sizes before it.
    const double heightUnit = reads[2].Unit;
    std::array<double, 3> sizes{};
    for (std::size_t i = 0; i < sizes.size(); ++i)
        sizes[i] = Millimetres(reads[i].Value, reads[i].Unit != 0 ? reads[i].Unit : heightUnit);
    return sizes;
}

} // namespace

NumberRead ReadNumber(const std::string& text, char localeSeparator) {
    const ByteRead read = ReadAt(text, localeSeparator);
    NumberRead result;
    result.Value = read.Value;
    result.Unit = read.Unit;
    result.Complete = read.Complete;
    result.Stop = CharacterCount(text, read.StopByte) + 1;
    return result;
}

std::array<double, 3> SizesFromText(const std::string& clipboardText, char localeSeparator) {
    return ReadSizes(clipboardText, localeSeparator,
                     [](std::size_t, const std::string& current, const ByteRead& read) {
                         return RemainderAfter(current, read);
                     });
}

std::array<double, 3> SizesFromArguments(const std::vector<std::string>& args,
                                         char localeSeparator) {
    return ReadSizes(args.empty() ? std::string() : args[0], localeSeparator,
                     [&args](std::size_t index, const std::string& current, const ByteRead& read) {
                         return index < args.size() ? args[index] : RemainderAfter(current, read);
                     });
}
