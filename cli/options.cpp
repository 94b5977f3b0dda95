#include "cli/options.h"

#include "shell/fieldnumbers.h"
#include "shell/resultpicture.h"
#include "shell/texts.h"

Options ParseArguments(const std::vector<std::string>& arguments) {
    Options o;
    const std::pair<const char*, std::optional<std::string>*> valued[] = {
        {"--pallet", &o.pallet},
        {"--overhang", &o.overhang},
        {"--max-height", &o.maxHeight},
        {"--bundles", &o.bundles},
        {"--color", &o.colour},
        {"--profile", &o.profile},
        {"--per-bundle", &o.perBundle},
        {"--boxes", &o.boxes},
        {"--settings", &o.settings},
        {"--png", &o.png},
        {"--svg", &o.svg},
        {"--size", &o.size},
        {"--box", &o.box},
        {"--best-png", &o.bestPng},
        {"--best-svg", &o.bestSvg},
        {"--pdf", &o.pdf},
        {"--plan-svg", &o.planSvg},
        {"--plan-png", &o.planPng},
        {"--best-plan-svg", &o.bestPlanSvg},
        {"--best-plan-png", &o.bestPlanPng},
    };
    const std::pair<const char*, bool*> flags[] = {
        {"--height-without-pallet", &o.heightWithoutPallet},
        {"--no-text", &o.noText},
        {"--json", &o.json},
        {"--advice", &o.advice},
        {"--alternate", &o.alternate},
        {"--help", &o.help},
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            o.bundle.push_back(argument);
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
                throw UsageError(Texts::Report::MissingValue + name);
        }
        for (const auto& [flag, value] : flags) {
            if (argument == flag) {
                known = true;
                *value = true;
            }
        }
        if (!known)
            throw UsageError(Texts::Report::UnknownOption + argument);
    }
    if (o.bundle.size() > 3)
        throw UsageError(Texts::Report::TooManySizes);
    if (o.box && !o.bundle.empty())
        throw UsageError(Texts::Report::BundleAndBox);
    return o;
}

std::pair<std::string, std::string> SplitPair(const std::string& text) {
    for (const std::string separator : {"x", "X", "*", "х"}) {
        const std::size_t at = text.find(separator);
        if (at != std::string::npos)
            return {text.substr(0, at), text.substr(at + separator.size())};
    }
    return {text, text};
}

std::pair<int, int> PictureSize(const Options& o) {
    if (!o.size)
        return {ResultPictureWidth, ResultPictureHeight};
    const auto [w, h] = SplitPair(*o.size);
    const std::int32_t width = ToWhole(w), height = ToWhole(h);
    if (width < 1 || height < 1 || width > 20000 || height > 20000)
        throw UsageError(Texts::Report::BadPictureSize + *o.size);
    return {width, height};
}
