#pragma once

#include <cstdint>

// Whether three whole sizes describe something to calculate. The product is judged by the signs
// of its factors, never formed, so that sizes such as 65536 x 65536 x 1, whose product wraps to 0
// in 32 bits, still count as given.

// No factor is zero: the calculators run.
constexpr bool SizeGiven(std::int32_t a, std::int32_t b, std::int32_t c) {
    return a != 0 && b != 0 && c != 0;
}

// The product is positive: the start sequence calculates.
constexpr bool SizeProductPositive(std::int32_t a, std::int32_t b, std::int32_t c) {
    return SizeGiven(a, b, c) && ((a < 0) + (b < 0) + (c < 0)) % 2 == 0;
}
