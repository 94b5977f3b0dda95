#include "shell/texts.h"

namespace Texts {

std::string NotValidInteger(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

std::string NotValidFloat(const std::string& text) {
    return "'" + text + "' is not a valid floating point value";
}

std::string ErrorReport(const std::string& message) {
    return message + ".";
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
