#include "shell/resulttexts.h"

#include "shell/fieldnumbers.h"

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

// A load that holds nothing fills no pallets: there is nothing to divide the order by.
bool HoldsBundles(const LoadPlan& plan) {
    return plan.Total > 0;
}

} // namespace

std::string TotalLine(const LoadPlan& plan) {
    return "Всего в укладке " + Number(plan.Total) + " пачек.";
}

std::string LayersLine(const LoadPlan& plan) {
    if (plan.LayerCount <= 0)
        return "Пачка не помещается на поддон.";
    return Number(plan.Layers) + " слоев по " + Number(plan.LayerCount) + " пачек.";
}

std::string OverhangsLine(const LoadPlan& plan) {
    return "Свесы: " + Number(plan.LengthOverhang) + " мм. по длине, " +
           Number(plan.WidthOverhang) + " мм. по ширине";
}

std::string PalletsLine(const LoadPlan& plan, std::int64_t bundlesInOrder) {
    if (!HoldsBundles(plan))
        return "Количество поддонов: не определено";
    return "Количество поддонов: " + Number(PalletsForOrder(bundlesInOrder, plan.Total));
}

std::string PalletSizeLine(const std::string& lengthText, const std::string& widthText) {
    return "Размер поддона: " + lengthText + " x " + widthText;
}

std::string LoadedHeightLine(const LoadPlan& plan, double bundleHeight, char decimalSeparator) {
    return "Высота паллет: " +
           FormatGeneral(LoadedPalletHeight(bundleHeight, plan.Layers), decimalSeparator) + " мм.";
}

std::string BundleSizeLine(const std::string& lengthText, const std::string& widthText) {
    return "Размер пачки: " + lengthText + " x " + widthText;
}

std::string LastPalletLine(const LoadPlan& plan, std::int64_t bundlesInOrder) {
    return "На последнем поддоне: " + Number(BundlesOnLastPallet(bundlesInOrder, plan.Total)) +
           " пачек.";
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
