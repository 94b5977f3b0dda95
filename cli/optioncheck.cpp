#include "cli/optioncheck.h"

#include "cli/palletoptions.h"
#include "planning/bundlecalc.h"
#include "settings/colourtext.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"

#include <cstdint>

namespace {

using Texts::Report::OptionError;

std::int32_t Whole(const char* option, const std::string& value, const std::string& text) {
    try {
        return ToWhole(text);
    } catch (const ConversionError& failure) {
        throw UsageError(OptionError(option, value, failure.what()));
    }
}

double Real(const char* option, const std::string& value, const std::string& text,
            char decimalSeparator) {
    try {
        return ToReal(text, decimalSeparator);
    } catch (const ConversionError& failure) {
        throw UsageError(OptionError(option, value, failure.what()));
    }
}

void AtLeast(const char* option, const std::string& value, double number, double least) {
    if (number < least)
        throw UsageError(OptionError(
            option, value, least > 0 ? Texts::Report::NotAtLeastOne : Texts::Report::Negative));
}

// A count: a whole number, at least `least`.
void CheckCount(const char* option, const std::optional<std::string>& value, int least = 0) {
    if (value)
        AtLeast(option, *value, Whole(option, *value, *value), least);
}

// "1200x800": both sizes must be there; "1200" alone is a mistake, not a square.
std::pair<std::string, std::string> BothSizes(const char* option, const std::string& value) {
    const std::optional<std::pair<std::string, std::string>> sizes = SplitBoth(value);
    if (!sizes)
        throw UsageError(OptionError(option, value, Texts::Report::BothSizes));
    return *sizes;
}

} // namespace

Colour ColourFromOption(const std::string& text) {
    if (text.size() == 7 && text[0] == '#') {
        Colour rgb = 0;
        for (std::size_t i = 1; i < text.size(); ++i) {
            const int digit = HexDigit(text[i]);
            if (digit < 0)
                throw UsageError(OptionError("--color", text, Texts::Report::UnknownColour));
            rgb = rgb * 16 + static_cast<Colour>(digit);
        }
        return MakeColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    for (const std::string& candidate : {text, "cl" + text}) {
        try {
            return ColourFromText(candidate);
        } catch (const ConversionError&) {
        }
    }
    throw UsageError(OptionError("--color", text, Texts::Report::UnknownColour));
}

void CheckOptions(const Options& options, char decimalSeparator) {
    if (options.box && !options.bundle.empty())
        throw UsageError(OptionError("--box", *options.box, Texts::Report::BundleAndBox));
    if (options.pallet && !PalletByName(*options.pallet)) {
        const auto [length, width] = BothSizes("--pallet", *options.pallet);
        for (const std::string& side : {length, width})
            AtLeast("--pallet", *options.pallet,
                    Real("--pallet", *options.pallet, side, decimalSeparator), 0);
    }
    if (options.overhang) {
        const auto [alongLength, alongWidth] = BothSizes("--overhang", *options.overhang);
        for (const std::string& side : {alongLength, alongWidth})
            AtLeast("--overhang", *options.overhang, Whole("--overhang", *options.overhang, side),
                    0);
    }
    if (options.maxHeight)
        AtLeast("--max-height", *options.maxHeight,
                Real("--max-height", *options.maxHeight, *options.maxHeight, decimalSeparator), 0);
    CheckCount("--bundles", options.bundles);
    CheckCount("--boxes", options.boxes);
    CheckCount("--per-bundle", options.perBundle, 1);
    if (options.boxes && options.bundles)
        throw UsageError(OptionError("--boxes", *options.boxes, Texts::Report::BoxesAndBundles));
    // Box counts turn into bundles only through a box: beside a bundle size they would be
    // silently ignored.
    if (!options.bundle.empty()) {
        if (options.perBundle)
            throw UsageError(
                OptionError("--per-bundle", *options.perBundle, Texts::Report::OnlyWithBox));
        if (options.boxes)
            throw UsageError(OptionError("--boxes", *options.boxes, Texts::Report::OnlyWithBox));
    }
    if (options.colour)
        ColourFromOption(*options.colour);
    if (options.profile) {
        const double thickness = FluteThickness(*options.profile, decimalSeparator);
        if (thickness == 0)
            throw UsageError(
                OptionError("--profile", *options.profile, Texts::Report::NoThickness));
        if (thickness < 0)
            throw UsageError(
                OptionError("--profile", *options.profile, Texts::Report::NegativeThickness));
    }
    CheckWeightOptions(options);
    PictureSize(options);
}
