#pragma once

#include "planning/advisor/layeradvisor.h"

#include <cstdint>
#include <optional>
#include <vector>

// One layer as an operator lays it, seen from above and to scale: the pallet with its corner at
// the origin, x along the pallet length and y along its width, the envelope the maximum overhangs
// allow, the load's footprint centred on the pallet, and every bundle in placing order. All in
// whole millimetres.

struct PlanRect {
    std::int64_t X = 0, Y = 0, Length = 0, Width = 0; // Length along x, Width along y
    friend bool operator==(const PlanRect&, const PlanRect&) = default;
};

struct PlanBundle {
    PlanRect Rect;
    // Lying a quarter turn from the lengthwise bundle: its length runs along y.
    bool Turned = false;
    friend bool operator==(const PlanBundle&, const PlanBundle&) = default;
};

// Above this many bundles a layer is not listed bundle by bundle: no drawing of it could be read,
// and the list would take more memory than the calculation.
constexpr std::int64_t MaxPlanBundles = 100'000;

struct LayerPlan {
    PlanRect Pallet;
    PlanRect Envelope;  // the pallet grown by the maximum overhangs, centred on it
    PlanRect Footprint; // the smallest rectangle around the bundles
    std::int64_t BundleLength = 0, BundleWidth = 0;
    std::int64_t Count = 0; // bundles on the layer
    // In placing order: block by block, each block row by row (rows from the pallet's near long
    // side, each row from its near end). Empty when Count exceeds MaxPlanBundles.
    std::vector<PlanBundle> Bundles;
};

// Where a layer goes: the pallet and the overhangs a load may use, in the frame of the plan
// (pallet sides exchanged when the plan turned the pallet).
struct PlanFrame {
    std::int64_t PalletLength = 0, PalletWidth = 0;
    std::int64_t MaxLengthOverhang = 0, MaxWidthOverhang = 0;
    std::int64_t BundleLength = 0, BundleWidth = 0;
};

// The two-block layer with the given split on the RowSide x SplitSide rectangle, the same
// bundles the count counts.
LayerPlan TwoBlockLayerPlan(const PlanFrame& frame, std::int64_t rowSide, std::int64_t splitSide,
                            std::int64_t split);

// The layer of the given blocks (the advisor's best layer), in the frame of the blocks.
LayerPlan BlocksLayerPlan(const PlanFrame& frame, const std::vector<BundleBlock>& blocks);

// How the alternate layer is mirrored. None: every mirror image lays the bundles exactly where the
// layer has them, so alternating layers would stand in columns all the same.
enum class MirrorAxis { AcrossWidth, AcrossLength, None };

struct MirroredLayer {
    MirrorAxis Axis = MirrorAxis::None;
    // The layer flipped within its footprint, bundle i of it the image of bundle i of the layer.
    LayerPlan Plan;
};

// The layer for the layers in between: the mirror image that puts the blocks of one layer over
// the other's (y flipped, the blocks lie along y), or when that gives the same layout the image
// with x flipped.
MirroredLayer MirrorLayer(const LayerPlan& plan);

// Both layers hold bundles of the same sizes in the same places, whatever the order.
bool SameLayout(const LayerPlan& a, const LayerPlan& b);
