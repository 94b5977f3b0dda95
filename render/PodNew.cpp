#include "render/PodNew.h"

#include "render/fperror.h"

#include <cfloat>
#include <cmath>

// The whole-millimetre snapping after every rotation makes the pixels depend on the last bit of
// each product: the view is computed with the 64-bit significand of the x87 extended format and
// every kept value is rounded to double before it is truncated.
static_assert(LDBL_MANT_DIG == 64, "the view needs 80-bit extended precision");

namespace {

// Pi rounded to 64 bits. It lies above the true value, so a quarter turn has a cosine of about
// -2.5e-20, and whole numbers turn exactly.
constexpr long double Pi = 3.14159265358979323851L;
// The view fills 1 / 1.3 of the picture, leaving a margin for the pallet below the fitted box.
constexpr long double FitMargin = 1.3L;

struct Turn {
    long double Cos;
    long double Sin;
};

Turn TurnOf(double angle) {
    const long double theta = static_cast<long double>(angle) / 180.0L * Pi;
    return {std::cos(theta), std::sin(theta)};
}

// The coordinates a turn about each axis mixes, and the one it keeps.
template <std::uint8_t Axis> struct AxisOf;
template <> struct AxisOf<1> {
    static constexpr double ScenePoint::*A = &ScenePoint::Y;
    static constexpr double ScenePoint::*B = &ScenePoint::Z;
    static constexpr double ScenePoint::*Kept = &ScenePoint::X;
};
template <> struct AxisOf<2> {
    static constexpr double ScenePoint::*A = &ScenePoint::X;
    static constexpr double ScenePoint::*B = &ScenePoint::Z;
    static constexpr double ScenePoint::*Kept = &ScenePoint::Y;
};
template <> struct AxisOf<3> {
    static constexpr double ScenePoint::*A = &ScenePoint::X;
    static constexpr double ScenePoint::*B = &ScenePoint::Y;
    static constexpr double ScenePoint::*Kept = &ScenePoint::Z;
};

template <std::uint8_t Axis>
void Rotate(const ScenePoint& Centre, const ScenePoint& Source, ScenePoint& Target,
            const Turn& turn) {
    using Coordinates = AxisOf<Axis>;
    // Read in full first: Target is usually Source itself.
    const long double ca = Centre.*Coordinates::A, cb = Centre.*Coordinates::B;
    const long double sa = Source.*Coordinates::A, sb = Source.*Coordinates::B;
    const double kept = Fp::Store(Source.*Coordinates::Kept);
    const double newA = Fp::Store((ca + turn.Cos * (sa - ca)) + turn.Sin * (sb - cb));
    const double newB = Fp::Store((cb + turn.Cos * (sb - cb)) - turn.Sin * (sa - ca));
    Target.*Coordinates::A = std::trunc(newA);
    Target.*Coordinates::B = std::trunc(newB);
    Target.*Coordinates::Kept = std::trunc(kept);
}

// The three turns of the view, worked out once: every box corner of every picture goes through
// them, and the sine and cosine are the costly part.
struct ViewTurns {
    Turn First = TurnOf(90);
    Turn Second = TurnOf(45);
    Turn Third = TurnOf(-30);
};

const ViewTurns& TheViewTurns() {
    static const ViewTurns turns;
    return turns;
}

// factor x each channel value, rounded half to even, for every value a channel can hold.
// Worked out once: rounding an extended value costs more than the rest of a box face.
struct ShadeTable {
    std::uint8_t Of[256];
    explicit ShadeTable(long double factor) {
        for (int value = 0; value < 256; ++value)
            Of[value] = static_cast<std::uint8_t>(std::nearbyint(factor * value));
    }
};

Colour Shade(Colour colour, const ShadeTable& table) {
    return MakeColour(table.Of[RedOf(colour)], table.Of[GreenOf(colour)], table.Of[BlueOf(colour)]);
}

} // namespace

void RotatePoint(const ScenePoint& Centre, const ScenePoint& Source, ScenePoint& Target,
                 std::uint8_t Axis, double Angle) {
    switch (Axis) {
    case 1:
        return Rotate<1>(Centre, Source, Target, TurnOf(Angle));
    case 2:
        return Rotate<2>(Centre, Source, Target, TurnOf(Angle));
    case 3:
        return Rotate<3>(Centre, Source, Target, TurnOf(Angle));
    }
}

void ViewTransform(const SceneState& state, ScenePoint& point) {
    const ViewTurns& turns = TheViewTurns();
    Rotate<1>(state.RotationCentre, point, point, turns.First);
    Rotate<2>(state.RotationCentre, point, point, turns.Second);
    Rotate<1>(state.RotationCentre, point, point, turns.Third);
}

void MapToScreen(const SceneState& state, ScenePoint& point) {
    point.X = Fp::Store(state.OffsetX + Fp::Divide(point.X, state.Scale));
    point.Y = Fp::Store((Fp::Divide(point.Y, state.Scale) + state.OffsetY) + SceneTopBand);
}

void FitProjection(SceneState& state, std::int32_t AreaWidth, std::int32_t AreaHeight, double X1,
                   double Y1, double Z1, double X2, double Y2, double Z2) {
    const double xs[] = {X1, X2}, ys[] = {Y1, Y2}, zs[] = {Z1, Z2};
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool first = true;
    for (double x : xs)
        for (double y : ys)
            for (double z : zs) {
                ScenePoint corner{x, y, z};
                ViewTransform(state, corner);
                if (first || corner.X < minX)
                    minX = corner.X;
                if (first || corner.X > maxX)
                    maxX = corner.X;
                if (first || corner.Y < minY)
                    minY = corner.Y;
                if (first || corner.Y > maxY)
                    maxY = corner.Y;
                first = false;
            }

    const long double spanX = static_cast<long double>(maxX) - minX;
    const long double spanY = static_cast<long double>(maxY) - minY;
    const long double ratioX = Fp::Divide(std::fabs(spanX), AreaWidth);
    const long double ratioY = Fp::Divide(std::fabs(spanY), AreaHeight);
    state.Scale = Fp::Store(ratioY >= ratioX ? ratioY : ratioX);
    state.Scale = Fp::Store(FitMargin * state.Scale);
    const long double scale = state.Scale;
    state.OffsetX = Fp::Store((AreaWidth - Fp::Divide(spanX, scale)) / 2 - Fp::Divide(minX, scale));
    state.OffsetY =
        Fp::Store((AreaHeight - Fp::Divide(spanY, scale)) / 2 - Fp::Divide(minY, scale));
}

void DrawBox(const SceneState& state, std::int32_t X1, std::int32_t Y1, std::int32_t Z1,
             std::int32_t X2, std::int32_t Y2, std::int32_t Z2, Canvas& canvas) {
    ScenePoint vertices[8] = {
        {double(X1), double(Y1), double(Z1)}, {double(X1), double(Y1), double(Z2)},
        {double(X2), double(Y1), double(Z2)}, {double(X2), double(Y1), double(Z1)},
        {double(X1), double(Y2), double(Z1)}, {double(X1), double(Y2), double(Z2)},
        {double(X2), double(Y2), double(Z2)}, {double(X2), double(Y2), double(Z1)},
    };
    // Every pixel is worked out before the canvas is touched, so a fault leaves the pen as it was.
    PixelPoint p[8];
    for (int i = 0; i < 8; ++i) {
        ViewTransform(state, vertices[i]);
        MapToScreen(state, vertices[i]);
        p[i] = {Fp::TruncToInt32(vertices[i].X), Fp::TruncToInt32(vertices[i].Y)};
    }

    static const ShadeTable threeQuarters(0.75L), half(0.5L);
    const Colour boxColour = canvas.PenColour();
    canvas.SetPenColour(clBlack);
    canvas.SetBrushColour(Shade(boxColour, threeQuarters));
    canvas.Polygon({p[4], p[5], p[6], p[7]});
    canvas.SetBrushColour(Shade(boxColour, half));
    canvas.Polygon({p[7], p[6], p[2], p[3]});
    canvas.SetBrushColour(boxColour & 0xFFFFFF);
    canvas.Polygon({p[0], p[4], p[7], p[3]});
    canvas.SetPenColour(boxColour);
}
