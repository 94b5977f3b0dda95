#pragma once

#include "shell/calculationinputs.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

// The settings file keeps twelve of the calculation's inputs: the pallet group, the flute
// profile, the colour, the counts and the text option; the bundle and box sizes it leaves alone.
// Beside them, in sections of their own, the weight texts and the user's own pallets.
using StoredInputs = CalculationInputs;

inline constexpr const char* SettingsFileName = "stowly.ini";

// The settings file beside the executable: the directory, a separator and the name.
std::string SettingsPath(const std::string& executableDir);

// A settings file that is there but could not be read or replaced; the message names the file
// and the reason, ready for the error report.
class SettingsFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Twelve keys need a few hundred bytes. A larger file is refused rather than read into memory
// line by line: a runaway file of newlines would otherwise take gigabytes.
inline constexpr std::size_t SettingsFileSizeLimit = std::size_t{1} << 20;

// Reads the twelve stored keys in their fixed order into `inputs`, a missing key giving the
// input's default (but empty texts for the overhangs), then the weights (section WEIGHT, empty
// texts when missing) and the user's own pallets. A COLOR value that is neither a
// colour name nor a whole number raises ConversionError after the keys before it were stored;
// the keys after it are then not applied. Returns false, touching nothing, when there is no
// regular file at `path` (nothing there, or a directory, a FIFO, a device: those are never
// opened for reading, so nothing can block): the system never creates its settings file, its
// presence is the user's choice to keep the inputs. A regular file that cannot be read or is
// larger than SettingsFileSizeLimit raises SettingsFileError, touching nothing.
bool LoadSettingsFile(const std::string& path, StoredInputs& inputs);

// Writes the twelve keys into the existing file, then the weights and the own pallets (their
// sections only once they hold something or are in the file already, so the file of a user of
// neither stays as it was), leaving every other line as it was; a save of
// unchanged inputs leaves the file untouched. Returns false when there is no regular file
// (nothing is created) or when the file is read-only (no write permission bit, or none for
// this user): whoever made it so keeps fixed inputs there. Raises SettingsFileError when the
// file is there but could not be read or replaced; the user's file is then left as it was.
bool SaveSettingsFile(const std::string& path, const StoredInputs& inputs);
