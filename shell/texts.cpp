#include "shell/texts.h"

#include "stowly/version.h"

#include <cstdio>

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

namespace Texts::Report {

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

std::string BetterLayer(std::int64_t count, std::int64_t twoBlockCount) {
    return "Лучшая схема слоя: " + Number(count) +
           " пачек (схема двух блоков: " + Number(twoBlockCount) + ").";
}

std::string BetterLayerNotProven(std::int64_t upperBound) {
    return "Оптимальность не доказана: не больше " + Number(upperBound) + " пачек в слое.";
}

std::string BetterLayerTotal(std::int64_t total, std::optional<std::int64_t> pallets) {
    std::string line = "С ней всего в укладке " + Number(total) + " пачек";
    if (pallets)
        line += ", поддонов: " + Number(*pallets);
    return line + ".";
}

std::string TwoBlocksOptimal(std::int64_t count) {
    return "Схема двух блоков оптимальна: больше " + Number(count) + " пачек в слое не уложить.";
}

std::string NoBetterLayer(std::int64_t count, std::int64_t upperBound) {
    return "Лучшей схемы слоя не найдено: " + Number(count) +
           " пачек, как у схемы двух блоков (не больше " + Number(upperBound) + ").";
}

namespace {

std::string MoreOverhang(const char* side, std::int64_t extraMm, std::int64_t count) {
    return std::string("Свес ") + side + " на " + Number(extraMm) +
           " мм. больше максимального даст " + Number(count) + " пачек в слое.";
}

} // namespace

std::string MoreOverhangAlongLength(std::int64_t extraMm, std::int64_t count) {
    return MoreOverhang("по длине", extraMm, count);
}

std::string MoreOverhangAlongWidth(std::int64_t extraMm, std::int64_t count) {
    return MoreOverhang("по ширине", extraMm, count);
}

} // namespace Texts::Advice
