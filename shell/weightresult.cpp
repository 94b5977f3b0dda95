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

WeightFigures WeightFiguresOf(const WeightResult& weights, char separator) {
    namespace T = Texts::Weights;
    WeightFigures figures;
    if (!weights.Given)
        return figures;
    if (!weights.BundleKg || !weights.Loaded) {
        figures.Heading = {T::BundleWeightUnknown};
        return figures;
    }
    const LoadWeights& w = *weights.Loaded;
    figures.Heading = {T::BundleLine(Kilograms(w.BundleKg, 0.001, separator))};
    if (weights.LayersCut)
        figures.Heading.push_back(T::LayersCutLine(FormatGeneral(*weights.MaxGrossKg, separator)));
    auto row = [&](const char* label, double net, double gross) {
        figures.Rows.push_back(
            {label, Kilograms(net, 0.1, separator), Kilograms(gross, 0.1, separator)});
    };
    row(T::FullPallet, w.Full.NetKg, w.Full.GrossKg);
    if (w.Last)
        row(T::LastPallet, w.Last->NetKg, w.Last->GrossKg);
    if (w.Order)
        row(T::WholeOrder, w.Order->NetKg, w.Order->GrossKg);
    return figures;
}

std::vector<std::string> WeightLines(const WeightResult& weights, char separator) {
    const WeightFigures figures = WeightFiguresOf(weights, separator);
    std::vector<std::string> lines = figures.Heading;
    for (const WeightRow& row : figures.Rows)
        lines.push_back(Texts::Weights::RowLine(row.Label, row.NetKg, row.GrossKg));
    return lines;
}
