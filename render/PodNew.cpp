#include "render/PodNew.h"

#include "render/fperror.h"
#include "render/viewrotation.h"

#include <cmath>

namespace {

using namespace ViewRotation;

// The view fills 1 / 1.3 of the picture, leaving a margin for the pallet below the fitted box.
constexpr long double FitMargin = 1.3L;

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
    point.X = MapX(state, point.X);
    point.Y = MapY(state, point.Y);
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

BoxPixels ProjectBox(const SceneState& state, std::int32_t X1, std::int32_t Y1, std::int32_t Z1,
                     std::int32_t X2, std::int32_t Y2, std::int32_t Z2) {
    ScenePoint vertices[8] = {
        {double(X1), double(Y1), double(Z1)}, {double(X1), double(Y1), double(Z2)},
        {double(X2), double(Y1), double(Z2)}, {double(X2), double(Y1), double(Z1)},
        {double(X1), double(Y2), double(Z1)}, {double(X1), double(Y2), double(Z2)},
        {double(X2), double(Y2), double(Z2)}, {double(X2), double(Y2), double(Z1)},
    };
    BoxPixels p;
    for (int i = 0; i < 8; ++i) {
        ViewTransform(state, vertices[i]);
        MapToScreen(state, vertices[i]);
        p[i] = {Fp::TruncToInt32(vertices[i].X), Fp::TruncToInt32(vertices[i].Y)};
    }
    return p;
}

void PaintBoxFaces(const BoxPixels& p, std::uint8_t faces, Canvas& canvas) {
    if ((faces & EveryBoxFace) == 0)
        return;
    static const ShadeTable threeQuarters(0.75L), half(0.5L);
    const Colour boxColour = canvas.PenColour();
    FilledQuad run[3];
    int count = 0;
    if (faces & BoxFaceY2)
        run[count++] = {{p[4], p[5], p[6], p[7]}, Shade(boxColour, threeQuarters)};
    if (faces & BoxFaceX2)
        run[count++] = {{p[7], p[6], p[2], p[3]}, Shade(boxColour, half)};
    if (faces & BoxFaceZ1)
        run[count++] = {{p[0], p[4], p[7], p[3]}, boxColour & 0xFFFFFF};
    canvas.SetPenColour(clBlack);
    canvas.PolygonRun(run, count);
    canvas.SetPenColour(boxColour);
}

void DrawBox(const SceneState& state, std::int32_t X1, std::int32_t Y1, std::int32_t Z1,
             std::int32_t X2, std::int32_t Y2, std::int32_t Z2, Canvas& canvas) {
    // Every pixel is worked out before the canvas is touched, so a fault leaves the pen as it was.
    PaintBoxFaces(ProjectBox(state, X1, Y1, Z1, X2, Y2, Z2), EveryBoxFace, canvas);
}
