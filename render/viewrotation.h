#pragma once

// The rotation arithmetic behind ViewTransform, shared by the projection of single points and
// the projection of whole grids of box corners, so that both compute every corner with the very
// same operations. Not for use outside render/.

#include "render/PodNew.h"
#include "render/fperror.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

// The whole-millimetre snapping after every rotation makes the pixels depend on the last bit of
// each product: the view is computed with the 64-bit significand of the x87 extended format and
// every kept value is rounded to double before it is truncated.
static_assert(LDBL_MANT_DIG == 64, "the view needs 80-bit extended precision");

namespace ViewRotation {

// Pi rounded to 64 bits. It lies above the true value, so a quarter turn has a cosine of about
// -2.5e-20, and whole numbers turn exactly.
inline constexpr long double Pi = 3.14159265358979323851L;

struct Turn {
    long double Cos;
    long double Sin;
};

inline Turn TurnOf(double angle) {
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

inline const ViewTurns& TheViewTurns() {
    static const ViewTurns turns;
    return turns;
}

// The two halves of MapToScreen, for callers that need only one coordinate of a corner.
inline double MapX(const SceneState& state, double viewX) {
    return Fp::Store(state.OffsetX + Fp::Divide(viewX, state.Scale));
}
inline double MapY(const SceneState& state, double viewY) {
    return Fp::Store((Fp::Divide(viewY, state.Scale) + state.OffsetY) + SceneTopBand);
}

} // namespace ViewRotation
