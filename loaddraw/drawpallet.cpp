#include "loaddraw/drawpallet.h"

#include "render/fperror.h"

#include <cmath>

namespace {

// Both lie just above one fifth and four fifths, so a length divisible by five gives its fifth
// exactly (1210 gives 242 and 968).
constexpr long double OneFifth = 0.2L;
constexpr long double FourFifths = 0.8L;

} // namespace

void DrawPallet(SceneState& state, Canvas& canvas, double PalletLength, double PalletWidth,
                double StackHeight, double BundleHeight, std::int64_t AreaWidth,
                std::int64_t AreaHeight) {
    state.RotationCentre = ScenePoint{0, 0, 0};
    const auto areaWidth = static_cast<std::int32_t>(AreaWidth);
    const auto areaHeight = static_cast<std::int32_t>(AreaHeight);
    canvas.SetBrushColour(clWhite);
    canvas.SetBrushSolid();
    canvas.FillRect(0, 0, areaWidth, areaHeight);
    FitProjection(state, areaWidth, areaHeight, 0, 0, 0, PalletLength, PalletWidth, StackHeight);

    const long double length = PalletLength, width = PalletWidth, stack = StackHeight;
    const std::int32_t lx = Fp::TruncToInt32(length), wy = Fp::TruncToInt32(width);
    const std::int32_t l2 = Fp::TruncToInt32(OneFifth * length),
                       l8 = Fp::TruncToInt32(FourFifths * length);
    const std::int32_t w2 = Fp::TruncToInt32(OneFifth * width),
                       w8 = Fp::TruncToInt32(FourFifths * width);
    const long double hz = std::trunc(stack);
    // The height left above the last whole layer, where the envelope rises above the load.
    const long double topGap =
        std::nearbyint(stack - std::trunc(Fp::Divide(stack, BundleHeight)) * BundleHeight);
    const std::int32_t deckLevel = Fp::TruncToInt32(hz - topGap);
    const std::int32_t palletBase = Fp::TruncToInt32(
        hz + std::nearbyint(static_cast<long double>(state.PalletHeight)) - topGap);
    const std::int32_t envelopeTop = Fp::TruncToInt32(-topGap);

    // Every first corner is the larger one, so the pallet pieces and the envelope show the faces
    // turned toward the origin; the panels on the near sides are flat, and the envelope's floor,
    // drawn last, covers whatever of the pallet lies behind the deck.
    DrawBox(state, lx, wy, palletBase, 0, w8, deckLevel, canvas);
    DrawBox(state, lx, wy, palletBase, l2, w2, deckLevel, canvas);
    DrawBox(state, lx, wy, palletBase, lx, w8, deckLevel, canvas);
    DrawBox(state, lx, wy, palletBase, l8, wy, deckLevel, canvas);
    DrawBox(state, lx, w2, palletBase, lx, 0, deckLevel, canvas);
    DrawBox(state, l2, wy, palletBase, 0, wy, deckLevel, canvas);
    DrawBox(state, lx, wy, deckLevel, 0, 0, envelopeTop, canvas);
}
