#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

// The drawing runs as if the processor trapped floating-point faults: a division by zero, an
// invalid operation or an overflow ends the picture at that point instead of letting an
// infinity or a NaN travel on into the pixels. The messages are the ones the error report shows
// (it adds the full stop itself).
inline constexpr const char* DivisionByZeroMessage = "Floating point division by zero";
inline constexpr const char* InvalidOperationMessage = "Invalid floating point operation";
inline constexpr const char* OverflowMessage = "Floating point overflow";

class FloatingPointError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The checked arithmetic every drawing routine shares. Inline: the checks sit on the path of
// every box corner, the throws never do.
namespace Fp {

[[noreturn]] void Raise(const char* message);

// numerator / denominator in extended precision; a zero denominator raises what the processor
// would: 0 / 0 is an invalid operation, anything else over 0 a division by zero.
inline long double Divide(long double numerator, long double denominator) {
    if (denominator == 0) [[unlikely]]
        Raise(numerator == 0 || std::isnan(numerator) ? InvalidOperationMessage
                                                      : DivisionByZeroMessage);
    const long double quotient = numerator / denominator;
    if (std::isnan(quotient)) [[unlikely]]
        Raise(InvalidOperationMessage);
    return quotient;
}

// Rounds an extended value to double, as every stored intermediate is. An infinite result is an
// overflow and a NaN an invalid operation, so neither is ever stored.
inline double Store(long double value) {
    // A NaN stays a NaN in double, so one test after the rounding catches both faults.
    const double stored = static_cast<double>(value);
    if (!std::isfinite(stored)) [[unlikely]]
        Raise(std::isnan(stored) ? InvalidOperationMessage : OverflowMessage);
    return stored;
}

// value truncated toward zero to a 32-bit integer (a pixel, or a whole millimetre handed to the
// box drawing). A value outside the range would wrap or be undefined; it overflows instead.
inline std::int32_t TruncToInt32(double value) {
    // Compared before the conversion: converting an out-of-range value is undefined.
    if (!(value > -2147483649.0 && value < 2147483648.0)) [[unlikely]]
        Raise(std::isnan(value) ? InvalidOperationMessage : OverflowMessage);
    return static_cast<std::int32_t>(value);
}

// The same for an extended value. Truncated before it is rounded to double, which could
// otherwise carry 2.99999999999999999 up to 3.
inline std::int32_t TruncToInt32(long double value) {
    return TruncToInt32(static_cast<double>(std::trunc(value)));
}

} // namespace Fp
