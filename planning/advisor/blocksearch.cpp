#include "planning/advisor/blocksearch.h"

#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/layerbound.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// A bundle always lies with its corner on a sum of bundle sides once it is pushed towards the
// origin, so only those lengths ("raster points") matter, and every piece is cut down to the
// largest of them that fits. Both limits keep the tables to a few megabytes.
constexpr std::int64_t MaxSpan = 1 << 20;
constexpr std::size_t MaxRasterPoints = 512;

enum class Kind : std::uint8_t { Empty, Lengthwise, Crosswise, CutX, CutY, Pinwheel };

struct Piece {
    std::int64_t bound = 0;
    std::int64_t value = 0;
    std::array<std::int32_t, 4> cut{};
    Kind kind = Kind::Empty;
    bool settled = false;
};

// Where a piece lies on the layer: its local (u, v) is (x + u, y + v), or (x + v, y + u) for a
// piece that is stored the other way round.
struct Frame {
    std::int64_t x = 0;
    std::int64_t y = 0;
    bool swapped = false;

    Frame At(std::int64_t u, std::int64_t v) const {
        return swapped ? Frame{x + v, y + u, swapped} : Frame{x + u, y + v, swapped};
    }
    Frame Transposed() const { return {x, y, !swapped}; }
};

class Search {
  public:
    Search(std::int64_t l, std::int64_t w, std::vector<std::int32_t> raster,
           std::vector<std::int32_t> floorIndex, BudgetMeter& meter)
        : l_(l), w_(w), area_(l * w), raster_(std::move(raster)),
          floorIndex_(std::move(floorIndex)), n_(static_cast<int>(raster_.size())),
          pieces_(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_)), meter_(meter) {}

    int Index(std::int64_t length) const { return floorIndex_[static_cast<std::size_t>(length)]; }

    // Best guillotine layer of every piece, smallest first; false when the budget ran out.
    bool Guillotine();

    // Best layer of a piece, found once and remembered.
    std::int64_t Solve(int a, int b);

    void Build(int a, int b, Frame frame, std::vector<BundleBlock>& out) const;

  private:
    Piece& At(int a, int b) {
        return a <= b ? pieces_[static_cast<std::size_t>(a * n_ + b)]
                      : pieces_[static_cast<std::size_t>(b * n_ + a)];
    }
    const Piece& At(int a, int b) const { return const_cast<Search*>(this)->At(a, b); }

    // Area of a piece that no layer of it can cover: what its bound already gives away.
    std::int64_t Waste(std::int64_t u, std::int64_t v) const {
        return u * v - At(Index(u), Index(v)).bound * area_;
    }
    std::int64_t Bound(std::int64_t u, std::int64_t v) const {
        return At(Index(u), Index(v)).bound;
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
    void Record(Piece& piece, std::int64_t value, Kind kind, std::array<std::int32_t, 4> cut);

    void Emit(const Frame& f, std::int64_t du, std::int64_t dv, std::int64_t cu, std::int64_t cv,
              std::vector<BundleBlock>& out) const;

    std::int64_t l_, w_, area_;
    std::vector<std::int32_t> raster_;
    std::vector<std::int32_t> floorIndex_;
    int n_;
    std::vector<Piece> pieces_;
    BudgetMeter& meter_;
};

void Search::Record(Piece& piece, std::int64_t value, Kind kind, std::array<std::int32_t, 4> cut) {
    piece.value = value;
    piece.kind = kind;
    piece.cut = cut;
}

bool Search::Guillotine() {
    for (int a = 0; a < n_; ++a) {
        const std::int64_t u = raster_[static_cast<std::size_t>(a)];
        for (int b = a; b < n_; ++b) {
            const std::int64_t v = raster_[static_cast<std::size_t>(b)];
            Piece& p = At(a, b);
            p.bound = FilledUpperBound(u, v, l_, w_);
            const std::int64_t lengthwise = (u / l_) * (v / w_);
            const std::int64_t crosswise = (u / w_) * (v / l_);
            if (lengthwise > 0 || crosswise > 0) {
                Record(p, std::max(lengthwise, crosswise),
                       lengthwise >= crosswise ? Kind::Lengthwise : Kind::Crosswise, {});
            }
            // Both halves of a cut are smaller pieces, already done; a cut past the middle is
            // never better than the one that cuts the other part off first.
            for (int c = 1; c < n_ && p.value < p.bound; ++c) {
                const std::int64_t r = raster_[static_cast<std::size_t>(c)];
                if (2 * r > std::max(u, v))
                    break;
                if (!meter_.Spend())
                    return false;
                if (2 * r <= u) {
                    const std::int64_t value = At(c, b).value + At(Index(u - r), b).value;
                    if (value > p.value)
                        Record(p, value, Kind::CutX, {static_cast<std::int32_t>(r)});
                }
                if (2 * r <= v) {
                    const std::int64_t value = At(a, c).value + At(a, Index(v - r)).value;
                    if (value > p.value)
                        Record(p, value, Kind::CutY, {static_cast<std::int32_t>(r)});
                }
            }
        }
    }
    return true;
}

template <std::size_t N>
std::int64_t Search::SumOfParts(const std::array<std::pair<std::int64_t, std::int64_t>, N>& parts,
                                std::int64_t toBeat) {
    std::int64_t sum = 0;
    for (const auto& [u, v] : parts)
        sum += Bound(u, v);
    for (const auto& [u, v] : parts) {
        const std::int64_t bound = Bound(u, v);
        sum -= bound - Solve(Index(u), Index(v));
        if (sum <= toBeat)
            return 0;
    }
    return sum;
}

void Search::TryCuts(Piece& piece, std::int64_t u, std::int64_t v) {
    for (int c = 1; c < n_; ++c) {
        const std::int64_t r = raster_[static_cast<std::size_t>(c)];
        if (2 * r > std::max(u, v))
            return;
        if (!meter_.Spend())
            return;
        if (2 * r <= u && Waste(r, v) + Waste(u - r, v) <= Slack(piece, u, v)) {
            const std::int64_t sum = SumOfParts<2>({{{r, v}, {u - r, v}}}, piece.value);
            if (sum > piece.value)
                Record(piece, sum, Kind::CutX, {static_cast<std::int32_t>(r)});
        }
        if (2 * r <= v && Waste(u, r) + Waste(u, v - r) <= Slack(piece, u, v)) {
            const std::int64_t sum = SumOfParts<2>({{{u, r}, {u, v - r}}}, piece.value);
            if (sum > piece.value)
                Record(piece, sum, Kind::CutY, {static_cast<std::int32_t>(r)});
        }
        if (piece.value >= piece.bound || meter_.Exhausted())
            return;
    }
}

// Five blocks around a centre, turning the same way: the left block x1 wide reaches up to y2,
// the bottom block y1 deep runs from x1 to the right side, the right block from x2 rises from y1
// to the top, the top block runs from the left side to x2, and the centre fills the rest. The
// left block's bundles can be pushed left and the bottom block's down, the right block's right
// and the top block's up, so x1 and y1 are raster lengths and x2 and y2 raster lengths short of
// the far sides; turning the whole pattern half a turn swaps the first pair with the second,
// so only one of the two is tried. The waste the five bounds give away must stay within what a
// better layer may leave, which prunes all but a few combinations.
void Search::TryPinwheels(Piece& piece, std::int64_t u, std::int64_t v) {
    std::int64_t slack = Slack(piece, u, v);
    auto raster = [this](int i) -> std::int64_t { return raster_[static_cast<std::size_t>(i)]; };
    for (int i1 = 1; i1 < n_ && raster(i1) < u; ++i1) {
        const std::int64_t x1 = raster(i1);
        for (int j1 = 1; j1 < n_ && raster(j1) < v; ++j1) {
            const std::int64_t y1 = raster(j1);
            const std::int64_t bottom = Waste(u - x1, y1);
            if (bottom > slack)
                continue;
            // s: width of the right block, u - x2.
            for (int i2 = i1; i2 < n_ && raster(i2) < u - x1; ++i2) {
                const std::int64_t s = raster(i2);
                const std::int64_t right = bottom + Waste(s, v - y1);
                if (right > slack)
                    continue;
                // t: depth of the top block, v - y2.
                for (int j2 = i2 == i1 ? j1 : 1; j2 < n_ && raster(j2) < v - y1; ++j2) {
                    const std::int64_t t = raster(j2);
                    if (!meter_.Spend())
                        return;
                    const std::int64_t x2 = u - s, y2 = v - t;
                    const std::int64_t waste =
                        right + Waste(x1, y2) + Waste(x2 - x1, y2 - y1) + Waste(x2, t);
                    if (waste > slack)
                        continue;
                    const std::int64_t sum = SumOfParts<5>(
                        {{{x1, y2}, {u - x1, y1}, {x2 - x1, y2 - y1}, {x2, t}, {s, v - y1}}},
                        piece.value);
                    if (meter_.Exhausted())
                        return;
                    if (sum > piece.value) {
                        Record(piece, sum, Kind::Pinwheel,
                               {static_cast<std::int32_t>(x1), static_cast<std::int32_t>(x2),
                                static_cast<std::int32_t>(y1), static_cast<std::int32_t>(y2)});
                        if (piece.value >= piece.bound)
                            return;
                        slack = Slack(piece, u, v);
                    }
                }
            }
        }
    }
}

std::int64_t Search::Solve(int a, int b) {
    if (a > b)
        std::swap(a, b);
    Piece& piece = At(a, b);
    if (piece.settled || piece.value >= piece.bound || meter_.Exhausted())
        return piece.value;
    const std::int64_t u = raster_[static_cast<std::size_t>(a)];
    const std::int64_t v = raster_[static_cast<std::size_t>(b)];
    // Every part below is strictly narrower or shorter, so the recursion ends.
    TryCuts(piece, u, v);
    if (piece.value < piece.bound && !meter_.Exhausted())
        TryPinwheels(piece, u, v);
    piece.settled = !meter_.Exhausted();
    return piece.value;
}

void Search::Emit(const Frame& f, std::int64_t du, std::int64_t dv, std::int64_t cu,
                  std::int64_t cv, std::vector<BundleBlock>& out) const {
    if (cu <= 0 || cv <= 0)
        return;
    if (f.swapped) {
        std::swap(du, dv);
        std::swap(cu, cv);
    }
    out.push_back({static_cast<std::int32_t>(f.x), static_cast<std::int32_t>(f.y),
                   static_cast<std::int32_t>(du), static_cast<std::int32_t>(dv), cu, cv});
}

// Parts come out in an order that paints correctly: left before right, bottom before top, and
// around a centre the left block, the bottom block, the centre, the top block, the right block,
// since each of them lies behind only blocks that follow it.
void Search::Build(int a, int b, Frame f, std::vector<BundleBlock>& out) const {
    if (a > b) {
        Build(b, a, f.Transposed(), out);
        return;
    }
    const Piece& p = At(a, b);
    const std::int64_t u = raster_[static_cast<std::size_t>(a)];
    const std::int64_t v = raster_[static_cast<std::size_t>(b)];
    const auto [c0, c1, c2, c3] = p.cut;
    switch (p.kind) {
    case Kind::Empty:
        return;
    case Kind::Lengthwise:
        Emit(f, l_, w_, u / l_, v / w_, out);
        return;
    case Kind::Crosswise:
        Emit(f, w_, l_, u / w_, v / l_, out);
        return;
    case Kind::CutX:
        Build(Index(c0), b, f, out);
        Build(Index(u - c0), b, f.At(c0, 0), out);
        return;
    case Kind::CutY:
        Build(a, Index(c0), f, out);
        Build(a, Index(v - c0), f.At(0, c0), out);
        return;
    case Kind::Pinwheel: {
        const std::int64_t x1 = c0, x2 = c1, y1 = c2, y2 = c3;
        Build(Index(x1), Index(y2), f, out);
        Build(Index(u - x1), Index(y1), f.At(x1, 0), out);
        Build(Index(x2 - x1), Index(y2 - y1), f.At(x1, y1), out);
        Build(Index(x2), Index(v - y2), f.At(0, y2), out);
        Build(Index(u - x2), Index(v - y1), f.At(x2, y1), out);
        return;
    }
    }
}

} // namespace

std::optional<SearchedLayer> SearchLayer(std::int64_t x, std::int64_t y, std::int64_t l,
                                         std::int64_t w, BudgetMeter& meter) {
    const std::int64_t span = std::max(x, y);
    if (span > MaxSpan || x <= 0 || y <= 0)
        return std::nullopt;
    std::vector<char> reachable(static_cast<std::size_t>(span + 1), 0);
    std::vector<std::int32_t> raster;
    std::vector<std::int32_t> floorIndex(static_cast<std::size_t>(span + 1), 0);
    reachable[0] = 1;
    for (std::int64_t s = 0; s <= span; ++s) {
        const auto at = static_cast<std::size_t>(s);
        if (!reachable[at] && ((s >= l && reachable[at - static_cast<std::size_t>(l)]) ||
                               (s >= w && reachable[at - static_cast<std::size_t>(w)])))
            reachable[at] = 1;
        if (reachable[at]) {
            if (raster.size() >= MaxRasterPoints)
                return std::nullopt;
            raster.push_back(static_cast<std::int32_t>(s));
        }
        floorIndex[at] = static_cast<std::int32_t>(raster.size()) - 1;
    }
    Search search(l, w, std::move(raster), std::move(floorIndex), meter);
    const int a = search.Index(x);
    const int b = search.Index(y);
    SearchedLayer result;
    if (!search.Guillotine())
        return result;
    result.Count = search.Solve(a, b);
    search.Build(a, b, Frame{}, result.Blocks);
    return result;
}
