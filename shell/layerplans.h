#pragma once

#include "loaddraw/drawlayerplan.h"
#include "shell/calculation.h"

#include <optional>

// The layer plans of one calculation, with the words the pictures carry: the two-block layer
// the figures count, and the advisor's best layer when it holds more. Read from the calculation,
// never worked out again.

enum class Alternation { Off, On };

// The two-block layer as the plan lays it: the plan's pallet (sides exchanged when it turned
// the pallet), the overhangs allowed, the bundle.
LayerPlan TwoBlockLayerPlanOf(const Calculation& calculation);

// The advisor's best layer, when the calculation has advice and the layer beats two blocks.
std::optional<LayerPlan> BestLayerPlanOf(const Calculation& calculation);

// The picture of a layer plan; with alternation on, the mirrored layer beside it (or a line
// saying that mirroring changes nothing).
PlanPicture TwoBlockPlanPicture(const Calculation& calculation, Alternation alternation);
std::optional<PlanPicture> BestPlanPicture(const Calculation& calculation, Alternation alternation);
