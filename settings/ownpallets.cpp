#include "settings/ownpallets.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace {

// A hand-edited COUNT of millions must not make the start-up crawl through keys that are not
// there.
constexpr long MaxOwnPallets = 1000;

std::string EntryKey(long index) {
    // Appended rather than "P" + ...: g++ 12 warns falsely about the concatenation.
    std::string key = "P";
    key += std::to_string(index);
    return key;
}

long StoredCount(const IniFile& file) {
    const std::string text = file.Read(OwnPalletsSection, "COUNT", "0");
    long count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count < 0)
        return 0;
    return std::min(count, MaxOwnPallets);
}

std::optional<double> Number(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string NumberText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

std::optional<PalletPreset> ParseEntry(std::string_view entry) {
    std::optional<double> numbers[3];
    for (std::optional<double>& number : numbers) {
        const std::size_t semicolon = entry.find(';');
        if (semicolon == std::string_view::npos)
            return std::nullopt;
        number = Number(entry.substr(0, semicolon));
        if (!number)
            return std::nullopt;
        entry.remove_prefix(semicolon + 1);
    }
    while (!entry.empty() && entry.front() == ' ')
        entry.remove_prefix(1);
    return PalletPreset{std::string(entry), *numbers[0], *numbers[1], *numbers[2]};
}

} // namespace

std::vector<PalletPreset> ReadOwnPallets(const IniFile& file) {
    std::vector<PalletPreset> known = StandardPallets();
    std::vector<PalletPreset> own;
    const long count = StoredCount(file);
    for (long i = 1; i <= count; ++i) {
        const std::optional<PalletPreset> pallet =
            ParseEntry(file.Read(OwnPalletsSection, EntryKey(i), ""));
        if (!pallet || CheckNewPallet(known, *pallet) != PalletRefusal::None)
            continue;
        known.push_back(*pallet);
        own.push_back(*pallet);
    }
    return own;
}

void WriteOwnPallets(IniFile& file, const std::vector<PalletPreset>& pallets) {
    const bool hasList = file.Read(OwnPalletsSection, "COUNT", "\n") != "\n";
    if (pallets.empty() && !hasList)
        return;
    const long before = StoredCount(file);
    file.Write(OwnPalletsSection, "COUNT", std::to_string(pallets.size()));
    long index = 0;
    for (const PalletPreset& pallet : pallets)
        file.Write(OwnPalletsSection, EntryKey(++index),
                   NumberText(pallet.Length) + ";" + NumberText(pallet.Width) + ";" +
                       NumberText(pallet.TareKg) + ";" + pallet.Name);
    for (long i = index + 1; i <= before; ++i)
        file.Remove(OwnPalletsSection, EntryKey(i));
}
