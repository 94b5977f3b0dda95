#include "shell/resulttexts.h"

#include "shell/fieldnumbers.h"
#include "shell/texts.h"

namespace {

// A load that holds nothing fills no pallets: there is nothing to divide the order by.
bool HoldsBundles(const LoadPlan& plan) {
    return plan.Total > 0;
}

} // namespace

std::string TotalLine(const LoadPlan& plan) {
    return Texts::Result::Total(plan.Total);
}

std::string LayersLine(const LoadPlan& plan) {
    if (plan.LayerCount <= 0)
        return Texts::Result::BundleOffPallet;
    return Texts::Result::Layers(plan.Layers, plan.LayerCount);
}

std::string OverhangsLine(const LoadPlan& plan) {
    return Texts::Result::Overhangs(plan.LengthOverhang, plan.WidthOverhang);
}

std::string PalletsLine(const LoadPlan& plan, std::int64_t bundlesInOrder) {
    if (!HoldsBundles(plan))
        return Texts::Result::PalletsUndetermined;
    return Texts::Result::Pallets(PalletsForOrder(bundlesInOrder, plan.Total));
}

std::string PalletSizeLine(const std::string& lengthText, const std::string& widthText) {
    return Texts::Result::PalletSize(lengthText, widthText);
}

std::string LoadedHeightLine(const LoadPlan& plan, double bundleHeight, char decimalSeparator) {
    return Texts::Result::LoadedHeight(
        FormatGeneral(LoadedPalletHeight(bundleHeight, plan.Layers), decimalSeparator));
}

std::string BundleSizeLine(const std::string& lengthText, const std::string& widthText) {
    return Texts::Result::BundleSize(lengthText, widthText);
}

std::string LastPalletLine(const LoadPlan& plan, std::int64_t bundlesInOrder) {
    return Texts::Result::LastPallet(BundlesOnLastPallet(bundlesInOrder, plan.Total));
}

std::vector<std::string> TextBlockLines(const LoadPlan& plan, const TextBlockFields& fields) {
    std::vector<std::string> lines = {TotalLine(plan), LayersLine(plan), OverhangsLine(plan)};
    if (fields.BundlesInOrder)
        lines.push_back(PalletsLine(plan, *fields.BundlesInOrder));
    lines.push_back(PalletSizeLine(fields.PalletLength, fields.PalletWidth));
    lines.push_back(LoadedHeightLine(plan, fields.BundleHeight, fields.DecimalSeparator));
    lines.push_back(BundleSizeLine(fields.BundleLength, fields.BundleWidth));
    if (fields.BundlesInOrder && HoldsBundles(plan))
        lines.push_back(LastPalletLine(plan, *fields.BundlesInOrder));
    return lines;
}
