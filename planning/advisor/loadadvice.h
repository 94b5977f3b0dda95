#pragma once

#include "planning/advisor/layertypes.h"
#include "planning/loadplan.h"

#include <cstdint>

// What the layer advisor says about a planned load: the best layer it finds on the pallet with
// the overhangs allowed, how it compares with the two-block layer, and the extra overhang that
// would buy one more bundle a layer.
struct LayerAdvice {
    bool Available = false; // false: the sizes are not whole millimetres the advisor can take
    BestLayer Best;
    OverhangAdvice Overhang;
    std::int64_t TwoBlockCount = 0;
    std::int64_t Layers = 0;
    double BundleHeight = 0;
    // The best layer as a plan: its count and total, and the overhangs it really uses.
    LoadPlan BestPlan;
};

// The advice for `plan`, made from `request`; the pallet sides and overhangs are taken in the
// plan's frame (after any turn).
LayerAdvice AdviseLayer(const LoadPlan& plan, const LoadRequest& request,
                        const AdvisorBudget& budget = {});
