#include "render/fperror.h"

#include <cmath>

namespace Fp {

long double Divide(long double numerator, long double denominator) {
    if (denominator == 0)
        throw FloatingPointError(numerator == 0 || std::isnan(numerator) ? InvalidOperationMessage
                                                                         : DivisionByZeroMessage);
    const long double quotient = numerator / denominator;
    if (std::isnan(quotient))
        throw FloatingPointError(InvalidOperationMessage);
    return quotient;
}

double Store(long double value) {
    if (std::isnan(value))
        throw FloatingPointError(InvalidOperationMessage);
    const double stored = static_cast<double>(value);
    if (std::isinf(stored))
        throw FloatingPointError(OverflowMessage);
    return stored;
}

std::int32_t TruncToInt32(long double value) {
    if (std::isnan(value))
        throw FloatingPointError(InvalidOperationMessage);
    // Compared before the conversion: converting an out-of-range value is undefined.
    if (!(value > -2147483649.0L && value < 2147483648.0L))
        throw FloatingPointError(OverflowMessage);
    return static_cast<std::int32_t>(value);
}

} // namespace Fp
