#include "planning/advisor/fiveblock.h"

#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/layerbound.h"

#include <algorithm>
#include <utility>

FiveBlockSearch::FiveBlockSearch(std::int64_t l, std::int64_t w, const Raster& raster,
                                 BudgetMeter& meter)
    : l_(l), w_(w), area_(l * w), raster_(raster), n_(raster.Size()),
      pieces_(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_)), meter_(meter) {}

void FiveBlockSearch::Record(Piece& piece, std::int64_t value, Kind kind,
                             std::array<std::int32_t, 4> cut) {
    piece.value = value;
    piece.kind = kind;
    piece.cut = cut;
}

bool FiveBlockSearch::Guillotine() {
    for (int a = 0; a < n_; ++a) {
        const std::int64_t u = raster_.At(a);
        for (int b = a; b < n_; ++b) {
            const std::int64_t v = raster_.At(b);
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
                const std::int64_t r = raster_.At(c);
                if (2 * r > std::max(u, v))
                    break;
                if (!meter_.Spend())
                    return false;
                if (2 * r <= u) {
                    const std::int64_t value = At(c, b).value + At(raster_.Index(u - r), b).value;
                    if (value > p.value)
                        Record(p, value, Kind::CutX, {static_cast<std::int32_t>(r)});
                }
                if (2 * r <= v) {
                    const std::int64_t value = At(a, c).value + At(a, raster_.Index(v - r)).value;
                    if (value > p.value)
                        Record(p, value, Kind::CutY, {static_cast<std::int32_t>(r)});
                }
            }
        }
    }
    return true;
}

template <std::size_t N>
std::int64_t
FiveBlockSearch::SumOfParts(const std::array<std::pair<std::int64_t, std::int64_t>, N>& parts,
                            std::int64_t toBeat) {
    std::int64_t sum = 0;
    for (const auto& [u, v] : parts)
        sum += Bound(u, v);
    for (const auto& [u, v] : parts) {
        const std::int64_t bound = Bound(u, v);
        sum -= bound - Solve(raster_.Index(u), raster_.Index(v));
        if (sum <= toBeat)
            return 0;
    }
    return sum;
}

void FiveBlockSearch::TryCuts(Piece& piece, std::int64_t u, std::int64_t v) {
    for (int c = 1; c < n_; ++c) {
        const std::int64_t r = raster_.At(c);
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
void FiveBlockSearch::TryPinwheels(Piece& piece, std::int64_t u, std::int64_t v) {
    std::int64_t slack = Slack(piece, u, v);
    auto raster = [this](int i) { return raster_.At(i); };
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

std::int64_t FiveBlockSearch::Solve(int a, int b) {
    if (a > b)
        std::swap(a, b);
    Piece& piece = At(a, b);
    if (piece.settled || piece.value >= piece.bound || meter_.Exhausted())
        return piece.value;
    const std::int64_t u = raster_.At(a);
    const std::int64_t v = raster_.At(b);
    // Every part below is strictly narrower or shorter, so the recursion ends.
    TryCuts(piece, u, v);
    if (piece.value < piece.bound && !meter_.Exhausted())
        TryPinwheels(piece, u, v);
    piece.settled = !meter_.Exhausted();
    return piece.value;
}

// Parts come out left before right, bottom before top, and around a centre the left block, the
// bottom block, the centre, the top block and the right block.
void FiveBlockSearch::Build(int a, int b, Frame f, std::vector<BundleBlock>& out) const {
    if (a > b) {
        Build(b, a, f.Transposed(), out);
        return;
    }
    const Piece& p = At(a, b);
    const std::int64_t u = raster_.At(a);
    const std::int64_t v = raster_.At(b);
    const auto [c0, c1, c2, c3] = p.cut;
    auto index = [this](std::int64_t length) { return raster_.Index(length); };
    switch (p.kind) {
    case Kind::Empty:
        return;
    case Kind::Lengthwise:
        f.Emit(l_, w_, u / l_, v / w_, out);
        return;
    case Kind::Crosswise:
        f.Emit(w_, l_, u / w_, v / l_, out);
        return;
    case Kind::CutX:
        Build(index(c0), b, f, out);
        Build(index(u - c0), b, f.At(c0, 0), out);
        return;
    case Kind::CutY:
        Build(a, index(c0), f, out);
        Build(a, index(v - c0), f.At(0, c0), out);
        return;
    case Kind::Pinwheel: {
        const std::int64_t x1 = c0, x2 = c1, y1 = c2, y2 = c3;
        Build(index(x1), index(y2), f, out);
        Build(index(u - x1), index(y1), f.At(x1, 0), out);
        Build(index(x2 - x1), index(y2 - y1), f.At(x1, y1), out);
        Build(index(x2), index(v - y2), f.At(0, y2), out);
        Build(index(u - x2), index(v - y1), f.At(x2, y1), out);
        return;
    }
    }
}
