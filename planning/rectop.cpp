#include "planning/rectop.h"

#include "planning/wholecount.h"

std::int64_t TwoBlockLayerCount(std::int64_t k, double RowSide, double SplitSide,
                                double BundleLength, double BundleWidth) {
    const double X = RowSide, Y = SplitSide, L = BundleLength, W = BundleWidth;
    const double kW = static_cast<double>(k) * W;
    const std::int64_t alongRow = TruncatedCount(X / L);
    const std::int64_t lengthwise = CountProduct(k, alongRow);
    const std::int64_t crosswise =
        CountProduct(TruncatedCount((Y - kW) / L), TruncatedCount(X / W));
    const double rowLeftover = X - static_cast<double>(alongRow) * L;
    const std::int64_t strip =
        CountProduct(TruncatedCount(kW / L), TruncatedCount(rowLeftover / W));
    return CountSum(CountSum(lengthwise, crosswise), strip);
}

TwoBlockLayer BestTwoBlockLayer(double RowSide, double SplitSide, double BundleLength,
                                double BundleWidth) {
    TwoBlockLayer best;
    const std::int64_t candidates = TruncatedCount(SplitSide / BundleWidth);
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
    return TruncatedCount(StackHeight / BundleHeight);
}

std::int64_t BestTwoBlockLoad(double RowSide, double SplitSide, double StackHeight,
                              double BundleLength, double BundleWidth, double BundleHeight,
                              double& Split, std::uint16_t& LayerCount) {
    const TwoBlockLayer best = BestTwoBlockLayer(RowSide, SplitSide, BundleLength, BundleWidth);
    Split = static_cast<double>(best.Split);
    LayerCount = static_cast<std::uint16_t>(best.Count);
    return CountProduct(best.Count, LayersInStack(StackHeight, BundleHeight));
}
