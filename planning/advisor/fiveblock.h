#pragma once

#include "planning/advisor/frame.h"
#include "planning/advisor/raster.h"

#include <array>
#include <cstdint>
#include <vector>

class BudgetMeter;

// Best layers of rectangles made by cutting straight through or into five blocks around a
// centre, again and again, every piece solved once and remembered. A piece and its transpose
// hold the same, so each is kept once, the shorter side first.
class FiveBlockSearch {
  public:
    FiveBlockSearch(std::int64_t l, std::int64_t w, const Raster& raster, BudgetMeter& meter);

    // Best guillotine layer of every piece, smallest first; false when the budget ran out.
    bool Guillotine();

    // Best layer of the piece of raster lengths a x b, searched once and remembered.
    std::int64_t Solve(int a, int b);

    std::int64_t Value(int a, int b) const { return At(a, b).value; }
    std::int64_t Bound(int a, int b) const { return At(a, b).bound; }

    void Build(int a, int b, Frame frame, std::vector<BundleBlock>& out) const;

  private:
    enum class Kind : std::uint8_t { Empty, Lengthwise, Crosswise, CutX, CutY, Pinwheel };

    struct Piece {
        std::int64_t bound = 0;
        std::int64_t value = 0;
        std::array<std::int32_t, 4> cut{};
        Kind kind = Kind::Empty;
        bool settled = false;
    };

    Piece& At(int a, int b) {
        return a <= b ? pieces_[static_cast<std::size_t>(a * n_ + b)]
                      : pieces_[static_cast<std::size_t>(b * n_ + a)];
    }
    const Piece& At(int a, int b) const { return const_cast<FiveBlockSearch*>(this)->At(a, b); }

    // Area of a piece that no layer of it can cover: what its bound already gives away.
    std::int64_t Waste(std::int64_t u, std::int64_t v) const {
        return u * v - At(raster_.Index(u), raster_.Index(v)).bound * area_;
    }
    std::int64_t Bound(std::int64_t u, std::int64_t v) const {
        return At(raster_.Index(u), raster_.Index(v)).bound;
    }
    // Waste a piece may still leave for an arrangement to beat what it has.
    std::int64_t Slack(const Piece& p, std::int64_t u, std::int64_t v) const {
        return u * v - (p.value + 1) * area_;
    }

    // Sum of the best layers of the parts, looked up one by one and given up as soon as it can
    // no longer beat `toBeat`; 0 then.
    template <std::size_t N>
    std::int64_t SumOfParts(const std::array<std::pair<std::int64_t, std::int64_t>, N>& parts,
                            std::int64_t toBeat);

    void TryCuts(Piece& piece, std::int64_t u, std::int64_t v);
    void TryPinwheels(Piece& piece, std::int64_t u, std::int64_t v);
    static void Record(Piece& piece, std::int64_t value, Kind kind,
                       std::array<std::int32_t, 4> cut);

    std::int64_t l_, w_, area_;
    const Raster& raster_;
    int n_;
    std::vector<Piece> pieces_;
    BudgetMeter& meter_;
};
