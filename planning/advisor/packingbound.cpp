#include "planning/advisor/packingbound.h"

#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t MaxPoints = 400;
constexpr std::int64_t MaxSpan = 1 << 16;
// Beyond this many cells a step costs more than the bound is worth within the budget.
constexpr std::int64_t MaxCells = 40'000;
// A cap on the steps, so that where the relaxation closes in too slowly the exact step still gets
// some of the budget.
constexpr int MaxSteps = 3000;
// Weights are rounded down to multiples of 1 / Scale for the final sum in whole numbers.
constexpr std::int64_t Scale = std::int64_t{1} << 30;
// A step touches every cell a few times and every placement once; charged per this many.
constexpr std::int64_t TouchesPerUnit = 80;
// How often the weights are rounded and their bound worked out.
constexpr int CheckEvery = 10;
// The weights' steps against the fractional layer's: smaller favours the layer, which settles
// the weights faster on these problems.
constexpr double StepRatio = 0.25;

// How many of lo, lo+1, ..., hi-1 leave the remainder r on division by m (0 <= r < m, lo >= 0).
std::int64_t CountWithRemainder(std::int64_t lo, std::int64_t hi, std::int64_t r, std::int64_t m) {
    auto below = [&](std::int64_t n) { return n > r ? (n - r - 1) / m + 1 : 0; };
    return below(hi) - below(lo);
}

std::int64_t Mod(std::int64_t a, std::int64_t m) {
    return ((a % m) + m) % m;
}

class Relaxation {
  public:
    Relaxation(const Raster& rx, int px, const Raster& ry, int py, std::int64_t l, std::int64_t w)
        : rx_(rx), ry_(ry), nx_(px - 1), ny_(py - 1), l_(l), w_(w) {
        const std::int64_t X = rx.At(px - 1), Y = ry.At(py - 1);
        for (const auto& [a, b] : {std::pair{l, w}, std::pair{w, l}}) {
            for (int i = 0; i < px && rx.At(i) + a <= X; ++i) {
                const int i1 = rx.Index(rx.At(i) + a);
                for (int j = 0; j < py && ry.At(j) + b <= Y; ++j)
                    placements_.push_back({i, i1, j, ry.Index(ry.At(j) + b)});
            }
            if (l == w)
                break;
        }
        weights_.assign(static_cast<std::size_t>(nx_ * ny_), 0.0);
    }

    // The work of one step, or of one exact bound, in the budget's units.
    std::int64_t StepCost() const {
        return std::max<std::int64_t>(
            1, (3 * nx_ * ny_ + static_cast<std::int64_t>(placements_.size())) / TouchesPerUnit);
    }

    // Weights to start from: the cells' share of the area, or of the rarest colour of a
    // colouring in which every bundle covers each colour alike, whichever bounds lower.
    void StartFromColouring() {
        const std::int64_t X = rx_.At(nx_), Y = ry_.At(ny_);
        double best = static_cast<double>(X * Y) / static_cast<double>(l_ * w_);
        for (int i = 0; i < nx_; ++i) {
            for (int j = 0; j < ny_; ++j)
                Weight(i, j) = static_cast<double>(CellWidth(i) * CellHeight(j)) /
                               static_cast<double>(l_ * w_);
        }
        for (const auto& [m, other] : {std::pair{l_, w_}, std::pair{w_, l_}}) {
            if (m == 1 || (m == w_ && l_ == w_))
                continue;
            for (const bool difference : {false, true}) {
                // The row remainder of colour c in column i. (m is captured by copy: clang 14
                // cannot capture a structured binding.)
                auto row = [&, m = m](std::int64_t i, std::int64_t c) {
                    return difference ? Mod(i - c, m) : Mod(c - i, m);
                };
                std::int64_t rarest = -1, colour = 0;
                for (std::int64_t c = 0; c < m; ++c) {
                    std::int64_t n = 0;
                    for (std::int64_t i = 0; i < X; ++i)
                        n += CountWithRemainder(0, Y, row(i, c), m);
                    if (rarest < 0 || n < rarest) {
                        rarest = n;
                        colour = c;
                    }
                }
                const double total = static_cast<double>(rarest) / static_cast<double>(other);
                if (total >= best)
                    continue;
                best = total;
                for (int i = 0; i < nx_; ++i) {
                    for (int j = 0; j < ny_; ++j) {
                        std::int64_t n = 0;
                        for (std::int64_t u = rx_.At(i); u < rx_.At(i + 1); ++u)
                            n += CountWithRemainder(ry_.At(j), ry_.At(j + 1), row(u, colour), m);
                        Weight(i, j) = static_cast<double>(n) / static_cast<double>(other);
                    }
                }
            }
        }
    }

    // What the weights to start from cost, in the budget's units.
    std::int64_t StartCost() const {
        const std::int64_t X = rx_.At(nx_);
        return std::max<std::int64_t>(1, (2 * (l_ + w_) * X + 4 * X * ny_) / TouchesPerUnit);
    }

    // One step of the primal-dual hybrid gradient method on the relaxation and its dual, the
    // covering of placements by cell weights (`weights_`, with the shortfalls `shortfall_`) against
    // the fractional layer (`layer_`), each variable stepped by the inverse of how many it meets.
    void Step(double ratio) {
        if (layer_.empty()) {
            layer_.assign(placements_.size(), 0.0);
            shortfall_.assign(placements_.size(), 0.0);
            std::vector<double> ones(placements_.size(), 1.0);
            Spread(ones, degree_);
        }
        Spread(layer_, spread_);
        next_.resize(weights_.size());
        for (std::size_t c = 0; c < weights_.size(); ++c) {
            const double next =
                std::max(0.0, weights_[c] - ratio / std::max(1.0, degree_[c]) * (1.0 - spread_[c]));
            next_[c] = 2 * next - weights_[c];
            weights_[c] = next;
        }
        Gather(next_, gathered_);
        for (std::size_t k = 0; k < placements_.size(); ++k) {
            const double next = std::max(0.0, shortfall_[k] - ratio * (1.0 - layer_[k]));
            const double extrapolated = 2 * next - shortfall_[k];
            shortfall_[k] = next;
            const Rect& p = placements_[k];
            const double cells = static_cast<double>((p.i1 - p.i0) * (p.j1 - p.j0)) + 1.0;
            layer_[k] =
                std::max(0.0, layer_[k] + (1.0 - gathered_[k] - extrapolated) / (ratio * cells));
        }
    }

    // Rounds the present weights down to whole multiples of 1 / Scale and sums their bound in
    // whole numbers: exact, and sound for any weights. Keeps the weights of the lowest sum.
    void RoundAndSum() {
        whole_.resize(weights_.size());
        std::int64_t total = 0;
        for (std::size_t c = 0; c < weights_.size(); ++c) {
            // Weights above one buy nothing; anything not a positive number counts as none.
            const double weight = weights_[c] > 0 ? std::min(weights_[c], 1.0) : 0.0;
            whole_[c] = static_cast<std::int64_t>(std::floor(weight * static_cast<double>(Scale)));
            total += whole_[c];
        }
        Prefix(whole_, wholeSums_);
        std::int64_t shortfall = 0;
        for (const Rect& p : placements_)
            shortfall += std::max<std::int64_t>(0, Scale - Sum(wholeSums_, p));
        total += shortfall;
        if (best_.Weight.empty() || total < bestTotal_) {
            bestTotal_ = total;
            best_.Weight = whole_;
            best_.Shortfall = shortfall;
        }
    }

    std::int64_t Bound() const { return bestTotal_ / Scale; }

    // The best weights, on the cells of a rectangle given the other way round when `turned`.
    CellWeights Best(bool turned) const {
        CellWeights weights = best_;
        weights.Scale = Scale;
        weights.Columns = turned ? ny_ : nx_;
        weights.Rows = turned ? nx_ : ny_;
        if (turned) {
            for (int i = 0; i < nx_; ++i) {
                for (int j = 0; j < ny_; ++j)
                    weights.Weight[static_cast<std::size_t>(j * nx_ + i)] =
                        best_.Weight[Cell(i, j)];
            }
        }
        return weights;
    }

  private:
    struct Rect {
        int i0, i1, j0, j1;
    };

    std::size_t Cell(int i, int j) const { return static_cast<std::size_t>(i * ny_ + j); }
    double& Weight(int i, int j) { return weights_[Cell(i, j)]; }
    std::int64_t CellWidth(int i) const { return rx_.At(i + 1) - rx_.At(i); }
    std::int64_t CellHeight(int j) const { return ry_.At(j + 1) - ry_.At(j); }

    // perCell[c]: the sum of perPlacement over the placements that cover cell c.
    void Spread(const std::vector<double>& perPlacement, std::vector<double>& perCell) {
        const auto stride = static_cast<std::size_t>(ny_ + 1);
        corners_.assign(static_cast<std::size_t>(nx_ + 1) * stride, 0.0);
        auto at = [&](int i, int j) -> double& {
            return corners_[static_cast<std::size_t>(i) * stride + static_cast<std::size_t>(j)];
        };
        for (std::size_t k = 0; k < placements_.size(); ++k) {
            const Rect& p = placements_[k];
            const double v = perPlacement[k];
            at(p.i0, p.j0) += v;
            at(p.i1, p.j0) -= v;
            at(p.i0, p.j1) -= v;
            at(p.i1, p.j1) += v;
        }
        perCell.resize(weights_.size());
        for (int i = 0; i < nx_; ++i) {
            for (int j = 0; j < ny_; ++j) {
                if (i > 0)
                    at(i, j) += at(i - 1, j);
                if (j > 0)
                    at(i, j) += at(i, j - 1);
                if (i > 0 && j > 0)
                    at(i, j) -= at(i - 1, j - 1);
                perCell[Cell(i, j)] = at(i, j);
            }
        }
    }

    // perPlacement[k]: the sum of perCell over the cells placement k covers.
    void Gather(const std::vector<double>& perCell, std::vector<double>& perPlacement) {
        Prefix(perCell, sums_);
        perPlacement.resize(placements_.size());
        for (std::size_t k = 0; k < placements_.size(); ++k)
            perPlacement[k] = Sum(sums_, placements_[k]);
    }

    // sums[(i, j)] holds the weights of the cells left of column i and below row j.
    template <typename T> void Prefix(const std::vector<T>& cells, std::vector<T>& sums) const {
        const auto stride = static_cast<std::size_t>(ny_ + 1);
        sums.assign(static_cast<std::size_t>(nx_ + 1) * stride, T{});
        for (int i = 0; i < nx_; ++i) {
            T column{};
            for (int j = 0; j < ny_; ++j) {
                column += cells[Cell(i, j)];
                sums[static_cast<std::size_t>(i + 1) * stride + static_cast<std::size_t>(j + 1)] =
                    sums[static_cast<std::size_t>(i) * stride + static_cast<std::size_t>(j + 1)] +
                    column;
            }
        }
    }

    template <typename T> T Sum(const std::vector<T>& sums, const Rect& p) const {
        const auto stride = static_cast<std::size_t>(ny_ + 1);
        auto at = [&](int i, int j) {
            return sums[static_cast<std::size_t>(i) * stride + static_cast<std::size_t>(j)];
        };
        return at(p.i1, p.j1) - at(p.i0, p.j1) - at(p.i1, p.j0) + at(p.i0, p.j0);
    }

    const Raster& rx_;
    const Raster& ry_;
    std::int64_t nx_, ny_, l_, w_;
    std::vector<Rect> placements_;
    std::vector<double> weights_, sums_, corners_, next_, spread_, gathered_, degree_;
    std::vector<double> layer_, shortfall_;
    std::vector<std::int64_t> whole_, wholeSums_;
    CellWeights best_;
    std::int64_t bestTotal_ = 0;
};

} // namespace

struct PackingRelaxation::Impl {
    Impl(Raster x, Raster y, int px, int py, std::int64_t l, std::int64_t w, bool turned)
        : rx(std::move(x)), ry(std::move(y)), relaxation(rx, px, ry, py, l, w), turned(turned) {}

    Raster rx, ry;
    Relaxation relaxation;
    bool turned;
    bool started = false;
    int steps = 0;
};

PackingRelaxation::PackingRelaxation(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
PackingRelaxation::PackingRelaxation(PackingRelaxation&&) noexcept = default;
PackingRelaxation& PackingRelaxation::operator=(PackingRelaxation&&) noexcept = default;
PackingRelaxation::~PackingRelaxation() = default;

std::optional<PackingRelaxation> PackingRelaxation::Make(std::int64_t x, std::int64_t y,
                                                         std::int64_t l, std::int64_t w) {
    if (l < w)
        std::swap(l, w);
    // The longer side across the columns, so the answer does not depend on which side came first.
    const bool turned = x < y;
    if (turned)
        std::swap(x, y);
    if (w <= 0 || y < w)
        return std::nullopt;
    std::optional<Raster> rx = Raster::Make(x, l, w, MaxPoints, MaxSpan);
    std::optional<Raster> ry = Raster::Make(y, l, w, MaxPoints, MaxSpan);
    if (!rx || !ry)
        return std::nullopt;
    const int px = rx->Index(x) + 1, py = ry->Index(y) + 1;
    if (px < 2 || py < 2 || std::int64_t{px - 1} * (py - 1) > MaxCells)
        return std::nullopt;
    return PackingRelaxation(
        std::make_unique<Impl>(std::move(*rx), std::move(*ry), px, py, l, w, turned));
}

std::optional<std::int64_t> PackingRelaxation::Improve(std::int64_t goal, BudgetMeter& meter) {
    Relaxation& relaxation = impl_->relaxation;
    if (!impl_->started) {
        if (!meter.Spend(relaxation.StartCost()))
            return std::nullopt;
        relaxation.StartFromColouring();
        if (!meter.Spend(relaxation.StepCost()))
            return std::nullopt;
        relaxation.RoundAndSum();
        impl_->started = true;
    }
    for (; impl_->steps < MaxSteps && relaxation.Bound() > goal; ++impl_->steps) {
        if (!meter.Spend(relaxation.StepCost()))
            break;
        relaxation.Step(StepRatio);
        if (impl_->steps % CheckEvery == CheckEvery - 1) {
            if (!meter.Spend(relaxation.StepCost()))
                break;
            relaxation.RoundAndSum();
        }
    }
    return relaxation.Bound();
}

CellWeights PackingRelaxation::Weights() const {
    return impl_->relaxation.Best(impl_->turned);
}

std::optional<PackingBoundResult> PackingBound(std::int64_t x, std::int64_t y, std::int64_t l,
                                               std::int64_t w, std::int64_t goal,
                                               BudgetMeter& meter) {
    std::optional<PackingRelaxation> relaxation = PackingRelaxation::Make(x, y, l, w);
    if (!relaxation)
        return std::nullopt;
    const std::optional<std::int64_t> bound = relaxation->Improve(goal, meter);
    if (!bound)
        return std::nullopt;
    return PackingBoundResult{*bound, relaxation->Weights()};
}
