#include "planning/advisor/layerbound.h"

#include <algorithm>

std::int64_t LargestCombination(std::int64_t limit, std::int64_t p, std::int64_t q) {
    if (limit < 0)
        return -1;
    // Only a < q multiples of p need trying (q of them make p of q), and likewise the other way
    // round; walk the shorter of the two, at most about the square root of the limit.
    const std::int64_t stepsP = std::min(limit / p, q - 1);
    const std::int64_t stepsQ = std::min(limit / q, p - 1);
    if (stepsQ < stepsP) {
        std::swap(p, q);
    }
    const std::int64_t steps = std::min(stepsP, stepsQ);
    std::int64_t best = 0;
    for (std::int64_t a = 0; a <= steps && best < limit; ++a) {
        const std::int64_t rest = limit - a * p;
        best = std::max(best, a * p + rest / q * q);
    }
    return best;
}

std::int64_t BarWaste(std::int64_t x, std::int64_t y, std::int64_t m) {
    const std::int64_t rx = x % m;
    const std::int64_t ry = y % m;
    return std::min(rx * ry, (m - rx) * (m - ry));
}

std::int64_t ScaledUpperBound(std::int64_t x, std::int64_t y, std::int64_t l, std::int64_t w) {
    if (l < w)
        std::swap(l, w);
    return FilledUpperBound(LargestCombination(x, l, w), LargestCombination(y, l, w), l, w);
}

std::int64_t FilledUpperBound(std::int64_t x, std::int64_t y, std::int64_t l, std::int64_t w) {
    if (x <= 0 || y <= 0)
        return 0;
    if (x < l || y < l) {
        // Every bundle lies with its long side along the longer side of the rectangle.
        return x < l ? (x / w) * (y / l) : (x / l) * (y / w);
    }
    const std::int64_t waste = std::max(BarWaste(x, y, l), BarWaste(x, y, w));
    return (x * y - waste) / (l * w);
}
