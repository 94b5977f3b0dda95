#include "cli/optioncheck.h"

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

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
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

void CheckOptions(const Options& o, char decimalSeparator) {
    if (o.box && !o.bundle.empty())
        throw UsageError(OptionError("--box", *o.box, Texts::Report::BundleAndBox));
    if (o.pallet) {
        const auto [length, width] = BothSizes("--pallet", *o.pallet);
        for (const std::string& side : {length, width})
            AtLeast("--pallet", *o.pallet, Real("--pallet", *o.pallet, side, decimalSeparator), 0);
    }
    if (o.overhang) {
        const auto [alongLength, alongWidth] = BothSizes("--overhang", *o.overhang);
        for (const std::string& side : {alongLength, alongWidth})
            AtLeast("--overhang", *o.overhang, Whole("--overhang", *o.overhang, side), 0);
    }
    if (o.maxHeight)
        AtLeast("--max-height", *o.maxHeight,
                Real("--max-height", *o.maxHeight, *o.maxHeight, decimalSeparator), 0);
    CheckCount("--bundles", o.bundles);
    CheckCount("--boxes", o.boxes);
    CheckCount("--per-bundle", o.perBundle, 1);
    if (o.boxes && o.bundles)
        throw UsageError(OptionError("--boxes", *o.boxes, Texts::Report::BoxesAndBundles));
    // Box counts turn into bundles only through a box: beside a bundle size they would be
    // silently ignored.
    if (!o.bundle.empty()) {
        if (o.perBundle)
            throw UsageError(OptionError("--per-bundle", *o.perBundle, Texts::Report::OnlyWithBox));
        if (o.boxes)
            throw UsageError(OptionError("--boxes", *o.boxes, Texts::Report::OnlyWithBox));
    }
    if (o.colour)
        ColourFromOption(*o.colour);
    if (o.profile) {
        const double thickness = FluteThickness(*o.profile, decimalSeparator);
        if (thickness == 0)
            throw UsageError(OptionError("--profile", *o.profile, Texts::Report::NoThickness));
        if (thickness < 0)
            throw UsageError(
                OptionError("--profile", *o.profile, Texts::Report::NegativeThickness));
    }
    PictureSize(o);
}
