#pragma once

#include "planning/loadplan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The result lines of a load, as the labels, the picture's text block and the report show them.

std::string TotalLine(const LoadPlan& plan);
std::string LayersLine(const LoadPlan& plan);
std::string OverhangsLine(const LoadPlan& plan);
std::string PalletsLine(const LoadPlan& plan, std::int64_t bundlesInOrder);
std::string PalletSizeLine(const std::string& lengthText, const std::string& widthText);
std::string LoadedHeightLine(const LoadPlan& plan, double bundleHeight, char decimalSeparator);
std::string BundleSizeLine(const std::string& lengthText, const std::string& widthText);
std::string LastPalletLine(const LoadPlan& plan, std::int64_t bundlesInOrder);

// What the text block shows besides the plan: the field texts as they stand after the plan
// (pallet sides exchanged when it turned the pallet) and the order, when one is given.
struct TextBlockFields {
    std::string PalletLength, PalletWidth;
    std::string BundleLength, BundleWidth;
    double BundleHeight = 0;
    std::optional<std::int64_t> BundlesInOrder;
    char DecimalSeparator = '.';
};

// The text block, top line first.
std::vector<std::string> TextBlockLines(const LoadPlan& plan, const TextBlockFields& fields);

// Vertical pixel position of text block line `index` (0 for the top line).
constexpr int TextBlockLineY(int index) {
    return 1 + 13 * index;
}
constexpr int TextBlockLeft = 5;
