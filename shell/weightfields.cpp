#include "shell/weightfields.h"

#include "shell/fieldnumbers.h"

#include <cmath>

namespace {

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// A weight is typed as the other numbers are, and a point is taken too: weights come from
// labels and data sheets written either way.
std::optional<double> ReadWeight(const std::string& text, WeightField field, char separator,
                                 bool mustBePositive) {
    if (Blank(text))
        return std::nullopt;
    double value = 0;
    if (!TryReal(text, separator, value) && !TryReal(text, '.', value))
        throw WeightInputError(field, text);
    if (!std::isfinite(value) || value < 0 || (mustBePositive && value == 0))
        throw WeightInputError(field, text);
    return value;
}

} // namespace

bool WeightsGiven(const WeightFields& fields) {
    return !Blank(fields.BoxGrams) || !Blank(fields.BundleKg);
}

WeightInputs ReadWeights(const WeightFields& fields, std::optional<std::int64_t> boxesPerBundle,
                         char separator) {
    WeightInputs inputs;
    inputs.BoxGrams = ReadWeight(fields.BoxGrams, WeightField::BoxGrams, separator, false);
    inputs.BundleKg = ReadWeight(fields.BundleKg, WeightField::BundleKg, separator, false);
    inputs.TareKg = ReadWeight(fields.TareKg, WeightField::TareKg, separator, false)
                        .value_or(DefaultPalletTareKg);
    inputs.MaxGrossKg = ReadWeight(fields.MaxGrossKg, WeightField::MaxGrossKg, separator, true);
    inputs.BoxesPerBundle = boxesPerBundle;
    return inputs;
}
