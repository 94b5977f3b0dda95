#include "render/cornerprojection.h"

#include "render/fperror.h"
#include "render/viewrotation.h"

#include <cmath>
#include <cstdlib>

using namespace ViewRotation;

void AxisExtent::Include(std::int64_t value) {
    const std::int64_t magnitude = std::llabs(value);
    if (magnitude > MaxAbs)
        MaxAbs = magnitude;
    if (magnitude != 0 && magnitude < MinNonZeroAbs)
        MinNonZeroAbs = magnitude;
}

namespace {

// Whether z + cos·y, for every y of `mixed` and every z of `kept`, rounds back to z in double
// precision. A zero z gives cos·y, far below one millimetre, which truncates to zero anyway.
// Otherwise the sum lies within |cos·y| plus half a unit of the 64-bit significand of z; below an
// eighth of the spacing of doubles just under the smallest non-zero |z| (the spacing halves at a
// power of two) it cannot round to any double but z.
bool SnapsBack(long double cosine, const AxisExtent& mixed, const AxisExtent& kept) {
    if (kept.MinNonZeroAbs == std::numeric_limits<std::int64_t>::max())
        return std::fabs(cosine) * mixed.MaxAbs < 0.5L;
    const long double spacing =
        std::ldexp(1.0L, std::ilogb(static_cast<long double>(kept.MinNonZeroAbs)) - 53);
    return std::fabs(cosine) * mixed.MaxAbs < spacing / 8;
}

} // namespace

CornerProjector::CornerProjector(const SceneState& state, const AxisExtent& y, const AxisExtent& z)
    : state_(state) {
    const Turn& quarter = TheViewTurns().First;
    const ScenePoint& centre = state.RotationCentre;
    shortcut_ = centre.X == 0 && centre.Y == 0 && centre.Z == 0 && quarter.Sin == 1.0L &&
                SnapsBack(quarter.Cos, y, z) && SnapsBack(quarter.Cos, z, y);
}

CornerProjector::Column CornerProjector::ColumnAt(std::int32_t x, std::int32_t y) const {
    Column column;
    column.X = x;
    column.Y = y;
    if (!shortcut_)
        return column;
    // The point after the first turn, then the second turn as ViewTransform makes it.
    ScenePoint point{double(x), 0, -double(y)};
    Rotate<2>(state_.RotationCentre, point, point, TheViewTurns().Second);
    column.ViewX = point.X;
    column.ViewZ = point.Z;
    column.PixelX = Fp::TruncToInt32(MapX(state_, point.X));
    return column;
}

PixelPoint CornerProjector::Corner(const Column& column, std::int32_t z) const {
    if (!shortcut_) {
        ScenePoint point{double(column.X), double(column.Y), double(z)};
        ViewTransform(state_, point);
        MapToScreen(state_, point);
        return {Fp::TruncToInt32(point.X), Fp::TruncToInt32(point.Y)};
    }
    ScenePoint point{column.ViewX, double(z), column.ViewZ};
    Rotate<1>(state_.RotationCentre, point, point, TheViewTurns().Third);
    return {column.PixelX, Fp::TruncToInt32(MapY(state_, point.Y))};
}
