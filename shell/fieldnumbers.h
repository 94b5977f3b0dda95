#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

// A field text that does not hold the number a command needs. The message is the one the user
// sees, without the closing full stop that the error report adds.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A whole number as the fields hold it: optional leading spaces, an optional sign and decimal
// digits, within the signed 32-bit range. Anything else raises ConversionError.
std::int32_t ToWhole(const std::string& text);

// Three whole sizes, converted one after the other in reading order, so that ConversionError
// names the first of them that does not convert.
std::array<std::int32_t, 3> ToWholeSizes(const std::string& length, const std::string& width,
                                         const std::string& height);

// A real number in the user's notation: optional surrounding spaces, an optional sign, digits
// with at most one decimal separator, and an optional exponent. Raises ConversionError.
double ToReal(const std::string& text, char decimalSeparator);

// Like ToReal, but answers instead of raising: false when the text is not a number.
bool TryReal(const std::string& text, char decimalSeparator, double& value);

// The general number format of the fields: up to 15 significant digits, a whole value without
// a fractional part ("1200"), otherwise with the given decimal separator; an exponent only
// where plain digits would not fit ("1E20"). An infinity is "INF" or "-INF", not a number "NAN".
std::string FormatGeneral(double value, char decimalSeparator);
