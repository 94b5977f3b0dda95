#pragma once

#include "cli/options.h"
#include "shell/calculationinputs.h"

#include <ostream>

// The pallet and weight options over the inputs (the defaults or the settings file's):
// --pallet by name or as LxW, and the four weights, each checked here so that a bad one is
// reported with its option. A named pallet brings its tare unless --pallet-weight is given; a
// box weight replaces a bundle weight from the settings file and the other way round. Raises
// UsageError.
void ApplyPalletAndWeightOptions(const Options& options, CalculationInputs& inputs);

// --list-pallets: the standard pallets, then the inputs' own ones, one a line.
void PrintPalletTable(const CalculationInputs& inputs, std::ostream& out);
