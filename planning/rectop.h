#pragma once

#include <cstdint>

// The two-block arrangement of one layer on a RowSide x SplitSide rectangle: a lengthwise block
// of `split` rows (bundles lengthwise along the row side, each row W deep, with a side strip of
// crosswise bundles in the leftover at the row ends) and a crosswise block filling the rest of
// the split side (bundles turned a quarter turn, each row L deep).

// Bundles on one layer for split k. Every quotient is truncated before it counts.
std::int64_t TwoBlockLayerCount(std::int64_t k, double RowSide, double SplitSide,
                                double BundleLength, double BundleWidth);

struct TwoBlockLayer {
    std::int64_t Split = 0;
    std::int64_t Count = 0; // bundles per layer, not limited to 16 bits
};

// The best split: among equal counts the largest split wins, which is what lets the drawing
// rebuild the split from the crosswise row count. With no candidate (a negative quotient of the
// split side by the width) the layer is empty with split 0.
TwoBlockLayer BestTwoBlockLayer(double RowSide, double SplitSide, double BundleLength,
                                double BundleWidth);

// Layers of BundleHeight that fit StackHeight; 0 when the height is zero or negative, negative
// when StackHeight is at or below -BundleHeight (the stack height is not clamped).
std::int64_t LayersInStack(double StackHeight, double BundleHeight);

// Bundles in the whole load for the best split. LayerCount keeps the low 16 bits of the
// per-layer count; callers that must report layers above 65535 use BestTwoBlockLayer.
std::int64_t BestTwoBlockLoad(double RowSide, double SplitSide, double StackHeight,
                              double BundleLength, double BundleWidth, double BundleHeight,
                              double& Split, std::uint16_t& LayerCount);
