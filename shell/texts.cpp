#include "shell/texts.h"

#include "stowly/version.h"

namespace Texts {

std::string VersionLine(const std::string& program) {
    return program + " " + StowlyVersion + "\n";
}

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

std::string NotAWeightOption(const std::string& option, const std::string& value) {
    return option + ": '" + value + "' is not a weight: give a number of at least 0";
}

std::string NotAWeightLimitOption(const std::string& option, const std::string& value) {
    return option + ": '" + value + "' is not a weight limit: give a number above 0";
}

std::string UnknownPallet(const std::string& value) {
    return "--pallet: no pallet named '" + value + "' (see --list-pallets)";
}

} // namespace Texts::Report
