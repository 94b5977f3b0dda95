#pragma once

#include "planning/loadplan.h"

#include <cstdint>
#include <optional>
#include <stdexcept>

// The weight side of a load: what one bundle weighs, what a loaded pallet weighs with and
// without the pallet itself, and how many layers a pallet may carry when its gross weight is
// limited. Weights are kilograms except the box weight, which is typed in grams. The shell
// checks the typed values; the functions here take them finite and not negative.

// An empty pallet's own weight when neither a pallet preset nor the user says otherwise.
inline constexpr double DefaultPalletTareKg = 25;

struct WeightInputs {
    std::optional<double> BoxGrams;             // one box
    std::optional<double> BundleKg;             // one bundle; wins over the box weight
    std::optional<std::int64_t> BoxesPerBundle; // turns the box weight into the bundle's
    double TareKg = DefaultPalletTareKg;        // the empty pallet
    std::optional<double> MaxGrossKg;           // a loaded pallet's limit, pallet included
};

// One bundle's weight: as given, or the box weight times the boxes per bundle. None when neither
// is given, or the box weight is given without a positive number of boxes per bundle.
std::optional<double> BundleWeightKg(const WeightInputs& inputs);

// A pallet with a single bundle on it already weighs more than the limit: no layer at all can
// go on it. Raised instead of planning an empty load.
class BundleTooHeavyError : public std::runtime_error {
  public:
    BundleTooHeavyError(double grossKg, double maxGrossKg)
        : std::runtime_error("one bundle on the pallet exceeds the maximum gross weight"),
          GrossKg(grossKg), MaxGrossKg(maxGrossKg) {}
    double GrossKg;    // the pallet with one bundle
    double MaxGrossKg; // the limit
};

// Whole layers of `perLayer` bundles a pallet may carry without its gross weight exceeding
// `maxGrossKg`, at most `layers`. A layer that would pass the limit by no more than rounding of
// the typed figures (a millionth of the limit) still counts. Raises BundleTooHeavyError when the
// pallet with one bundle weighs more than the limit, unless the load holds nothing anyway.
std::int64_t LayersWithinGross(std::int64_t layers, std::int64_t perLayer, double bundleKg,
                               double tareKg, double maxGrossKg);

// Cuts the plan's layers, and its total with them, to what the limit allows. True when it cut
// anything; a plan within the limit is left exactly as it was.
bool CutLayersToGross(LoadPlan& plan, double bundleKg, double tareKg, double maxGrossKg);

// The stack height a drawing of the plan takes so that it shows `layers` whole layers of
// `bundleHeight`: the height allowed when that already gives them, otherwise lowered by the
// layers cut, keeping the room left above the top layer. The drawings count their layers from
// the stack height, so a load cut by weight is drawn as the shorter stack it is.
double StackHeightForLayers(double stackHeight, double bundleHeight, std::int64_t layers);

struct PalletWeight {
    std::int64_t Bundles = 0;
    double NetKg = 0;   // the bundles
    double GrossKg = 0; // the bundles and the pallet
};

struct OrderWeight {
    std::int64_t Bundles = 0;
    std::int64_t Pallets = 0;
    double NetKg = 0;   // every bundle of the order
    double GrossKg = 0; // and every pallet it fills
};

struct LoadWeights {
    double BundleKg = 0;
    double TareKg = 0;
    PalletWeight Full;                // a pallet with the plan's total
    std::optional<PalletWeight> Last; // with an order that fills at least one pallet
    std::optional<OrderWeight> Order; // with an order, when a pallet holds anything
};

// The weights of a pallet holding `total` bundles and, with an order, of its last pallet and of
// the whole order. The order's pallets and last pallet are counted as the result lines count
// them; an order of no bundles weighs nothing and has no last pallet.
LoadWeights WeighLoad(std::int64_t total, double bundleKg, double tareKg,
                      std::optional<std::int64_t> bundlesInOrder);
