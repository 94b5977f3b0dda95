#pragma once

#include "planning/loadplan.h"

#include <string>

// The texts of the fields the load calculation reads, as the user typed them.
struct LoadFields {
    std::string BundleLength, BundleWidth, BundleHeight;
    std::string PalletLength = "1200", PalletWidth = "800", MaxHeight = "2000";
    bool HeightIncludesPallet = true;
    std::string LengthOverhang = "0", WidthOverhang = "0";
};

// The guard of the calculation: false when a bundle size is missing or zero, so that the command
// does nothing. Raises ConversionError for a size that is not a whole number.
bool BundleSizeReady(const LoadFields& fields);

// Reads the request in the calculation's order: the overhangs as whole numbers, then the pallet,
// the height and the bundle as reals. Raises ConversionError at the first text that does not
// convert.
LoadRequest ReadLoadRequest(const LoadFields& fields, char decimalSeparator);

// The user's decimal separator, from the process locale.
char LocaleDecimalSeparator();
