#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

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
// The weights behind a bound, in whole units of 1 / Scale, on the raster cells of the rectangle
// as given (Columns along x, Rows along y, cell (i, j) at i * Rows + j). Any part of a layer
// holds no more bundles than the weights of the cells it may still use, plus Shortfall (the
// shortfalls of all placements together), over Scale: the exact step prunes with that.
struct CellWeights {
    std::int64_t Scale = 1;
    std::int64_t Columns = 0, Rows = 0;
    std::vector<std::int64_t> Weight;
    std::int64_t Shortfall = 0;
};

// The relaxation kept between calls, so that it can be improved a little, the exact step tried
// with its weights, and then improved further.
class PackingRelaxation {
  public:
    // None when the rectangle has too many raster cells (or no bundle fits it).
    static std::optional<PackingRelaxation> Make(std::int64_t x, std::int64_t y, std::int64_t l,
                                                 std::int64_t w);
    PackingRelaxation(PackingRelaxation&&) noexcept;
    PackingRelaxation& operator=(PackingRelaxation&&) noexcept;
    ~PackingRelaxation();

    // Improves the weights until the bound is at most `goal`, the budget is spent or the steps
    // reach their cap (counted over all calls); the best bound so far, none when the budget ran
    // out before the first.
    std::optional<std::int64_t> Improve(std::int64_t goal, BudgetMeter& meter);
    // The weights of the best bound so far.
    CellWeights Weights() const;

  private:
    struct Impl;
    explicit PackingRelaxation(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

struct PackingBoundResult {
    std::int64_t Bound = 0;
    CellWeights Weights; // the weights of the lowest sum found
};

// The same in one call: the best bound found for l x w bundles (either way round) in an x * y
// rectangle, stopping early once it is at most `goal`; none when the rectangle has too many
// raster cells or the budget ran out before the first bound.
std::optional<PackingBoundResult> PackingBound(std::int64_t x, std::int64_t y, std::int64_t l,
                                               std::int64_t w, std::int64_t goal,
                                               BudgetMeter& meter);
