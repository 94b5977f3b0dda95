#include "shell/loadfields.h"

#include "shell/fieldnumbers.h"
#include "shell/sizeguard.h"

#include <clocale>

bool BundleSizeReady(const LoadFields& f) {
    if (f.BundleLength.empty() || f.BundleWidth.empty() || f.BundleHeight.empty())
        return false;
    return SizeGiven(ToWhole(f.BundleLength), ToWhole(f.BundleWidth), ToWhole(f.BundleHeight));
}

LoadRequest ReadLoadRequest(const LoadFields& f, char separator) {
    LoadRequest r;
    r.LengthOverhang = ToWhole(f.LengthOverhang);
    r.WidthOverhang = ToWhole(f.WidthOverhang);
    r.PalletLength = ToReal(f.PalletLength, separator);
    r.PalletWidth = ToReal(f.PalletWidth, separator);
    r.MaxHeight = ToReal(f.MaxHeight, separator);
    r.HeightIncludesPallet = f.HeightIncludesPallet;
    r.BundleLength = ToReal(f.BundleLength, separator);
    r.BundleWidth = ToReal(f.BundleWidth, separator);
    r.BundleHeight = ToReal(f.BundleHeight, separator);
    return r;
}

char LocaleDecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions != nullptr && conventions->decimal_point != nullptr &&
        conventions->decimal_point[0] != '\0' && conventions->decimal_point[1] == '\0')
        return conventions->decimal_point[0];
    return '.';
}
