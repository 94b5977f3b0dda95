#include "planning/advisor/exactlayer.h"

#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/layerbound.h"
#include "planning/advisor/packingbound.h"
#include "planning/advisor/raster.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

namespace {

// The exact step only takes rectangles of a few hundred distinct lengths a side: beyond that
// neither its tables nor its tree stay small.
constexpr std::size_t MaxPoints = 400;
constexpr std::int64_t MaxSpan = 1 << 16;
// What the memory of failed partial layers may hold: column heights of all profiles together
// (two bytes each), and each profile costs a table entry beside.
constexpr std::size_t MaxMemoHeights = std::size_t{8} << 20;
// Work charged for a node (mostly looking its profile up in the memory, a cache miss), and for
// remembering a profile: in the same units as a candidate of the search for layers.
constexpr std::int64_t NodeCost = 8;
constexpr std::int64_t MemoCost = 4;
// A node also walks the profile and counts the colours of a cell it leaves empty, which grows
// with the columns, the cell and the bundle side: steps beyond what the node's cost covers are
// charged too.
// Deeper than this the tree is given up as undecided: the recursion must stay within the stack
// of any thread.
constexpr int MaxDepth = 4096;

// Every layer can be pushed left and down until each bundle touches a bundle or the border on
// both sides, and then every corner lies on raster lengths (sums of bundle sides): the raster
// lines cut the rectangle into cells that each bundle covers whole. Cells are filled in order,
// lowest row first and leftmost first within it; the first cell not yet decided either takes
// the lower left corner of a bundle, one way round or the other, or stays empty. What is decided
// is a profile, a height for every column of cells, and the same profile reached with no more
// bundles fails the same way again, so failed profiles are remembered.
class ExactPacker {
  public:
    ExactPacker(const Raster& rx, int nx, const Raster& ry, int ny, std::int64_t l, std::int64_t w,
                std::int64_t target, BudgetMeter& meter)
        : rx_(rx), ry_(ry), nx_(nx), ny_(ny), l_(l), w_(w), target_(target), meter_(meter),
          height_(static_cast<std::size_t>(nx - 1), 0) {
        const std::int64_t X = rx.At(nx - 1), Y = ry.At(ny - 1);
        allowedWaste_ = X * Y - target * l * w;
        // A column of cells above height h can only be filled up to a sum of bundle sides.
        for (int h = 0; h < ny; ++h) {
            const std::int64_t above = Y - ry.At(h);
            unfillable_.push_back(above - LargestCombination(above, l, w));
        }
        for (int k = 0; k < nx - 1; ++k)
            columnWaste_ += ColumnWaste(k, 0);
        SetUpColourings(X, Y);
    }

    // Takes the relaxation's weights, turned to this packer's columns and rows when `turned`.
    void UseWeights(const CellWeights& weights, bool turned) {
        scale_ = weights.Scale;
        spare_ = weights.Shortfall;
        const auto rows = static_cast<std::size_t>(ny_);
        weightSums_.assign(static_cast<std::size_t>(nx_) * rows, 0);
        for (int k = 0; k + 1 < nx_; ++k) {
            std::int64_t column = 0;
            for (int h = 0; h + 1 < ny_; ++h) {
                const std::int64_t cell = turned ? h * weights.Rows + k : k * weights.Rows + h;
                column += weights.Weight[static_cast<std::size_t>(cell)];
                WeightSum(k + 1, h + 1) = WeightSum(k, h + 1) + column;
            }
        }
        openWeight_ = WeightSum(nx_ - 1, ny_ - 1);
    }

    // True when the target fits; Aborted() tells a budget that ran out from a proof.
    bool Search(std::int64_t placed, std::int64_t waste, int depth = 0) {
        if (placed >= target_)
            return true;
        if (!WeightsLeaveRoom(placed))
            return false;
        if (depth == 0 && !ColoursLeaveRoom())
            return false;
        steps_ += nx_;
        if (depth > MaxDepth || !meter_.Spend(NodeWork())) {
            aborted_ = true;
            return false;
        }
        int c = 0;
        std::uint64_t hash = 0;
        for (int k = 0; k < nx_ - 1; ++k) {
            const std::int16_t h = height_[static_cast<std::size_t>(k)];
            hash = (hash ^ static_cast<std::uint64_t>(h)) * 0x100000001B3ull;
            if (h < height_[static_cast<std::size_t>(c)])
                c = k;
        }
        const int r = height_[static_cast<std::size_t>(c)];
        if (r >= ny_ - 1)
            return false;
        if (waste + columnWaste_ > allowedWaste_ || KnownToFail(hash, placed))
            return false;

        const std::int64_t x0 = rx_.At(c), y0 = ry_.At(r);
        const std::int64_t X = rx_.At(nx_ - 1), Y = ry_.At(ny_ - 1);
        for (const auto& [a, b] : {std::pair{l_, w_}, std::pair{w_, l_}}) {
            if (x0 + a <= X && y0 + b <= Y) {
                const int end = rx_.Index(x0 + a);
                const int top = ry_.Index(y0 + b);
                bool level = true;
                for (int k = c; k < end && level; ++k)
                    level = height_[static_cast<std::size_t>(k)] == r;
                if (level) {
                    for (int k = c; k < end; ++k)
                        SetHeight(k, top);
                    const std::int64_t covered = WeightOf(c, end, r, top);
                    openWeight_ -= covered;
                    placed_.push_back({x0, y0, a, b});
                    if (Search(placed + 1, waste, depth + 1))
                        return true;
                    placed_.pop_back();
                    openWeight_ += covered;
                    for (int k = c; k < end; ++k)
                        SetHeight(k, r);
                }
            }
            if (l_ == w_)
                break;
        }
        const std::int64_t cw = rx_.At(c + 1) - x0, ch = ry_.At(r + 1) - y0;
        if (waste + cw * ch <= allowedWaste_) {
            for (Colouring& colouring : colourings_)
                steps_ += colouring.Count(x0, y0, cw, ch, -1);
            const std::int64_t lost = WeightOf(c, c + 1, r, r + 1);
            openWeight_ -= lost;
            if (ColoursLeaveRoom()) {
                SetHeight(c, r + 1);
                const bool found = Search(placed, waste + cw * ch, depth + 1);
                SetHeight(c, r);
                if (found)
                    return true;
            }
            openWeight_ += lost;
            for (Colouring& colouring : colourings_)
                steps_ += colouring.Count(x0, y0, cw, ch, +1);
        }
        if (!aborted_)
            RememberFailure(hash, placed);
        return false;
    }

    bool Aborted() const { return aborted_; }

    struct Box {
        std::int64_t x, y, a, b;
    };
    const std::vector<Box>& Placed() const { return placed_; }

  private:
    std::int64_t& WeightSum(int k, int h) {
        return weightSums_[static_cast<std::size_t>(k) * static_cast<std::size_t>(ny_) +
                           static_cast<std::size_t>(h)];
    }

    // The weights of the cells in columns [k0, k1) and rows [h0, h1); none without weights.
    std::int64_t WeightOf(int k0, int k1, int h0, int h1) {
        if (weightSums_.empty())
            return 0;
        return WeightSum(k1, h1) - WeightSum(k0, h1) - WeightSum(k1, h0) + WeightSum(k0, h0);
    }

    // Whatever bundles still come lie on open cells, so they are at most the open cells' weights
    // plus the shortfall, over the scale.
    bool WeightsLeaveRoom(std::int64_t placed) const {
        return weightSums_.empty() || placed * scale_ + openWeight_ + spare_ >= target_ * scale_;
    }

    // The area a column of cells must still leave empty above height h.
    std::int64_t ColumnWaste(int k, int h) const {
        return (rx_.At(k + 1) - rx_.At(k)) * unfillable_[static_cast<std::size_t>(h)];
    }

    void SetHeight(int k, int h) {
        std::int16_t& height = height_[static_cast<std::size_t>(k)];
        columnWaste_ += ColumnWaste(k, h) - ColumnWaste(k, height);
        height = static_cast<std::int16_t>(h);
    }

    // Colour each cell of the grid by (column + row) mod m, or (column - row) mod m, for m a
    // bundle side: every bundle covers each colour the same number of times (the other side),
    // so no layer holds more bundles than the rarest colour left free allows. Bundles take every
    // colour alike, so only the cells left empty change which colour is rarest; their counts are
    // kept as the search goes, which makes this bound cost almost nothing per node.
    struct Colouring {
        std::int64_t m = 1, perBundle = 1;
        bool difference = false;
        // Free cells of every colour: everyColour plus the colour's own entry.
        std::int64_t everyColour = 0;
        std::vector<std::int64_t> free;
        std::vector<std::int64_t> runs; // scratch for AddColourRuns

        // Adds sign times the colours of a width x height rectangle at (x, y). Returns the steps
        // it took.
        std::int64_t Count(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height,
                           std::int64_t sign) {
            const std::int64_t cycles = height / m, rest = height % m;
            // Each whole cycle of a column adds one cell of every colour; what is left at the
            // top of the columns adds a run of colours each.
            everyColour += sign * cycles * width;
            if (rest == 0)
                return 1;
            runs.assign(static_cast<std::size_t>(m + 1), 0);
            AddColourRuns(runs, m, difference, x, y + height - rest, width, rest);
            std::int64_t running = 0;
            for (std::int64_t c = 0; c < m; ++c) {
                running += runs[static_cast<std::size_t>(c)];
                free[static_cast<std::size_t>(c)] += sign * running;
            }
            return width + 2 * m;
        }

        std::int64_t MostBundles() const {
            return (everyColour + *std::min_element(free.begin(), free.end())) / perBundle;
        }
    };

    void SetUpColourings(std::int64_t X, std::int64_t Y) {
        for (const auto& [m, other] : {std::pair{l_, w_}, std::pair{w_, l_}}) {
            if (m == 1 || (m == w_ && l_ == w_))
                continue;
            for (const bool difference : {false, true}) {
                Colouring colouring{m,
                                    other,
                                    difference,
                                    0,
                                    std::vector<std::int64_t>(static_cast<std::size_t>(m), 0),
                                    {}};
                colouring.Count(0, 0, X, Y, +1);
                colourings_.push_back(std::move(colouring));
            }
        }
    }

    bool ColoursLeaveRoom() {
        for (const Colouring& colouring : colourings_) {
            steps_ += colouring.m;
            if (colouring.MostBundles() < target_)
                return false;
        }
        return true;
    }

    // The work of a node: its cost, or the steps counted since the last node if more.
    std::int64_t NodeWork() {
        const std::int64_t work = std::max(NodeCost, steps_ / BudgetMeter::StepsPerUnit);
        steps_ = 0;
        return work;
    }

    // A profile is found by its hash and then compared in full, so two profiles that share a
    // hash never stand for each other: a proof never rests on a hash.
    bool SameProfile(std::size_t at) const {
        return std::equal(height_.begin(), height_.end(),
                          profiles_.begin() + static_cast<std::ptrdiff_t>(at));
    }

    // Open addressing in a table of a power-of-two size, doubled when half full.
    std::size_t Slot(std::uint64_t hash) const {
        std::uint64_t mixed = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCDull;
        mixed = (mixed ^ (mixed >> 33)) * 0xC4CEB9FE1A85EC53ull;
        std::size_t slot = static_cast<std::size_t>(mixed ^ (mixed >> 33)) & (table_.size() - 1);
        while (table_[slot].used && table_[slot].hash != hash)
            slot = (slot + 1) & (table_.size() - 1);
        return slot;
    }

    bool KnownToFail(std::uint64_t hash, std::int64_t placed) const {
        if (table_.empty())
            return false;
        const Failure& f = table_[Slot(hash)];
        return f.used && placed <= f.placed && SameProfile(f.at);
    }

    void RememberFailure(std::uint64_t hash, std::int64_t placed) {
        if (table_.empty())
            table_.resize(std::size_t{1} << 12);
        Failure& f = table_[Slot(hash)];
        if (f.used) {
            if (SameProfile(f.at))
                f.placed = std::max(f.placed, placed);
            return;
        }
        if (profiles_.size() + height_.size() > MaxMemoHeights || !meter_.Spend(MemoCost))
            return;
        f = {hash, profiles_.size(), placed, true};
        profiles_.insert(profiles_.end(), height_.begin(), height_.end());
        if (++stored_ * 2 > table_.size())
            Grow();
    }

    void Grow() {
        std::vector<Failure> old(table_.size() * 2);
        old.swap(table_);
        for (const Failure& f : old) {
            if (f.used)
                table_[Slot(f.hash)] = f;
        }
    }

    const Raster& rx_;
    const Raster& ry_;
    int nx_, ny_;
    std::int64_t l_, w_, target_;
    BudgetMeter& meter_;
    std::vector<std::int16_t> height_;
    std::int64_t allowedWaste_ = 0;
    // Every vertical line through a column crosses bundles whose sides sum to at most what is
    // left above the column, so the rest of that column stays empty whatever comes: the sum of
    // that over all columns is waste still to come.
    std::vector<std::int64_t> unfillable_;
    std::int64_t columnWaste_ = 0;
    std::vector<Box> placed_;
    // Failed profiles: where the profile is kept, and the most bundles it failed with. One
    // profile per hash: a second profile with the same hash is simply not remembered.
    struct Failure {
        std::uint64_t hash = 0;
        std::size_t at = 0;
        std::int64_t placed = 0;
        bool used = false;
    };
    std::vector<Failure> table_;
    std::size_t stored_ = 0;
    std::vector<std::int16_t> profiles_;
    bool aborted_ = false;
    std::vector<Colouring> colourings_;
    std::int64_t steps_ = 0;
    // The relaxation's weights as sums over the cells left of and below each raster point
    // (empty: none given), the weight of the cells not yet decided, and the shortfall.
    std::vector<std::int64_t> weightSums_;
    std::int64_t openWeight_ = 0, spare_ = 0, scale_ = 1;
};

} // namespace

ExactAnswer FitExactly(std::int64_t x, std::int64_t y, std::int64_t l, std::int64_t w,
                       std::int64_t target, BudgetMeter& meter, const CellWeights* weights) {
    ExactAnswer answer;
    if (l <= 0 || w <= 0 || x < 0 || y < 0)
        return answer;
    if (target <= 0) {
        answer.outcome = ExactAnswer::Outcome::Fits;
        return answer;
    }
    std::optional<Raster> rx = Raster::Make(x, l, w, MaxPoints, MaxSpan);
    std::optional<Raster> ry = Raster::Make(y, l, w, MaxPoints, MaxSpan);
    if (!rx || !ry)
        return answer;
    // The profile runs along the side with fewer raster lengths: fewer columns, fewer profiles.
    const bool transposed = ry->Size() < rx->Size();
    if (transposed) {
        std::swap(rx, ry);
        std::swap(x, y);
    }
    const int nx = rx->Index(x) + 1, ny = ry->Index(y) + 1;
    if (nx < 2 || ny < 2 || rx->At(nx - 1) * ry->At(ny - 1) < target * l * w) {
        answer.outcome = ExactAnswer::Outcome::DoesNotFit;
        return answer;
    }
    // Setting up costs about one unit per raster length.
    if (!meter.Spend(rx->Size() + ry->Size()))
        return answer;
    ExactPacker packer(*rx, nx, *ry, ny, l, w, target, meter);
    // Weights made for another raster (another rectangle) would prove nothing: left out.
    if (weights != nullptr && weights->Columns == (transposed ? ny : nx) - 1 &&
        weights->Rows == (transposed ? nx : ny) - 1 &&
        weights->Weight.size() == static_cast<std::size_t>(weights->Columns * weights->Rows))
        packer.UseWeights(*weights, transposed);
    if (packer.Search(0, 0)) {
        answer.outcome = ExactAnswer::Outcome::Fits;
        for (const ExactPacker::Box& b : packer.Placed()) {
            BundleBlock block{static_cast<std::int32_t>(b.x),
                              static_cast<std::int32_t>(b.y),
                              static_cast<std::int32_t>(b.a),
                              static_cast<std::int32_t>(b.b),
                              1,
                              1};
            if (transposed) {
                std::swap(block.X, block.Y);
                std::swap(block.LengthAlongX, block.WidthAlongY);
            }
            answer.blocks.push_back(block);
        }
    } else if (!packer.Aborted()) {
        answer.outcome = ExactAnswer::Outcome::DoesNotFit;
    }
    return answer;
}
