#pragma once

#include <cstdint>
#include <stdexcept>

// Counts of bundles, layers and rows are whole numbers in 64 bits. A count beyond that range
// (a pallet of kilometres covered in one-millimetre bundles, a stacking height of 1e300) has no
// true value to report, so the calculation refuses it before any figure is formed instead of
// wrapping around or truncating a real number that no integer can hold.
class CountOutOfRangeError : public std::range_error {
  public:
    CountOutOfRangeError() : std::range_error("count beyond 64 bits") {}
};

// The quotient truncated towards zero as a count. Raises CountOutOfRangeError for a value at
// or beyond 2^63 in magnitude, an infinity or not a number.
std::int64_t TruncatedCount(double value);

// Products and sums of counts, raising CountOutOfRangeError where the exact result does not fit.
std::int64_t CountProduct(std::int64_t a, std::int64_t b);
std::int64_t CountSum(std::int64_t a, std::int64_t b);
