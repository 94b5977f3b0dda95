#pragma once

#include "loaddraw/drawblockpattern.h"
#include "loaddraw/drawpallet.h"

#include <cstdint>

// The pallet part of a picture: the pallet and the stacking envelope when the state still has
// the pallet pending (which also fits the view); clears PalletPending, drawn or not, so the
// pallet is drawn once per picture.
void DrawPendingPallet(SceneState& state, Canvas& canvas, double RowSide, double SplitSide,
                       double StackHeight, double BundleHeight, std::int64_t AreaWidth,
                       std::int64_t AreaHeight);

// The whole picture of one load: the pallet and the stacking envelope when the state still has
// the pallet pending (which also fits the view), then every bundle over the footprint
// RowSide x SplitSide. Clears PalletPending once the pallet part is done, drawn or not.
void DrawLoad(SceneState& state, Canvas& canvas, double RowSide, double SplitSide, double Split,
              double StackHeight, double BundleLength, double BundleWidth, double BundleHeight,
              std::int64_t AreaWidth, std::int64_t AreaHeight);
