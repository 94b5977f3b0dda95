#include "cli/options.h"

#include "shell/fieldnumbers.h"
#include "shell/resultpicture.h"
#include "shell/texts.h"

Options ParseArguments(const std::vector<std::string>& arguments) {
    Options options;
    const std::pair<const char*, std::optional<std::string>*> valued[] = {
        {"--pallet", &options.pallet},
        {"--overhang", &options.overhang},
        {"--max-height", &options.maxHeight},
        {"--bundles", &options.bundles},
        {"--color", &options.colour},
        {"--profile", &options.profile},
        {"--per-bundle", &options.perBundle},
        {"--boxes", &options.boxes},
        {"--settings", &options.settings},
        {"--png", &options.png},
        {"--svg", &options.svg},
        {"--size", &options.size},
        {"--box", &options.box},
        {"--best-png", &options.bestPng},
        {"--best-svg", &options.bestSvg},
        {"--box-weight", &options.boxWeight},
        {"--bundle-weight", &options.bundleWeight},
        {"--pallet-weight", &options.palletWeight},
        {"--max-gross", &options.maxGross},
        {"--pdf", &options.pdf},
        {"--plan-svg", &options.planSvg},
        {"--plan-png", &options.planPng},
        {"--best-plan-svg", &options.bestPlanSvg},
        {"--best-plan-png", &options.bestPlanPng},
    };
    const std::pair<const char*, bool*> flags[] = {
        {"--height-without-pallet", &options.heightWithoutPallet},
        {"--no-text", &options.noText},
        {"--json", &options.json},
        {"--advice", &options.advice},
        {"--list-pallets", &options.listPallets},
        {"--alternate", &options.alternate},
        {"--svg-visible-only", &options.svgVisibleOnly},
        {"--help", &options.help},
        {"--version", &options.version},
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            options.bundle.push_back(argument);
            continue;
        }
        // Both "--option value" and "--option=value".
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        bool known = false;
        for (const auto& [flag, value] : valued) {
            if (name != flag)
                continue;
            known = true;
            if (equals != std::string::npos)
                *value = argument.substr(equals + 1);
            else if (i + 1 < arguments.size())
                *value = arguments[++i];
            else
                throw UsageError(Texts::Report::OptionError(name, Texts::Report::MissingValue));
        }
        for (const auto& [flag, value] : flags) {
            if (argument == flag) {
                known = true;
                *value = true;
            }
        }
        if (!known)
            throw UsageError(Texts::Report::OptionError(argument, Texts::Report::UnknownOption));
    }
    if (options.bundle.size() > 3)
        throw UsageError(Texts::Report::TooManySizes);
    return options;
}

std::optional<std::pair<std::string, std::string>> SplitBoth(const std::string& text) {
    for (const std::string separator : {"x", "X", "*", "х"}) {
        const std::size_t at = text.find(separator);
        if (at != std::string::npos)
            return std::pair{text.substr(0, at), text.substr(at + separator.size())};
    }
    return std::nullopt;
}

std::pair<std::string, std::string> SplitPair(const std::string& text) {
    return SplitBoth(text).value_or(std::pair{text, text});
}

std::pair<int, int> PictureSize(const Options& options) {
    if (!options.size)
        return {ResultPictureWidth, ResultPictureHeight};
    const auto [w, h] = SplitPair(*options.size);
    std::int32_t width = 0, height = 0;
    try {
        width = ToWhole(w);
        height = ToWhole(h);
    } catch (const ConversionError& failure) {
        throw UsageError(Texts::Report::OptionError("--size", *options.size, failure.what()));
    }
    if (width < 1 || height < 1 || width > 20000 || height > 20000)
        throw UsageError(
            Texts::Report::OptionError("--size", *options.size, Texts::Report::BadPictureSize));
    return {width, height};
}
