#include "shell/texts.h"

#include "shell/plural.h"
#include "stowly/version.h"

#include <cstdio>
#include <string_view>
#include <utility>

namespace Texts {

std::string VersionLine(const std::string& program) {
    return program + " " + StowlyVersion + "\n";
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string NotValidInteger(const std::string& text) {
    return Quoted(text) + " is not a valid integer value";
}

std::string NotValidFloat(const std::string& text) {
    return Quoted(text) + " is not a valid floating point value";
}

std::string SettingsNotRead(const std::string& path, const std::string& reason) {
    return std::string("Настройки не прочитаны: ") + path + ": " + reason;
}

std::string SettingsNotSaved(const std::string& path, const std::string& reason) {
    return std::string("Настройки не сохранены: ") + path + ": " + reason;
}

std::string ErrorReport(const std::string& message) {
    return message + ".";
}

std::string PictureTooLarge(std::int64_t mostBundles) {
    return "Слишком много пачек для схемы укладки (больше " + std::to_string(mostBundles) +
           "): схема не нарисована";
}

} // namespace Texts

namespace Texts::Sheet {

std::string BundleLegend(const std::string& length, const std::string& width) {
    return "пачка " + length + " x " + width + " мм " + Lengthwise;
}

std::string PlanCaption(std::int64_t perLayer, std::int64_t layers, std::int64_t total) {
    return "Пачек в слое: " + std::to_string(perLayer) + ", слоев: " + std::to_string(layers) +
           ", всего: " + std::to_string(total) + ".";
}

std::string BestBeatsTwoBlocks(std::int64_t best, std::int64_t twoBlocks) {
    return "Лучшая схема: " + std::to_string(best) +
           " пачек в слое, схема двух блоков: " + std::to_string(twoBlocks) + ".";
}

std::string BoxLine(const std::string& length, const std::string& width, const std::string& height,
                    const std::string& profile, const std::string& perBundle) {
    std::string line = "Ящик: " + length + " x " + width + " x " + height + " мм, гофра " + profile;
    if (!perBundle.empty())
        line += ", в пачке " + perBundle + " шт.";
    return line;
}

std::string BundleLine(const std::string& length, const std::string& width,
                       const std::string& height) {
    return "Пачка: " + length + " x " + width + " x " + height + " мм";
}

std::string PalletLine(const std::string& length, const std::string& width) {
    return "Поддон: " + length + " x " + width + " мм";
}

std::string MaxHeightLine(const std::string& height, bool includesPallet) {
    return "Макс. высота укладки: " + height + " мм, " +
           (includesPallet ? "включая высоту поддона" : "без высоты поддона");
}

std::string MaxOverhangLine(const std::string& alongLength, const std::string& alongWidth) {
    return "Макс. свес: по длине " + alongLength + " мм, по ширине " + alongWidth + " мм";
}

std::string OrderLine(const std::string& bundles) {
    return "Количество пачек: " + bundles;
}

} // namespace Texts::Sheet

namespace Texts::Weights {

std::string PalletNameTaken(const std::string& name) {
    return "Поддон с названием «" + name + "» уже есть: выберите другое название.";
}

std::string PalletItem(const std::string& name, const std::string& length,
                       const std::string& width) {
    return name + " — " + length + " × " + width;
}

std::string OwnPalletItem(const std::string& item, const std::string& tareKg) {
    return item + ", " + tareKg + " кг";
}

std::string NotAWeight(const std::string& field, const std::string& text) {
    return field + ": «" + text + "» — нужно число не меньше 0";
}

std::string NotAWeightLimit(const std::string& field, const std::string& text) {
    return field + ": «" + text + "» — нужно число больше 0";
}

std::string BundleTooHeavy(const std::string& grossKg, const std::string& maxGrossKg) {
    return "Поддон с одной пачкой весит " + grossKg + " кг: больше допустимых " + maxGrossKg +
           " кг на поддон";
}

std::string BundleLine(const std::string& kg) {
    return "Масса пачки: " + kg + " кг";
}

std::string LayersCutLine(const std::string& maxGrossKg) {
    return "Слоев меньше из-за массы: не более " + maxGrossKg + " кг на поддон";
}

std::string RowLine(const std::string& label, const std::string& netKg,
                    const std::string& grossKg) {
    return label + ": " + Net + " " + netKg + " " + Kg + ", " + Gross + " " + grossKg + " " + Kg;
}

} // namespace Texts::Weights

namespace Texts::Report {

std::string Usage(const UsageDefaults& defaults) {
    const std::pair<const char*, std::string> fills[] = {
        {"{pallet}", defaults.PalletLength + "x" + defaults.PalletWidth},
        {"{max-height}", defaults.MaxHeight},
        {"{profile}", defaults.FluteProfile},
        {"{colour}", defaults.Colour},
        {"{size}",
         std::to_string(defaults.PictureWidth) + "x" + std::to_string(defaults.PictureHeight)},
        {"{band}", std::to_string(defaults.TextBand)},
    };
    std::string usage = UsageTemplate;
    for (const auto& [mark, value] : fills)
        usage.replace(usage.find(mark), std::string_view(mark).size(), value);
    return usage;
}

std::string OptionError(const std::string& option, const std::string& value,
                        const std::string& problem) {
    return option + " " + (value.empty() ? "''" : value) + ": " + problem;
}

std::string OptionError(const std::string& option, const std::string& problem) {
    return option + ": " + problem;
}

} // namespace Texts::Report

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

} // namespace

namespace Texts::Result {

std::string Total(std::int64_t bundles) {
    return "Всего в укладке " + Number(bundles) + " пачек.";
}

std::string Layers(std::int64_t layers, std::int64_t perLayer) {
    return Number(layers) + " слоев по " + Number(perLayer) + " пачек.";
}

std::string Overhangs(std::int64_t alongLength, std::int64_t alongWidth) {
    return "Свесы: " + Number(alongLength) + " мм. по длине, " + Number(alongWidth) +
           " мм. по ширине";
}

std::string Pallets(std::int64_t pallets) {
    return "Количество поддонов: " + Number(pallets);
}

std::string PalletSize(const std::string& length, const std::string& width) {
    return "Размер поддона: " + length + " x " + width;
}

std::string LoadedHeight(const std::string& height) {
    return "Высота паллет: " + height + " мм.";
}

std::string BundleSize(const std::string& length, const std::string& width) {
    return "Размер пачки: " + length + " x " + width;
}

std::string LastPallet(std::int64_t bundles) {
    return "На последнем поддоне: " + Number(bundles) + " пачек.";
}

} // namespace Texts::Result

namespace Texts::Advice {

namespace {

// The advisor's own lines agree in number with their counts ("1 пачка", "2 пачки", "5 пачек");
// after "больше" the count takes the genitive ("больше 1 пачки"), after "даст" the accusative.
const PluralForms Bundles{"пачка", "пачки", "пачек"};
const PluralForms BundlesAfterMore{"пачки", "пачек", "пачек"};
const PluralForms BundlesGiven{"пачку", "пачки", "пачек"};

std::string MoreOverhang(const char* side, std::int64_t extraMm, std::int64_t count) {
    return std::string("Свес ") + side + " на " + Number(extraMm) +
           " мм. больше максимального даст " + CountWith(count, BundlesGiven) + " в слое.";
}

} // namespace

std::string BetterLayer(std::int64_t count, std::int64_t twoBlockCount) {
    return "Лучшая схема слоя: " + CountWith(count, Bundles) +
           " (схема двух блоков: " + Number(twoBlockCount) + ").";
}

std::string BetterLayerNotProven(std::int64_t upperBound) {
    return "Оптимальность не доказана: не больше " + CountWith(upperBound, BundlesAfterMore) +
           " в слое.";
}

std::string BetterLayerTotal(std::int64_t total, std::optional<std::int64_t> pallets) {
    std::string line = "С ней всего в укладке " + CountWith(total, Bundles);
    if (pallets)
        line += ", поддонов: " + Number(*pallets);
    return line + ".";
}

std::string TwoBlocksOptimal(std::int64_t count) {
    return "Схема двух блоков оптимальна: больше " + CountWith(count, BundlesAfterMore) +
           " в слое не уложить.";
}

std::string NoBetterLayer(std::int64_t count, std::int64_t upperBound) {
    return "Лучшей схемы слоя не найдено: " + CountWith(count, Bundles) +
           ", как у схемы двух блоков (не больше " + Number(upperBound) + ").";
}

std::string MoreOverhangAlongLength(std::int64_t extraMm, std::int64_t count) {
    return MoreOverhang("по длине", extraMm, count);
}

std::string MoreOverhangAlongWidth(std::int64_t extraMm, std::int64_t count) {
    return MoreOverhang("по ширине", extraMm, count);
}

} // namespace Texts::Advice
