#include "app/shell/weightresult.h"

#include "app/shell/fieldnumbers.h"
#include "app/shell/texts.h"

#include <cmath>

namespace {

// Pallets and orders to a tenth of a kilogram, a bundle to the gram its boxes are weighed in.
std::string Kilograms(double kg, double step, char separator) {
    return FormatGeneral(std::nearbyint(kg / step) * step, separator);
}

std::string PalletText(const PalletWeight& pallet, char separator) {
    return Texts::Weights::NetGross(Kilograms(pallet.NetKg, 0.1, separator),
                                    Kilograms(pallet.GrossKg, 0.1, separator));
}

} // namespace

WeightResult WeighPlan(LoadPlan& plan, const WeightFields& fields,
                       std::optional<std::int64_t> boxesPerBundle,
                       std::optional<std::int64_t> bundlesInOrder, char separator) {
    const WeightInputs inputs = ReadWeights(fields, boxesPerBundle, separator);
    WeightResult result;
    result.Given = WeightsGiven(fields);
    result.LayersBeforeCut = plan.Layers;
    if (!result.Given)
        return result;
    result.MaxGrossKg = inputs.MaxGrossKg;
    const std::optional<double> bundleKg = BundleWeightKg(inputs);
    if (!bundleKg)
        return result;
    if (inputs.MaxGrossKg)
        result.LayersCut = CutLayersToGross(plan, *bundleKg, inputs.TareKg, *inputs.MaxGrossKg);
    result.Loaded = WeighLoad(plan.Total, *bundleKg, inputs.TareKg, bundlesInOrder);
    return result;
}

std::vector<std::string> WeightLines(const WeightResult& weights, char separator) {
    namespace T = Texts::Weights;
    if (!weights.Given)
        return {};
    if (!weights.Loaded)
        return {T::BundleWeightUnknown};
    const LoadWeights& w = *weights.Loaded;
    std::vector<std::string> lines = {T::BundleLine(Kilograms(w.BundleKg, 0.001, separator))};
    if (weights.LayersCut)
        lines.push_back(T::LayersCutLine(FormatGeneral(*weights.MaxGrossKg, separator)));
    lines.push_back(T::FullPalletLine(PalletText(w.Full, separator)));
    if (w.Last)
        lines.push_back(T::LastPalletLine(PalletText(*w.Last, separator)));
    if (w.Order)
        lines.push_back(T::OrderLine(Kilograms(w.Order->NetKg, 0.1, separator),
                                     Kilograms(w.Order->GrossKg, 0.1, separator)));
    return lines;
}
