#include "planning/rectop.h"

#include <cmath>

namespace {

std::int64_t Trunc(double value) {
    return static_cast<std::int64_t>(std::trunc(value));
}

} // namespace

std::int64_t TwoBlockLayerCount(std::int64_t k, double RowSide, double SplitSide,
                                double BundleLength, double BundleWidth) {
    const double X = RowSide, Y = SplitSide, L = BundleLength, W = BundleWidth;
    const double kW = static_cast<double>(k) * W;
    const std::int64_t alongRow = Trunc(X / L);
    const std::int64_t lengthwise = k * alongRow;
    const std::int64_t crosswise = Trunc((Y - kW) / L) * Trunc(X / W);
    const double rowLeftover = X - static_cast<double>(alongRow) * L;
    const std::int64_t strip = Trunc(kW / L) * Trunc(rowLeftover / W);
    return lengthwise + crosswise + strip;
}

TwoBlockLayer BestTwoBlockLayer(double RowSide, double SplitSide, double BundleLength,
                                double BundleWidth) {
    TwoBlockLayer best;
    const std::int64_t candidates = Trunc(SplitSide / BundleWidth);
    for (std::int64_t k = 0; k <= candidates; ++k) {
        const std::int64_t count =
            TwoBlockLayerCount(k, RowSide, SplitSide, BundleLength, BundleWidth);
        if (count >= best.Count) {
            best.Count = count;
            best.Split = k;
        }
    }
    return best;
}

std::int64_t LayersInStack(double StackHeight, double BundleHeight) {
    if (!(BundleHeight > 0))
        return 0;
    return Trunc(StackHeight / BundleHeight);
}

std::int64_t BestTwoBlockLoad(double RowSide, double SplitSide, double StackHeight,
                              double BundleLength, double BundleWidth, double BundleHeight,
                              double& Split, std::uint16_t& LayerCount) {
    const TwoBlockLayer best = BestTwoBlockLayer(RowSide, SplitSide, BundleLength, BundleWidth);
    Split = static_cast<double>(best.Split);
    LayerCount = static_cast<std::uint16_t>(best.Count);
    return best.Count * LayersInStack(StackHeight, BundleHeight);
}
