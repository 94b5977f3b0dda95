#pragma once

#include "render/PodNew.h"

#include <cstdint>

// Opens a picture: puts the rotation centre at the origin, clears the area to white, fits the
// view to the box PalletLength x PalletWidth x StackHeight and draws, as seven boxes in a fixed
// order, the pallet below the load and the stacking envelope above it, all in the canvas's pen
// colour. The area sizes are taken as 32-bit values. A BundleHeight of 0 throws
// FloatingPointError once the area is cleared and fitted, before any box is drawn.
void DrawPallet(SceneState& state, Canvas& canvas, double PalletLength, double PalletWidth,
                double StackHeight, double BundleHeight, std::int64_t AreaWidth,
                std::int64_t AreaHeight);
