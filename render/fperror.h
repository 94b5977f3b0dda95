#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

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

// The checked arithmetic every drawing routine shares.
namespace Fp {

// numerator / denominator in extended precision; a zero denominator raises what the processor
// would: 0 / 0 is an invalid operation, anything else over 0 a division by zero.
long double Divide(long double numerator, long double denominator);

// Rounds an extended value to double, as every stored intermediate is. An infinite result is an
// overflow and a NaN an invalid operation, so neither is ever stored.
double Store(long double value);

// value truncated toward zero to a 32-bit integer (a pixel, or a whole millimetre handed to the
// box drawing). A value outside the range would wrap or be undefined; it overflows instead.
std::int32_t TruncToInt32(long double value);

} // namespace Fp
