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

void AddColourRuns(std::vector<std::int64_t>& runs, std::int64_t m, bool difference, std::int64_t x,
                   std::int64_t y, std::int64_t columns, std::int64_t rows) {
    if (rows <= 0 || columns <= 0)
        return;
    std::int64_t start = difference ? x - y - (rows - 1) : x + y;
    start = ((start % m) + m) % m;
    for (std::int64_t i = 0; i < columns; ++i) {
        const std::int64_t end = start + rows;
        ++runs[static_cast<std::size_t>(start)];
        if (end <= m) {
            --runs[static_cast<std::size_t>(end)];
        } else {
            ++runs[0];
            --runs[static_cast<std::size_t>(end - m)];
        }
        start = start + 1 == m ? 0 : start + 1;
    }
}

std::int64_t ColouringBound(std::span<const CellBlock> blocks, std::int64_t l, std::int64_t w,
                            std::vector<std::int64_t>& scratch) {
    std::int64_t area = 0;
    for (const CellBlock& b : blocks)
        area += std::max<std::int64_t>(0, b.width) * std::max<std::int64_t>(0, b.height);
    std::int64_t best = area / (l * w);
    for (const std::int64_t m : {l, w}) {
        if (m == 1)
            continue;
        for (const bool difference : {false, true}) {
            // Whole multiples of m along a row or a column hold every colour equally; only each
            // block's corner left over adds unevenly, a cyclic run of colours per cell column.
            scratch.assign(static_cast<std::size_t>(m + 1), 0);
            std::int64_t even = 0;
            for (const CellBlock& b : blocks) {
                if (b.width <= 0 || b.height <= 0)
                    continue;
                const std::int64_t ra = b.width % m, rb = b.height % m;
                even += (b.width * b.height - ra * rb) / m;
                AddColourRuns(scratch, m, difference, b.x + b.width - ra, b.y + b.height - rb, ra,
                              rb);
            }
            std::int64_t running = 0, rarest = -1;
            for (std::int64_t c = 0; c < m; ++c) {
                running += scratch[static_cast<std::size_t>(c)];
                if (rarest < 0 || running < rarest)
                    rarest = running;
            }
            best = std::min(best, (even + rarest) * m / (l * w));
        }
    }
    return best;
}
