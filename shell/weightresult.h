#pragma once

#include "planning/loadplan.h"
#include "planning/weights.h"
#include "shell/weightfields.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The weight part of a calculation's result.
struct WeightResult {
    bool Given = false;             // a box or bundle weight was typed
    std::optional<double> BundleKg; // none when the bundle's weight cannot be known
    double TareKg = DefaultPalletTareKg;
    std::optional<LoadWeights> Loaded; // set by WeighOrder when the bundle's weight is known
    std::optional<double> MaxGrossKg;
    bool LayersCut = false;           // the limit took layers off the plan
    std::int64_t LayersBeforeCut = 0; // the layers the height alone allows
};

// Whether the weights need the boxes per bundle: a box weight is given and no bundle weight.
bool NeedsBoxesPerBundle(const WeightFields& fields);

// The weight step of the calculation, after the plan and before anything shows it: reads the
// weight texts (every one, so a bad text is reported even when nothing is weighed) and cuts the
// plan's layers to the maximum gross weight. Raises WeightInputError for a bad text and
// BundleTooHeavyError when not even one bundle may go on the pallet. Without weights the plan
// is left exactly as it was.
WeightResult WeighPlan(LoadPlan& plan, const WeightFields& fields,
                       std::optional<std::int64_t> boxesPerBundle, char decimalSeparator);

// Weighs the pallet of the (cut) plan, its last pallet and the order, once the order is read.
void WeighOrder(WeightResult& weights, const LoadPlan& plan,
                std::optional<std::int64_t> bundlesInOrder);

// The advisor's best layer under the same limit: its plan loses the layers the limit does not
// allow, as the two-block plan did.
struct LayerAdvice;
void CutAdviceToWeight(LayerAdvice& advice, const WeightResult& weights);

// The weights as figures to lay out: the lines above the table (the bundle's weight, or why it
// is not known, and the cut line when the limit took layers off), then one row each for the full
// pallet, the last pallet and the order, net and gross in kilograms as text.
struct WeightRow {
    std::string Label, NetKg, GrossKg;
};
struct WeightFigures {
    std::vector<std::string> Heading;
    std::vector<WeightRow> Rows;
};
WeightFigures WeightFiguresOf(const WeightResult& weights, char decimalSeparator);

// The lines after the result lines, empty without weights: the bundle's weight, the weight cut
// line when the limit took layers off, and the full pallet, last pallet and order.
std::vector<std::string> WeightLines(const WeightResult& weights, char decimalSeparator);
