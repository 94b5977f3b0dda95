#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A mistake in how the report was called, as opposed to a value that does not convert.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What the command line asked for; a value is the text as given.
struct Options {
    std::vector<std::string> bundle;
    std::optional<std::string> box;
    std::optional<std::string> pallet, overhang, maxHeight, bundles, colour, profile;
    std::optional<std::string> perBundle, boxes, settings, png, svg, size, bestPng, bestSvg;
    std::optional<std::string> pdf, planSvg, planPng, bestPlanSvg, bestPlanPng;
    bool alternate = false;
    bool svgVisibleOnly = false;
    std::optional<std::string> boxWeight, bundleWeight, palletWeight, maxGross;
    bool listPallets = false;
    bool heightWithoutPallet = false;
    bool noText = false;
    bool json = false;
    bool advice = false;
    bool help = false;
    bool version = false;
};

// The options of the command line, "--option value" or "--option=value", and "-h"; anything
// else is a bundle size argument. Raises UsageError.
Options ParseArguments(const std::vector<std::string>& arguments);

// "1200x800" into its two texts; the separator is x, X, * or the Cyrillic х. Nothing for a text
// without one.
std::optional<std::pair<std::string, std::string>> SplitBoth(const std::string& text);

// As SplitBoth, but a text without a separator gives itself twice.
std::pair<std::string, std::string> SplitPair(const std::string& text);

// The picture size of --size, or the window's picture. Raises UsageError.
std::pair<int, int> PictureSize(const Options& options);
