#pragma once

#include "shell/calculationinputs.h"

#include <string>

// The settings file keeps twelve of the calculation's inputs: the pallet group, the flute
// profile, the colour, the counts and the text option; the bundle and box sizes it leaves alone.
using StoredInputs = CalculationInputs;

inline constexpr const char* SettingsFileName = "stowly.ini";

// The settings file beside the executable: the directory, a separator and the name.
std::string SettingsPath(const std::string& executableDir);

// Reads the twelve stored keys in their fixed order into `inputs`, a missing key giving the
// input's default (but empty texts for the overhangs). A COLOR value that is neither a
// colour name nor a whole number raises ConversionError after the keys before it were stored;
// the keys after it are then not applied. Returns false, touching nothing, when there is no
// readable file at `path`: the system never creates its settings file, its presence is the
// user's choice to keep the inputs.
bool LoadSettingsFile(const std::string& path, StoredInputs& inputs);

// Writes the twelve keys into the existing file, leaving every other line as it was. Returns
// false when there is no file (nothing is created) or it could not be read or replaced; the
// user's file is then left as it was.
bool SaveSettingsFile(const std::string& path, const StoredInputs& inputs);
