#include "shell/weightresult.h"

#include "shell/advice.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"

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

bool NeedsBoxesPerBundle(const WeightFields& fields) {
    return WeightsGiven(fields) && fields.BundleKg.find_first_not_of(" \t") == std::string::npos;
}

WeightResult WeighPlan(LoadPlan& plan, const WeightFields& fields,
                       std::optional<std::int64_t> boxesPerBundle, char separator) {
    const WeightInputs inputs = ReadWeights(fields, boxesPerBundle, separator);
    WeightResult result;
    result.Given = WeightsGiven(fields);
    result.LayersBeforeCut = plan.Layers;
    result.TareKg = inputs.TareKg;
    if (!result.Given)
        return result;
    result.MaxGrossKg = inputs.MaxGrossKg;
    result.BundleKg = BundleWeightKg(inputs);
    if (result.BundleKg && inputs.MaxGrossKg)
        result.LayersCut =
            CutLayersToGross(plan, *result.BundleKg, inputs.TareKg, *inputs.MaxGrossKg);
    return result;
}

void WeighOrder(WeightResult& weights, const LoadPlan& plan,
                std::optional<std::int64_t> bundlesInOrder) {
    if (weights.BundleKg)
        weights.Loaded = WeighLoad(plan.Total, *weights.BundleKg, weights.TareKg, bundlesInOrder);
}

void CutAdviceToWeight(LayerAdvice& advice, const WeightResult& weights) {
    if (!weights.BundleKg || !weights.MaxGrossKg)
        return;
    CutLayersToGross(advice.BestPlan, *weights.BundleKg, weights.TareKg, *weights.MaxGrossKg);
    advice.Layers = advice.BestPlan.Layers;
}

std::vector<std::string> WeightLines(const WeightResult& weights, char separator) {
    namespace T = Texts::Weights;
    if (!weights.Given)
        return {};
    if (!weights.BundleKg || !weights.Loaded)
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
