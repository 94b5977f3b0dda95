#include "app/shell/fieldnumbers.h"

#include "app/shell/texts.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    // Rebuild the number in the C notation so that strtod never sees the user's separator.
    std::string plain;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    std::size_t mantissaDigits = 0;
    for (; i < end && IsDigit(text[i]); ++i, ++mantissaDigits)
        plain += text[i];
    if (i < end && text[i] == decimalSeparator) {
        plain += '.';
        for (++i; i < end && IsDigit(text[i]); ++i, ++mantissaDigits)
            plain += text[i];
    }
    if (mantissaDigits == 0)
        return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        std::size_t exponentDigits = 0;
        for (; i < end && IsDigit(text[i]); ++i, ++exponentDigits)
            plain += text[i];
        if (exponentDigits == 0)
            return false;
    }
    if (i != end)
        return false;
    const double parsed = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    // %G keeps trailing zeros of the fraction out already; only the separator is ours.
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    // "1E+20" reads as "1E20" in the field format, "1E-05" as "1E-5".
    const std::size_t e = text.find('E');
    if (e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        std::string sign;
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
            if (exponent[0] == '-')
                sign = "-";
            exponent.erase(0, 1);
        }
        while (exponent.size() > 1 && exponent[0] == '0')
            exponent.erase(0, 1);
        text = mantissa + "E" + sign + exponent;
    }
    return text;
}
