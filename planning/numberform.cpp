#include "planning/numberform.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSign(char c) {
    return c == '+' || c == '-';
}
bool IsExponentMark(char c) {
    return c == 'e' || c == 'E';
}

} // namespace

NumberState NextNumberState(NumberState state, char c, char decimalSeparator) {
    using S = NumberState;
    switch (state) {
    case S::Start:
        if (IsSign(c))
            return S::Sign;
        [[fallthrough]];
    case S::Sign:
        if (IsDigit(c))
            return S::Whole;
        return c == decimalSeparator ? S::SeparatorOnly : S::Dead;
    case S::Whole:
        if (IsDigit(c))
            return S::Whole;
        if (c == decimalSeparator)
            return S::Fraction;
        return IsExponentMark(c) ? S::Exponent : S::Dead;
    case S::SeparatorOnly:
        return IsDigit(c) ? S::Fraction : S::Dead;
    case S::Fraction:
        if (IsDigit(c))
            return S::Fraction;
        return IsExponentMark(c) ? S::Exponent : S::Dead;
    case S::Exponent:
        if (IsSign(c))
            return S::ExponentSign;
        [[fallthrough]];
    case S::ExponentSign:
    case S::ExponentDigits:
        return IsDigit(c) ? S::ExponentDigits : S::Dead;
    case S::Dead:
        break;
    }
    return S::Dead;
}

NumberScan ScanNumber(std::string_view text, std::size_t begin, char decimalSeparator) {
    NumberScan scan;
    std::size_t i = begin;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        const NumberState next = NextNumberState(scan.State, c, decimalSeparator);
        if (next == NumberState::Dead)
            break;
        if (InMantissa(next) && IsDigit(c))
            scan.MantissaDigits += c;
        if (IsDigit(c) || IsSign(c))
            scan.Plain += c;
        else if (c == decimalSeparator &&
                 (next == NumberState::Fraction || next == NumberState::SeparatorOnly))
            scan.Plain += '.';
        else
            scan.Plain += 'e';
        scan.State = next;
    }
    scan.End = i;
    return scan;
}

double PlainValue(const std::string& plain) {
    // The window sets the process locale from the user's environment, where plain strtod would
    // stop at the point of "3.1"; the plain form is always read in the C locale.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    if (cLocale == locale_t{})
        return std::strtod(plain.c_str(), nullptr);
    return strtod_l(plain.c_str(), nullptr, cLocale);
}

bool TryLocaleReal(std::string_view text, char decimalSeparator, double& value) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    const NumberScan scan = ScanNumber(text.substr(0, end), begin, decimalSeparator);
    if (scan.End != end || !IsComplete(scan.State))
        return false;
    const double parsed = PlainValue(scan.Plain);
    if (!std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}
