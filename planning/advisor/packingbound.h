#pragma once

#include <cstdint>
#include <optional>

class BudgetMeter;

// A bound from the linear relaxation of the layer as a set packing: a bundle may lie with its
// lower left corner on any pair of raster lengths, and the raster lines cut the rectangle into
// cells that each bundle covers whole, so a layer is a choice of placements covering no cell
// twice. Any non-negative weights on the cells bound every layer by
//     (sum of weights) + (for every placement, how far its cells' weights fall short of one),
// since a bundle placed either brings its shortfall or is paid for by the weights it covers.
// The weights start from the colouring that gives the side waste bound and are improved by
// primal-dual steps (weights against a fractional layer); every few steps they are rounded down
// to whole multiples of a small unit and the bound is summed in whole numbers, so rounding never
// makes it unsound, however far the steps have got.
//
// Returns the best bound found for l x w bundles (l >= w) in an x * y rectangle, stopping early
// once it is at most `goal`; none when the rectangle has too many raster cells or the budget ran
// out before the first bound.
std::optional<std::int64_t> PackingBound(std::int64_t x, std::int64_t y, std::int64_t l,
                                         std::int64_t w, std::int64_t goal, BudgetMeter& meter);
