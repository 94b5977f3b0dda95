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
    const long double layers = std::trunc(Fp::Divide(StackHeight, H));
    if (layers < 1 || layer.empty())
        return;
    if (layers * static_cast<long double>(layer.size()) > MaxPictureBundles)
        throw PictureTooLargeError();
    for (auto j = static_cast<std::int64_t>(layers); j >= 1; --j) {
        const std::int32_t z1 = Fp::TruncToInt32((j - 1) * H);
        const std::int32_t z2 = Fp::TruncToInt32(j * H);
        for (const LayerBox& box : layer)
            DrawBox(state, box.X1, box.Y1, z1, box.X2, box.Y2, z2, canvas);
    }
}
