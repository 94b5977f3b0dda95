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

void Rotate(const ScenePoint& Centre, const ScenePoint& Source, ScenePoint& Target,
            std::uint8_t Axis, const Turn& turn) {
    double ScenePoint::*a;
    double ScenePoint::*b;
    double ScenePoint::*kept;
    switch (Axis) {
    case 1:
        a = &ScenePoint::Y, b = &ScenePoint::Z, kept = &ScenePoint::X;
        break;
    case 2:
        a = &ScenePoint::X, b = &ScenePoint::Z, kept = &ScenePoint::Y;
        break;
    case 3:
        a = &ScenePoint::X, b = &ScenePoint::Y, kept = &ScenePoint::Z;
        break;
    default:
        return;
    }
    // Read in full first: Target is usually Source itself.
    const long double ca = Centre.*a, cb = Centre.*b;
    const long double sa = Source.*a, sb = Source.*b;
    const double keptValue = Source.*kept;
    const double newA = Fp::Store((ca + turn.Cos * (sa - ca)) + turn.Sin * (sb - cb));
    const double newB = Fp::Store((cb + turn.Cos * (sb - cb)) - turn.Sin * (sa - ca));
    Target.*a = std::trunc(newA);
    Target.*b = std::trunc(newB);
    Target.*kept = std::trunc(keptValue);
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

Colour Shade(Colour colour, long double factor) {
    const auto channel = [factor](int value) {
        return static_cast<int>(std::nearbyint(factor * value));
    };
    return MakeColour(channel(RedOf(colour)), channel(GreenOf(colour)), channel(BlueOf(colour)));
}

} // namespace

void RotatePoint(const ScenePoint& Centre, const ScenePoint& Source, ScenePoint& Target,
                 std::uint8_t Axis, double Angle) {
    Rotate(Centre, Source, Target, Axis, TurnOf(Angle));
}

void ViewTransform(const SceneState& state, ScenePoint& point) {
    const ViewTurns& turns = TheViewTurns();
    Rotate(state.RotationCentre, point, point, 1, turns.First);
    Rotate(state.RotationCentre, point, point, 2, turns.Second);
    Rotate(state.RotationCentre, point, point, 1, turns.Third);
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

    const Colour boxColour = canvas.PenColour();
    canvas.SetPenColour(clBlack);
    canvas.SetBrushColour(Shade(boxColour, 0.75L));
    canvas.Polygon({p[4], p[5], p[6], p[7]});
    canvas.SetBrushColour(Shade(boxColour, 0.5L));
    canvas.Polygon({p[7], p[6], p[2], p[3]});
    canvas.SetBrushColour(Shade(boxColour, 1.0L));
    canvas.Polygon({p[0], p[4], p[7], p[3]});
    canvas.SetPenColour(boxColour);
}
