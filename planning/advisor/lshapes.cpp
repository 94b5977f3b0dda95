#include "planning/advisor/lshapes.h"

#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/layerbound.h"

#include <algorithm>

namespace {

// Two million pieces of 20 bytes, some 40 MB: the most the second stage may claim.
constexpr std::int64_t MaxLPieces = std::int64_t{1} << 21;

std::int64_t Triangle(std::int64_t k) {
    return k * (k + 1) / 2;
}

using Shape = LShapeSearch::Shape;

Shape Rect(std::int64_t X, std::int64_t Y) {
    return {X, Y, X, Y};
}

std::int64_t AreaOf(const Shape& s) {
    const std::int64_t x = std::min(s.x, s.X), y = std::min(s.y, s.Y);
    return s.X * y + x * (s.Y - y);
}

} // namespace

bool LShapeSearch::Fits(int nx, int ny) {
    return Pieces(nx, ny) <= MaxLPieces;
}

std::int64_t LShapeSearch::Pieces(int nx, int ny) {
    return Triangle(nx) * Triangle(ny) + std::int64_t{nx} * ny;
}

LShapeSearch::LShapeSearch(std::int64_t l, std::int64_t w, const Raster& raster,
                           FiveBlockSearch& fiveBlock, int nx, int ny, BudgetMeter& meter)
    : area_(l * w), l_(l), w_(w), raster_(raster), fiveBlock_(fiveBlock), ny_(ny),
      lRowStride_(Triangle(ny)),
      rects_(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny)),
      ls_(static_cast<std::size_t>(Triangle(nx) * Triangle(ny))), meter_(meter) {}

LShapeSearch::Parts LShapeSearch::PartsOf(Kind kind, const std::array<std::int64_t, 4>& cut,
                                          const Shape& whole) {
    const auto [X, Y, x, y] = whole;
    const auto [c0, c1, c2, c3] = cut;
    Parts p;
    auto add = [&p](Shape s, std::int64_t atU = 0, std::int64_t atV = 0, std::int64_t mirrorU = 0,
                    std::int64_t mirrorV = 0) {
        p.part[static_cast<std::size_t>(p.count++)] = {s, atU, atV, mirrorU, mirrorV};
    };
    switch (kind) {
    case Kind::FromFiveBlock:
    case Kind::Empty:
        break;
    case Kind::CutX:
        add(Rect(c0, Y));
        add(Rect(X - c0, Y), c0, 0);
        break;
    case Kind::CutY:
        add(Rect(X, c0));
        add(Rect(X, Y - c0), 0, c0);
        break;
    case Kind::Pinwheel: {
        const std::int64_t x1 = c0, y1 = c1, x2 = X - c2, y2 = Y - c3;
        add(Rect(x1, y2));
        add(Rect(X - x1, y1), x1, 0);
        add(Rect(x2 - x1, y2 - y1), x1, y1);
        add(Rect(x2, Y - y2), 0, y2);
        add(Rect(X - x2, Y - y1), x2, y1);
        break;
    }
    case Kind::LAndCorner:
        add({X, Y, c0, c1});
        add(Rect(X - c0, Y - c1), c0, c1);
        break;
    case Kind::TwoLs:
        add({c2, Y, c0, c1});
        add({X - c0, Y, X - c2, Y - c1}, 0, 0, X, Y);
        break;
    case Kind::TwoLsAcross:
        add({X, c2, c1, c0});
        add({X, Y - c0, X - c1, Y - c2}, 0, 0, X, Y);
        break;
    case Kind::ColumnCut:
        add(Rect(c0, Y));
        add({X - c0, Y, x - c0, y}, c0, 0);
        break;
    case Kind::RowEndCut:
        add({c0, Y, x, y});
        add(Rect(X - c0, y), c0, 0);
        break;
    case Kind::RowCut:
        add(Rect(X, c0));
        add({X, Y - c0, x, y - c0}, 0, c0);
        break;
    case Kind::ColumnTopCut:
        add({X, c0, x, y});
        add(Rect(x, Y - c0), 0, c0);
        break;
    case Kind::Nested:
        add({X, Y, c0, c1});
        add({X - c0, Y - c1, x - c0, y - c1}, c0, c1);
        break;
    case Kind::Stair:
        add({x, Y, c0, Y - c1}, 0, 0, 0, Y);
        add({X - c0, y, X - x, c1}, 0, 0, X, 0);
        break;
    case Kind::StairAcross:
        add({X, y, X - c1, c0}, 0, 0, X, 0);
        add({x, Y - c0, c1, Y - y}, 0, 0, 0, Y);
        break;
    case Kind::Step:
        add({x, Y, c0, Y - c1}, 0, 0, 0, Y);
        add({X - c0, c1, x - c0, y}, c0, 0);
        break;
    case Kind::StepAcross:
        add({X, y, X - c1, c0}, 0, 0, X, 0);
        add({c1, Y - c0, x, y - c0}, 0, c0);
        break;
    }
    return p;
}

LShapeSearch::Ref LShapeSearch::Normalize(const Shape& s) const {
    if (s.X <= 0 || s.Y <= 0)
        return {};
    const int iX = raster_.Index(s.X), iY = raster_.Index(s.Y);
    const int ix = raster_.Index(std::clamp<std::int64_t>(s.x, 0, s.X));
    const int iy = raster_.Index(std::clamp<std::int64_t>(s.y, 0, s.Y));
    if (ix >= iX || iy >= iY)
        return {true, iX, iY, iX, iY};
    // A column too narrow for any bundle holds nothing above the row, and the other way round.
    if (raster_.At(ix) < w_)
        return {true, iX, iy, iX, iy};
    if (raster_.At(iy) < w_)
        return {true, ix, iY, ix, iY};
    return {false, iX, iY, ix, iy};
}

LShapeSearch::Shape LShapeSearch::ShapeOf(const Ref& ref) const {
    return {raster_.At(ref.iX), raster_.At(ref.iY), raster_.At(ref.ix), raster_.At(ref.iy)};
}

LShapeSearch::Piece& LShapeSearch::PieceOf(const Ref& ref) {
    if (ref.rect) {
        Piece& p = rects_[static_cast<std::size_t>(ref.iX * ny_ + ref.iY)];
        if (p.bound < 0) {
            p.bound = static_cast<std::int32_t>(fiveBlock_.Bound(ref.iX, ref.iY));
            p.value = static_cast<std::int32_t>(fiveBlock_.Value(ref.iX, ref.iY));
            p.kind = Kind::FromFiveBlock;
        }
        return p;
    }
    Piece& p = ls_[static_cast<std::size_t>((Triangle(ref.iX) + ref.ix) * lRowStride_ +
                                            Triangle(ref.iY) + ref.iy)];
    if (p.bound < 0) {
        // The colouring bound walks the colours of both bundle sides, both ways.
        meter_.Spend(4 * (l_ + w_) / BudgetMeter::StepsPerUnit);
        const auto [X, Y, x, y] = ShapeOf(ref);
        const CellBlock blocks[] = {{0, 0, X, y}, {0, y, x, Y - y}};
        p.bound = static_cast<std::int32_t>(
            std::min(ColouringBound(blocks, l_, w_, scratch_), fiveBlock_.Bound(ref.iX, ref.iY)));
    }
    return p;
}

std::int64_t LShapeSearch::Waste(const Shape& s) const {
    return AreaOf(s) - PieceOf(Normalize(s)).bound * area_;
}

void LShapeSearch::Try(Piece& piece, const Shape& whole, Kind kind, const std::array<int, 4>& cut) {
    if (!meter_.Spend())
        return;
    std::array<std::int64_t, 4> lengths{};
    for (std::size_t i = 0; i < cut.size(); ++i)
        lengths[i] = raster_.At(cut[i]);
    const Parts parts = PartsOf(kind, lengths, whole);
    // The parts tile the piece, so their bounds can only beat its value while the waste they
    // give away stays within what a better layer may leave.
    std::int64_t slack = AreaOf(whole) - (piece.value + 1) * area_;
    for (int i = 0; i < parts.count && slack >= 0; ++i)
        slack -= Waste(parts.part[static_cast<std::size_t>(i)].shape);
    if (slack < 0)
        return;
    std::array<Ref, 5> refs{};
    std::int64_t sum = 0;
    for (int i = 0; i < parts.count; ++i) {
        refs[static_cast<std::size_t>(i)] =
            Normalize(parts.part[static_cast<std::size_t>(i)].shape);
        sum += PieceOf(refs[static_cast<std::size_t>(i)]).bound;
    }
    for (int i = 0; i < parts.count; ++i) {
        const Ref& ref = refs[static_cast<std::size_t>(i)];
        const std::int64_t bound = PieceOf(ref).bound;
        sum -= bound - Solve(ref);
        if (sum <= piece.value)
            return;
    }
    piece.value = static_cast<std::int32_t>(sum);
    piece.kind = kind;
    for (std::size_t i = 0; i < cut.size(); ++i)
        piece.cut[i] = static_cast<std::int16_t>(cut[i]);
}

void LShapeSearch::TryPinwheels(Piece& piece, const Shape& whole) {
    const std::int64_t u = whole.X, v = whole.Y;
    const int n = raster_.Size();
    auto at = [this](int i) { return raster_.At(i); };
    auto slack = [&] { return u * v - (piece.value + 1) * area_; };
    for (int i1 = 1; i1 < n && at(i1) < u; ++i1) {
        for (int j1 = 1; j1 < n && at(j1) < v; ++j1) {
            const std::int64_t bottom = Waste(Rect(u - at(i1), at(j1)));
            if (bottom > slack())
                continue;
            for (int i2 = i1; i2 < n && at(i2) < u - at(i1); ++i2) {
                if (bottom + Waste(Rect(at(i2), v - at(j1))) > slack())
                    continue;
                for (int j2 = i2 == i1 ? j1 : 1; j2 < n && at(j2) < v - at(j1); ++j2) {
                    Try(piece, whole, Kind::Pinwheel, {i1, j1, i2, j2});
                    if (piece.value >= piece.bound || meter_.Exhausted())
                        return;
                }
            }
        }
    }
}

void LShapeSearch::TryRectSplits(Piece& piece, const Shape& whole) {
    const std::int64_t u = whole.X, v = whole.Y;
    const int n = raster_.Size();
    auto at = [this](int i) { return raster_.At(i); };
    auto done = [&] { return piece.value >= piece.bound || meter_.Exhausted(); };
    for (int c = 1; c < n && 2 * at(c) <= std::max(u, v) && !done(); ++c) {
        if (2 * at(c) <= u)
            Try(piece, whole, Kind::CutX, {c});
        if (2 * at(c) <= v)
            Try(piece, whole, Kind::CutY, {c});
    }
    if (done())
        return;
    TryPinwheels(piece, whole);
    for (int a = 1; a < n && at(a) < u && !done(); ++a) {
        for (int b = 1; b < n && at(b) < v && !done(); ++b)
            Try(piece, whole, Kind::LAndCorner, {a, b});
    }
    for (int a = 1; a < n && at(a) < u && !done(); ++a) {
        for (int c = a + 1; c < n && at(c) < u && !done(); ++c) {
            for (int b = 1; b < n && at(b) < v && !done(); ++b)
                Try(piece, whole, Kind::TwoLs, {a, b, c});
        }
    }
    for (int a = 1; a < n && at(a) < v && !done(); ++a) {
        for (int c = a + 1; c < n && at(c) < v && !done(); ++c) {
            for (int b = 1; b < n && at(b) < u && !done(); ++b)
                Try(piece, whole, Kind::TwoLsAcross, {a, b, c});
        }
    }
}

void LShapeSearch::TryLSplits(Piece& piece, const Shape& whole) {
    const auto [X, Y, x, y] = whole;
    const int n = raster_.Size();
    auto at = [this](int i) { return raster_.At(i); };
    auto done = [&] { return piece.value >= piece.bound || meter_.Exhausted(); };
    for (int a = 1; a < n && at(a) < X && !done(); ++a)
        Try(piece, whole, at(a) <= x ? Kind::ColumnCut : Kind::RowEndCut, {a});
    for (int b = 1; b < n && at(b) < Y && !done(); ++b)
        Try(piece, whole, at(b) <= y ? Kind::RowCut : Kind::ColumnTopCut, {b});
    for (int a = 1; a < n && at(a) <= x && !done(); ++a) {
        for (int b = 1; b < n && at(b) <= y && !done(); ++b) {
            if (at(a) < x || at(b) < y)
                Try(piece, whole, Kind::Nested, {a, b});
        }
    }
    for (int a = 1; a < n && at(a) < x && !done(); ++a) {
        for (int b = 1; b < n && at(b) < Y && !done(); ++b) {
            if (at(b) < y)
                Try(piece, whole, Kind::Stair, {a, b});
            else if (at(b) > y)
                Try(piece, whole, Kind::Step, {a, b});
        }
    }
    for (int a = 1; a < n && at(a) < y && !done(); ++a) {
        for (int b = 1; b < n && at(b) < X && !done(); ++b) {
            if (at(b) < x)
                Try(piece, whole, Kind::StairAcross, {a, b});
            else if (at(b) > x)
                Try(piece, whole, Kind::StepAcross, {a, b});
        }
    }
}

std::int64_t LShapeSearch::Solve(const Ref& ref) {
    Piece& piece = PieceOf(ref);
    if (piece.settled || piece.value >= piece.bound || meter_.Exhausted())
        return piece.value;
    // Every part is a smaller piece, so the recursion ends.
    const Shape whole = ShapeOf(ref);
    if (ref.rect)
        TryRectSplits(piece, whole);
    else
        TryLSplits(piece, whole);
    piece.settled = !meter_.Exhausted();
    return piece.value;
}

std::int64_t LShapeSearch::SolveRect(int iu, int iv) {
    return Solve({true, iu, iv, iu, iv});
}

void LShapeSearch::Build(const Ref& ref, Frame frame, std::vector<BundleBlock>& out) const {
    const Piece& piece = PieceOf(ref);
    if (piece.kind == Kind::FromFiveBlock) {
        fiveBlock_.Build(ref.iX, ref.iY, frame, out);
        return;
    }
    std::array<std::int64_t, 4> lengths{};
    for (std::size_t i = 0; i < lengths.size(); ++i)
        lengths[i] = raster_.At(piece.cut[i]);
    const Parts parts = PartsOf(piece.kind, lengths, ShapeOf(ref));
    for (int i = 0; i < parts.count; ++i) {
        const PartPlace& place = parts.part[static_cast<std::size_t>(i)];
        Frame f = frame.At(place.atU, place.atV);
        if (place.mirrorU != 0)
            f = f.MirroredU(place.mirrorU);
        if (place.mirrorV != 0)
            f = f.MirroredV(place.mirrorV);
        Build(Normalize(place.shape), f, out);
    }
}

void LShapeSearch::BuildRect(int iu, int iv, Frame frame, std::vector<BundleBlock>& out) const {
    Build({true, iu, iv, iu, iv}, frame, out);
}
