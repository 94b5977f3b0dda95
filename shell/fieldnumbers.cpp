#include "shell/fieldnumbers.h"

#include "shell/texts.h"

#include "planning/numberform.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::int32_t ToWhole(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            throw ConversionError(Texts::NotValidInteger(text));
    }
    if (i == digitsStart || i != text.size())
        throw ConversionError(Texts::NotValidInteger(text));
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        throw ConversionError(Texts::NotValidInteger(text));
    return static_cast<std::int32_t>(value);
}

bool TryReal(const std::string& text, char decimalSeparator, double& value) {
    return TryLocaleReal(text, decimalSeparator, value);
}

std::array<std::int32_t, 3> ToWholeSizes(const std::string& length, const std::string& width,
                                         const std::string& height) {
    std::array<std::int32_t, 3> sizes{};
    sizes[0] = ToWhole(length);
    sizes[1] = ToWhole(width);
    sizes[2] = ToWhole(height);
    return sizes;
}

double ToReal(const std::string& text, char decimalSeparator) {
    double value = 0;
    if (!TryReal(text, decimalSeparator, value))
        throw ConversionError(Texts::NotValidFloat(text));
    return value;
}

std::string FormatGeneral(double value, char decimalSeparator) {
    if (value == 0)
        return "0";
    // The platform's spelling of the values that are not finite numbers.
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    // to_chars never looks at the process locale, which the window switches to the user's.
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, error == std::errc() ? end : buffer);
    std::string mantissa = text, exponent;
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        mantissa = text.substr(0, e);
        exponent = text.substr(e + 1);
    }
    for (char& c : mantissa)
        if (c == '.')
            c = decimalSeparator;
    if (exponent.empty())
        return mantissa;
    // "1e+20" reads as "1E20" in the field format, "1e-05" as "1E-5".
    std::string sign;
    if (exponent[0] == '+' || exponent[0] == '-') {
        if (exponent[0] == '-')
            sign = "-";
        exponent.erase(0, 1);
    }
    while (exponent.size() > 1 && exponent[0] == '0')
        exponent.erase(0, 1);
    return mantissa + "E" + sign + exponent;
}
