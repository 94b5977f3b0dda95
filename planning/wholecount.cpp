#include "planning/wholecount.h"

#include <cmath>

std::int64_t TruncatedCount(double value) {
    // 2^63 is exact as a double; the negated comparison also catches not-a-number.
    constexpr double Limit = 9223372036854775808.0;
    const double whole = std::trunc(value);
    if (!(whole >= -Limit && whole < Limit))
        throw CountOutOfRangeError();
    return static_cast<std::int64_t>(whole);
}

std::int64_t CountProduct(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        throw CountOutOfRangeError();
    return product;
}

std::int64_t CountSum(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw CountOutOfRangeError();
    return sum;
}
