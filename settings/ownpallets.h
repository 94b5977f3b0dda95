#pragma once

#include "settings/inifile.h"
#include "planning/pallets.h"

#include <vector>

// The user's own pallets in the settings file, in a section of their own:
//
//   [MYPALLETS]
//   COUNT=2
//   P1=1000;1000;18;Склад Север
//   P2=1140;760;21.5;Стеллаж 3
//
// Each entry holds the length and width in millimetres, the tare in kilograms (a point before
// the fraction, whatever the locale) and the name last, so a name may hold any character.
inline constexpr const char* OwnPalletsSection = "MYPALLETS";

// The pallets of the section in order. An entry that does not read as such a line, or that
// the pallet table would refuse (a name already used, a size that is not positive), is
// skipped, so a hand-edited file cannot smuggle in a pallet the dialog would not take.
std::vector<PalletPreset> ReadOwnPallets(const IniFile& file);

// Writes the list in place of the one in the file: COUNT and P1, P2, ... are set, entries of a
// longer earlier list are removed, and every other line stays. A file without the section and
// no pallets to keep is left as it was.
void WriteOwnPallets(IniFile& file, const std::vector<PalletPreset>& pallets);
