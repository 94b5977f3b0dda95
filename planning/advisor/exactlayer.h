#pragma once

#include "planning/advisor/layertypes.h"

#include <cstdint>
#include <vector>

class BudgetMeter;
struct CellWeights;

// The exact step: whether `target` l x w bundles (either way round) fit an x * y rectangle, by
// a branch and bound that tries every layer there is. It proves the count below the bound best
// when one more does not fit, and finds the layer when it does.
struct ExactAnswer {
    enum class Outcome { Fits, DoesNotFit, Unknown };
    // Unknown: the budget ran out first, or the rectangle holds too many distinct lengths.
    Outcome outcome = Outcome::Unknown;
    // When it fits: the layer, one block per bundle, in the units of the call.
    std::vector<BundleBlock> blocks;
};

// With `weights` from the relaxation's bound on the same rectangle, a partial layer is given up
// as soon as the weights of the cells still open (plus the shortfall) leave no room for the rest:
// the closer the relaxation came to the count, the sooner.
ExactAnswer FitExactly(std::int64_t x, std::int64_t y, std::int64_t l, std::int64_t w,
                       std::int64_t target, BudgetMeter& meter,
                       const CellWeights* weights = nullptr);
