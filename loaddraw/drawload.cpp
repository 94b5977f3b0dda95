#include "loaddraw/drawload.h"

void DrawPendingPallet(SceneState& state, Canvas& canvas, double RowSide, double SplitSide,
                       double StackHeight, double BundleHeight, std::int64_t AreaWidth,
                       std::int64_t AreaHeight) {
    if (state.PalletPending == 1)
        DrawPallet(state, canvas, RowSide, SplitSide, StackHeight, BundleHeight, AreaWidth,
                   AreaHeight);
    state.PalletPending = 0;
}

void DrawLoad(SceneState& state, Canvas& canvas, double RowSide, double SplitSide, double Split,
              double StackHeight, double BundleLength, double BundleWidth, double BundleHeight,
              std::int64_t AreaWidth, std::int64_t AreaHeight) {
    DrawPendingPallet(state, canvas, RowSide, SplitSide, StackHeight, BundleHeight, AreaWidth,
                      AreaHeight);
    DrawBlockPattern(state, canvas, Split, RowSide, SplitSide, StackHeight, BundleLength,
                     BundleWidth, BundleHeight);
}
