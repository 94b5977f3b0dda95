#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The written form of a real number that the system reads from texts: an optional sign, digits
// with at most one decimal separator (either side may be empty, not both), and an optional
// exponent "E" or "e" with an optional sign and at least one digit. The separator is a
// parameter: the user's locale for field texts, the point for pasted sizes.
//
// The form is kept as one small state machine so that every reader (whole texts, the longest
// tail of a profile, the partial reads of pasted text) agrees on what a number is.
enum class NumberState : unsigned char {
    Start,          // nothing read yet
    Sign,           // a sign, no digit yet
    Whole,          // digits before the separator
    SeparatorOnly,  // a separator with no digit before it
    Fraction,       // the separator with at least one mantissa digit
    Exponent,       // "E" after the mantissa
    ExponentSign,   // its sign
    ExponentDigits, // its digits
    Dead,           // the character does not fit
};

// The state after `c`; `decimalSeparator` must be an ASCII character.
NumberState NextNumberState(NumberState state, char c, char decimalSeparator);

// Whether a text that stops in this state is a whole number.
constexpr bool IsComplete(NumberState state) {
    return state == NumberState::Whole || state == NumberState::Fraction ||
           state == NumberState::ExponentDigits;
}

// True for the states that follow a digit of the mantissa (as opposed to the exponent).
constexpr bool InMantissa(NumberState state) {
    return state == NumberState::Whole || state == NumberState::Fraction;
}

// One pass over text[begin, ...) that stops at the first character that does not fit.
struct NumberScan {
    std::size_t End = 0;                    // byte index of that character, or text.size()
    NumberState State = NumberState::Start; // the state before it
    std::string MantissaDigits;             // the digits before and after the separator, in order
    std::string Plain;                      // what was read, in C notation (point, "e")
};
NumberScan ScanNumber(std::string_view text, std::size_t begin, char decimalSeparator);

// The value of a number in C notation as read so far; a value beyond the double range is
// returned as an infinity of its sign.
double PlainValue(const std::string& plain);

// Whether the whole text, apart from leading and trailing spaces, is a number in the form above
// with a finite double value; `value` is set only then.
bool TryLocaleReal(std::string_view text, char decimalSeparator, double& value);
