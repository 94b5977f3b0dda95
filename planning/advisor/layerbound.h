#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Whole sizes in any common unit; rectangle sides non-negative, bundle sides positive.

// The largest a * p + b * q (a, b >= 0) not above limit: how much of a side bundles lying
// either way can ever fill. -1 for a negative limit.
std::int64_t LargestCombination(std::int64_t limit, std::int64_t p, std::int64_t q);

// The least area that packing an x * y rectangle with 1 x m bars must leave empty, whatever the
// sizes: colour the unit cells by (column + row) mod m, every bar covers each colour once, and
// the corner left over by whole multiples of m holds too few cells of one colour.
std::int64_t BarWaste(std::int64_t x, std::int64_t y, std::int64_t m);

// No layer of l x w bundles in an x * y rectangle holds more: the sides are first cut down to
// what bundles can fill, then the area less the larger bar waste (bundles are bars of either
// side) is divided by the bundle area. A side shorter than the long bundle side forces every
// bundle one way round, and then the grid count is exact.
std::int64_t ScaledUpperBound(std::int64_t x, std::int64_t y, std::int64_t l, std::int64_t w);

// The same for sides that are already sums of bundle sides (l >= w), as the search meets them.
std::int64_t FilledUpperBound(std::int64_t x, std::int64_t y, std::int64_t l, std::int64_t w);

// A rectangle of cells, lower-left cell (x, y).
struct CellBlock {
    std::int64_t x = 0, y = 0, width = 0, height = 0;
};

// Counts the colours of `columns` x `rows` cells from cell (x, y), rows < m, coloured by
// (column + row) mod m, or (column - row) mod m when `difference`: each column is a cyclic run
// of `rows` colours, one colour on from the column before, added to `runs`, a difference array
// of m + 1 entries (the count of colour c is the sum of runs[0..c]). Takes one step a column.
void AddColourRuns(std::vector<std::int64_t>& runs, std::int64_t m, bool difference, std::int64_t x,
                   std::int64_t y, std::int64_t columns, std::int64_t rows);

// No more l x w bundles fit in a region made of disjoint blocks: colour each cell by
// (column + row) mod m, and again by (column - row) mod m, for m = l and m = w; a bundle is l x w
// bars of length m, each covering every colour once, so the rarest colour caps the count. For a
// rectangle this is the side-waste bound; for other regions it catches waste the area bound
// misses. scratch is reused between calls.
std::int64_t ColouringBound(std::span<const CellBlock> blocks, std::int64_t l, std::int64_t w,
                            std::vector<std::int64_t>& scratch);
