#pragma once

#include "cli/options.h"
#include "shell/calculationinputs.h"

#include <ostream>

// Whether --pallet names a pallet rather than giving its sides: a standard pallet's name, or a
// text that does not start like a number (an own pallet's name, known only once the settings
// file is read). Sizes, and an empty value, are left to the size checks.
bool PalletByName(const std::string& value);

// The weight options, checked before anything is read: each a number of at least 0 (the
// maximum above 0), and not a box and a bundle weight together. Raises UsageError naming the
// option and its value.
void CheckWeightOptions(const Options& options);

// The pallet and weight options over the inputs (the defaults or the settings file's):
// --pallet by name or as LxW (an unknown name raises UsageError), and the four weights. A named
// pallet brings its tare unless --pallet-weight is given; a box weight replaces a bundle weight
// from the settings file and the other way round. Raises UsageError.
void ApplyPalletAndWeightOptions(const Options& options, CalculationInputs& inputs);

// --list-pallets: the standard pallets, then the inputs' own ones, one a line.
void PrintPalletTable(const CalculationInputs& inputs, std::ostream& out);
