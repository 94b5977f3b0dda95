#pragma once

#include <string>
#include <string_view>
#include <vector>

// A pallet the user can pick by name instead of typing its sides: the common standard pallets,
// and the user's own ones kept in the settings file.
struct PalletPreset {
    std::string Name;
    double Length = 0; // mm
    double Width = 0;  // mm
    double TareKg = 0; // the empty pallet's own weight
};

// The standard pallets in the order the menu lists them. The tares are the usual weights of
// wooden pallets of each kind; a pallet at hand may weigh otherwise, and its weight can be typed.
const std::vector<PalletPreset>& StandardPallets();

// The form a name is compared in: without spaces, Latin and Cyrillic letters in upper case, so
// "EUR 2", "eur2" and "Eur 2" are one name. Other characters are kept as they are.
std::string PalletNameKey(std::string_view name);

// The pallet called `name` in `table`, or nullptr. A name is matched whole ("EUR 2" by "eur2"),
// and a name made of alternatives joined by "/" by each of them as well ("EUR/EPAL" by "EUR" and
// by "EPAL").
const PalletPreset* FindPallet(const std::vector<PalletPreset>& table, std::string_view name);

// Why a pallet cannot join `table`, None when it can. Refused are a name with nothing but
// spaces, a name already used (any of its alternatives is one of an existing pallet's), sides
// that are not positive finite numbers, and a tare that is negative or not finite.
enum class PalletRefusal { None, EmptyName, NameTaken, BadSize, BadTare };
PalletRefusal CheckNewPallet(const std::vector<PalletPreset>& table, const PalletPreset& pallet);
