#include "planning/utf8.h"

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed sequence at `at`, or 0 when the bytes there do not form one
// (overlong forms, surrogates and values beyond U+10FFFF included).
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsContinuation(byte(i)))
            return 0;
    return length;
}

} // namespace

std::size_t NextCharacter(std::string_view text, std::size_t at) {
    const std::size_t length = SequenceLength(text, at);
    return at + (length == 0 ? 1 : length);
}

std::size_t CharacterCount(std::string_view text, std::size_t end) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < end; at = NextCharacter(text, at))
        ++count;
    return count;
}

char32_t CharacterAt(std::string_view text, std::size_t at) {
    const std::size_t length = SequenceLength(text, at);
    if (length == 0)
        return U'\uFFFD';
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    if (length == 1)
        return byte(0);
    // The lead byte keeps 7 - length payload bits, every continuation byte six.
    char32_t code = byte(0) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (byte(i) & 0x3F);
    return code;
}
