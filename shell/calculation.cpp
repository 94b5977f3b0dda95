#include "shell/calculation.h"

#include "planning/bundlecalc.h"
#include "shell/fieldnumbers.h"
#include "shell/resulttexts.h"
#include "shell/sizeguard.h"

#include <clocale>
#include <utility>

bool BundleSizeReady(const CalculationInputs& inputs) {
    if (inputs.BundleLength.empty() || inputs.BundleWidth.empty() || inputs.BundleHeight.empty())
        return false;
    const auto [length, width, height] =
        ToWholeSizes(inputs.BundleLength, inputs.BundleWidth, inputs.BundleHeight);
    return SizeGiven(length, width, height);
}

void DeriveBundleFromBox(CalculationInputs& inputs, char decimalSeparator) {
    if (inputs.BoxLength.empty() || inputs.BoxWidth.empty() || inputs.BoxHeight.empty())
        return;
    const auto [length, width, height] =
        ToWholeSizes(inputs.BoxLength, inputs.BoxWidth, inputs.BoxHeight);
    if (!SizeGiven(length, width, height))
        return;
    const double flute = FluteThickness(inputs.FluteProfile, decimalSeparator);
    inputs.BundleLength = std::to_string(BundleLengthFromBox(length, width, flute));
    inputs.BundleWidth = std::to_string(BundleWidthFromBox(width, height, flute));
    if (inputs.BoxesPerBundle.empty())
        return;
    const std::int32_t perBundle = ToWhole(inputs.BoxesPerBundle);
    if (perBundle <= 0)
        return;
    inputs.BundleHeight = std::to_string(BundleHeightFromBoxes(perBundle, flute));
    if (!inputs.BoxesInOrder.empty())
        inputs.BundlesInOrder =
            std::to_string(BundlesForBoxes(ToWhole(inputs.BoxesInOrder), perBundle));
}

LoadRequest ReadLoadRequest(const CalculationInputs& inputs, char decimalSeparator) {
    LoadRequest request;
    request.LengthOverhang = ToWhole(inputs.LengthOverhang);
    request.WidthOverhang = ToWhole(inputs.WidthOverhang);
    request.PalletLength = ToReal(inputs.PalletLength, decimalSeparator);
    request.PalletWidth = ToReal(inputs.PalletWidth, decimalSeparator);
    request.MaxHeight = ToReal(inputs.MaxHeight, decimalSeparator);
    request.HeightIncludesPallet = inputs.HeightIncludesPallet;
    request.BundleLength = ToReal(inputs.BundleLength, decimalSeparator);
    request.BundleWidth = ToReal(inputs.BundleWidth, decimalSeparator);
    request.BundleHeight = ToReal(inputs.BundleHeight, decimalSeparator);
    return request;
}

namespace {

// The sizes the text block writes: the plan's pallet (turned with the plan), the bundle as typed.
TextBlockFields TextFieldsOf(const Calculation& c) {
    TextBlockFields fields;
    fields.PalletLength = c.Inputs.PalletLength;
    fields.PalletWidth = c.Inputs.PalletWidth;
    fields.BundleLength = c.Inputs.BundleLength;
    fields.BundleWidth = c.Inputs.BundleWidth;
    fields.BundleHeight = c.Request.BundleHeight;
    fields.BundlesInOrder = c.BundlesInOrder;
    fields.DecimalSeparator = c.DecimalSeparator;
    return fields;
}

} // namespace

Calculation Calculate(const CalculationInputs& inputs, char decimalSeparator, AdviceWanted advice) {
    Calculation result;
    result.Inputs = inputs;
    result.DecimalSeparator = decimalSeparator;
    result.Request = ReadLoadRequest(inputs, decimalSeparator);
    result.Plan = PlanLoad(result.Request);
    // A weight limit cuts the layers before any figure is made from them.
    std::optional<std::int64_t> boxesPerBundle;
    if (NeedsBoxesPerBundle(inputs.Weights) && !inputs.BoxesPerBundle.empty())
        boxesPerBundle = ToWhole(inputs.BoxesPerBundle);
    result.Weights = WeighPlan(result.Plan, inputs.Weights, boxesPerBundle, decimalSeparator);
    const LoadPlan& plan = result.Plan;
    CalculationInputs& turned = result.Inputs;
    if (plan.Turned) {
        std::swap(turned.PalletLength, turned.PalletWidth);
        std::swap(turned.LengthOverhang, turned.WidthOverhang);
    }
    result.Lines.Total = TotalLine(plan);
    result.Lines.Layers = LayersLine(plan);
    result.Lines.Overhangs = OverhangsLine(plan);
    if (!inputs.BundlesInOrder.empty()) {
        try {
            result.BundlesInOrder = ToWhole(inputs.BundlesInOrder);
        } catch (const ConversionError&) {
            result.Failure = std::current_exception();
            return result;
        }
        result.Lines.Pallets = PalletsLine(plan, *result.BundlesInOrder);
    }
    WeighOrder(result.Weights, plan, result.BundlesInOrder);
    result.WeightLines = WeightLines(result.Weights, decimalSeparator);

    result.TextBlock = TextBlockLines(plan, TextFieldsOf(result));
    if (inputs.AddText)
        result.PictureText = result.TextBlock;
    if (advice == AdviceWanted::Yes)
        AddAdvice(result, AdviseOn(result));
    return result;
}

CalculationAdvice AdviseOn(const Calculation& c, const AdvisorBudget& budget) {
    CalculationAdvice answer;
    answer.Advice = AdviseLayer(c.Plan, c.Request, budget);
    CutAdviceToWeight(answer.Advice, c.Weights);
    answer.Lines = AdviceLines(answer.Advice, c.BundlesInOrder);
    if (c.Inputs.AddText)
        answer.BestPictureText = TextBlockLines(answer.Advice.BestPlan, TextFieldsOf(c));
    return answer;
}

void AddAdvice(Calculation& c, CalculationAdvice advice) {
    c.Advice = std::move(advice.Advice);
    c.AdviceLines = std::move(advice.Lines);
    c.BestPictureText = std::move(advice.BestPictureText);
}

char LocaleDecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions != nullptr && conventions->decimal_point != nullptr &&
        conventions->decimal_point[0] != '\0' && conventions->decimal_point[1] == '\0')
        return conventions->decimal_point[0];
    return '.';
}
