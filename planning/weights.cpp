#include "planning/weights.h"

#include "planning/rectop.h"

#include <algorithm>
#include <cmath>

namespace {

double GrossOf(std::int64_t bundles, double bundleKg, double tareKg) {
    return tareKg + static_cast<double>(bundles) * bundleKg;
}

// Typed weights such as 0.1 kg carry binary rounding: a load that meets the limit exactly on
// paper must not lose a layer to it.
bool WithinLimit(double grossKg, double maxGrossKg) {
    return grossKg <= maxGrossKg + std::fabs(maxGrossKg) * 1e-6;
}

PalletWeight WeighPallet(std::int64_t bundles, double bundleKg, double tareKg) {
    PalletWeight pallet;
    pallet.Bundles = bundles;
    pallet.NetKg = static_cast<double>(bundles) * bundleKg;
    pallet.GrossKg = pallet.NetKg + tareKg;
    return pallet;
}

} // namespace

std::optional<double> BundleWeightKg(const WeightInputs& inputs) {
    if (inputs.BundleKg)
        return inputs.BundleKg;
    if (inputs.BoxGrams && inputs.BoxesPerBundle && *inputs.BoxesPerBundle > 0)
        return *inputs.BoxGrams * static_cast<double>(*inputs.BoxesPerBundle) / 1000.0;
    return std::nullopt;
}

std::int64_t LayersWithinGross(std::int64_t layers, std::int64_t perLayer, double bundleKg,
                               double tareKg, double maxGrossKg) {
    // A load that holds nothing has nothing to weigh down: the result already says why.
    if (layers <= 0 || perLayer <= 0)
        return std::max<std::int64_t>(layers, 0);
    const double oneBundle = GrossOf(1, bundleKg, tareKg);
    if (!WithinLimit(oneBundle, maxGrossKg))
        throw BundleTooHeavyError(oneBundle, maxGrossKg);
    const double layerKg = static_cast<double>(perLayer) * bundleKg;
    if (layerKg <= 0 || WithinLimit(GrossOf(layers * perLayer, bundleKg, tareKg), maxGrossKg))
        return layers;
    // The quotient gives the count to within one; the exact test settles it.
    auto fits = [&](std::int64_t n) {
        return WithinLimit(GrossOf(n * perLayer, bundleKg, tareKg), maxGrossKg);
    };
    std::int64_t n = static_cast<std::int64_t>(
        std::clamp(std::floor((maxGrossKg - tareKg) / layerKg), 0.0, static_cast<double>(layers)));
    while (n < layers && fits(n + 1))
        ++n;
    while (n > 0 && !fits(n))
        --n;
    return n;
}

bool CutLayersToGross(LoadPlan& plan, double bundleKg, double tareKg, double maxGrossKg) {
    const std::int64_t layers =
        LayersWithinGross(plan.Layers, plan.LayerCount, bundleKg, tareKg, maxGrossKg);
    if (layers == plan.Layers)
        return false;
    plan.Layers = layers;
    plan.Total = plan.LayerCount * layers;
    return true;
}

double StackHeightForLayers(double stackHeight, double bundleHeight, std::int64_t layers) {
    const std::int64_t allowed = LayersInStack(stackHeight, bundleHeight);
    if (layers >= allowed || bundleHeight <= 0)
        return stackHeight;
    const double lowered = stackHeight - static_cast<double>(allowed - layers) * bundleHeight;
    if (LayersInStack(lowered, bundleHeight) == layers)
        return lowered;
    // Rounding of a fractional bundle height took the count off by one: half a bundle's room
    // above the top layer counts it exactly.
    return (static_cast<double>(layers) + 0.5) * bundleHeight;
}

LoadWeights WeighLoad(std::int64_t total, double bundleKg, double tareKg,
                      std::optional<std::int64_t> bundlesInOrder) {
    LoadWeights weights;
    weights.BundleKg = bundleKg;
    weights.TareKg = tareKg;
    weights.Full = WeighPallet(total, bundleKg, tareKg);
    if (!bundlesInOrder || total <= 0)
        return weights;
    OrderWeight order;
    order.Bundles = std::max<std::int64_t>(*bundlesInOrder, 0);
    if (order.Bundles > 0) {
        order.Pallets = PalletsForOrder(order.Bundles, total);
        order.NetKg = static_cast<double>(order.Bundles) * bundleKg;
        order.GrossKg = order.NetKg + static_cast<double>(order.Pallets) * tareKg;
        weights.Last = WeighPallet(BundlesOnLastPallet(order.Bundles, total), bundleKg, tareKg);
    }
    weights.Order = order;
    return weights;
}
