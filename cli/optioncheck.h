#pragma once

#include "cli/options.h"
#include "render/canvas.h"

#include <string>

// Every option's value is checked before anything is read or calculated, so that a mistake is
// reported with the option and the value that made it ("--bundles -5: must not be negative")
// rather than later as a bare conversion error or, worse, silently used. Raises UsageError.
void CheckOptions(const Options& options, char decimalSeparator);

// The colour of --color: what the settings file takes (clRed, $000000FF, 255), the names
// without their "cl" (red, silver), or "#RRGGBB". Raises UsageError naming the option.
Colour ColourFromOption(const std::string& text);
