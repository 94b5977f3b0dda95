#include "loaddraw/drawplacedload.h"

#include "loaddraw/drawload.h"
#include "render/fperror.h"

#include <cmath>

void DrawPlacedLoad(SceneState& state, Canvas& canvas, const std::vector<LayerBox>& layer,
                    double RowSide, double SplitSide, double StackHeight, double BundleHeight,
                    std::int64_t AreaWidth, std::int64_t AreaHeight) {
    DrawPendingPallet(state, canvas, RowSide, SplitSide, StackHeight, BundleHeight, AreaWidth,
                      AreaHeight);

    const long double H = BundleHeight;
    DrawStackedLayers(state, canvas, layer, std::trunc(Fp::Divide(StackHeight, H)), H);
}
