#include "cli/palletoptions.h"

#include "shell/calculation.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

std::vector<PalletPreset> KnownPallets(const CalculationInputs& inputs) {
    std::vector<PalletPreset> table = StandardPallets();
    table.insert(table.end(), inputs.OwnPallets.begin(), inputs.OwnPallets.end());
    return table;
}

// The option's value checked as the calculation will read it.
void CheckWeight(const std::optional<std::string>& value, const char* option, WeightField field) {
    if (!value)
        return;
    const bool limit = field == WeightField::MaxGrossKg;
    const char* problem = limit ? Texts::Report::NotAWeightLimit : Texts::Report::NotAWeight;
    // An empty value would read as no weight at all: say so rather than ignore the option.
    if (value->find_first_not_of(" \t") == std::string::npos)
        throw UsageError(Texts::Report::OptionError(option, *value, problem));
    WeightFields fields;
    (limit ? fields.MaxGrossKg : fields.BoxGrams) = *value;
    try {
        ReadWeights(fields, std::nullopt, LocaleDecimalSeparator());
    } catch (const WeightInputError&) {
        throw UsageError(Texts::Report::OptionError(option, *value, problem));
    }
}

} // namespace

bool PalletByName(const std::string& value) {
    if (FindPallet(StandardPallets(), value) != nullptr)
        return true;
    const std::size_t first = value.find_first_not_of(" \t");
    if (first == std::string::npos)
        return false;
    const char c = value[first];
    return !((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == ',');
}

void CheckWeightOptions(const Options& options) {
    if (options.boxWeight && options.bundleWeight)
        throw UsageError(Texts::Report::OptionError("--box-weight", *options.boxWeight,
                                                    Texts::Report::BoxAndBundleWeight));
    CheckWeight(options.boxWeight, "--box-weight", WeightField::BoxGrams);
    CheckWeight(options.bundleWeight, "--bundle-weight", WeightField::BundleKg);
    CheckWeight(options.palletWeight, "--pallet-weight", WeightField::TareKg);
    CheckWeight(options.maxGross, "--max-gross", WeightField::MaxGrossKg);
}

void ApplyPalletAndWeightOptions(const Options& options, CalculationInputs& inputs) {
    const char separator = LocaleDecimalSeparator();
    if (options.pallet) {
        const std::vector<PalletPreset> table = KnownPallets(inputs);
        if (const PalletPreset* pallet = FindPallet(table, *options.pallet)) {
            inputs.PalletLength = FormatGeneral(pallet->Length, separator);
            inputs.PalletWidth = FormatGeneral(pallet->Width, separator);
            inputs.Weights.TareKg = FormatGeneral(pallet->TareKg, separator);
        } else if (PalletByName(*options.pallet)) {
            throw UsageError(Texts::Report::OptionError("--pallet", *options.pallet,
                                                        Texts::Report::UnknownPallet));
        } else {
            std::tie(inputs.PalletLength, inputs.PalletWidth) = SplitPair(*options.pallet);
        }
    }
    if (options.boxWeight) {
        inputs.Weights.BoxGrams = *options.boxWeight;
        inputs.Weights.BundleKg.clear();
    }
    if (options.bundleWeight) {
        inputs.Weights.BundleKg = *options.bundleWeight;
        inputs.Weights.BoxGrams.clear();
    }
    if (options.palletWeight)
        inputs.Weights.TareKg = *options.palletWeight;
    if (options.maxGross)
        inputs.Weights.MaxGrossKg = *options.maxGross;
}

void PrintPalletTable(const CalculationInputs& inputs, std::ostream& out) {
    const char separator = LocaleDecimalSeparator();
    for (const PalletPreset& pallet : KnownPallets(inputs))
        out << Texts::Weights::OwnPalletItem(
                   Texts::Weights::PalletItem(pallet.Name, FormatGeneral(pallet.Length, separator),
                                              FormatGeneral(pallet.Width, separator)),
                   FormatGeneral(pallet.TareKg, separator))
            << "\n";
}
