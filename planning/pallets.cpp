#include "planning/pallets.h"

#include <algorithm>
#include <cmath>

namespace {

// Whole name first, then its "/" alternatives when it has more than one.
std::vector<std::string> NameKeys(std::string_view name) {
    std::vector<std::string> keys = {PalletNameKey(name)};
    if (name.find('/') == std::string_view::npos)
        return keys;
    std::size_t begin = 0;
    while (begin <= name.size()) {
        const std::size_t end = std::min(name.find('/', begin), name.size());
        std::string part = PalletNameKey(name.substr(begin, end - begin));
        if (!part.empty())
            keys.push_back(std::move(part));
        begin = end + 1;
    }
    return keys;
}

bool SharesAName(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return std::any_of(a.begin(), a.end(), [&b](const std::string& key) {
        return std::find(b.begin(), b.end(), key) != b.end();
    });
}

} // namespace

const std::vector<PalletPreset>& StandardPallets() {
    static const std::vector<PalletPreset> table = {
        {"EUR/EPAL", 1200, 800, 25},   {"EUR 2", 1200, 1000, 33},    {"EUR 3", 1000, 1200, 29},
        {"EUR 6", 800, 600, 9.5},      {"IND 1200", 1200, 1200, 35}, {"IND 1140", 1140, 1140, 30},
        {"ASIA 1100", 1100, 1100, 28}, {"US 48x40", 1219, 1016, 17}, {"US 42x42", 1067, 1067, 20},
    };
    return table;
}

std::string PalletNameKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == ' ' || c == '\t')
            continue;
        if (c >= 'a' && c <= 'z') {
            key += static_cast<char>(c - 'a' + 'A');
            continue;
        }
        // Cyrillic small letters in UTF-8: а-п D0 B0-BF, р-я D1 80-8F, ё D1 91.
        if (i + 1 < name.size()) {
            const auto next = static_cast<unsigned char>(name[i + 1]);
            if (c == 0xD0 && next >= 0xB0 && next <= 0xBF) {
                key += '\xD0';
                key += static_cast<char>(next - 0x20);
                ++i;
                continue;
            }
            if (c == 0xD1 && next >= 0x80 && next <= 0x8F) {
                key += '\xD0';
                key += static_cast<char>(next + 0x20);
                ++i;
                continue;
            }
            if (c == 0xD1 && next == 0x91) {
                key += "\xD0\x81";
                ++i;
                continue;
            }
        }
        key += static_cast<char>(c);
    }
    return key;
}

const PalletPreset* FindPallet(const std::vector<PalletPreset>& table, std::string_view name) {
    const std::string wanted = PalletNameKey(name);
    if (wanted.empty())
        return nullptr;
    for (const PalletPreset& pallet : table) {
        const std::vector<std::string> keys = NameKeys(pallet.Name);
        if (std::find(keys.begin(), keys.end(), wanted) != keys.end())
            return &pallet;
    }
    return nullptr;
}

PalletRefusal CheckNewPallet(const std::vector<PalletPreset>& table, const PalletPreset& pallet) {
    const std::vector<std::string> keys = NameKeys(pallet.Name);
    if (keys.front().empty())
        return PalletRefusal::EmptyName;
    for (const PalletPreset& existing : table)
        if (SharesAName(keys, NameKeys(existing.Name)))
            return PalletRefusal::NameTaken;
    const auto positive = [](double v) { return std::isfinite(v) && v > 0; };
    if (!positive(pallet.Length) || !positive(pallet.Width))
        return PalletRefusal::BadSize;
    if (!std::isfinite(pallet.TareKg) || pallet.TareKg < 0)
        return PalletRefusal::BadTare;
    return PalletRefusal::None;
}
