// The flute profile: any text gives a thickness in one pass, the same one as trying every tail
// of the text from the longest down; the bundle arithmetic then gives a size or refuses it.
#include "fuzz/fuzzcheck.h"
#include "planning/bundlecalc.h"
#include "planning/numberform.h"
#include "planning/utf8.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// The thickness by the rule itself: the longest tail (leading spaces allowed) that reads as a
// number whose mantissa holds a digit other than 0.
double ThicknessByEveryTail(std::string text, char separator) {
    for (const char mark : {'.', ','}) {
        const std::size_t at = text.find(mark);
        if (at != std::string::npos)
            text[at] = separator;
    }
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    const std::string_view body = std::string_view(text).substr(0, end);
    for (std::size_t start = 0; start < end; start = NextCharacter(body, start)) {
        std::size_t begin = start;
        while (begin < end && body[begin] == ' ')
            ++begin;
        const NumberScan scan = ScanNumber(body, begin, separator);
        if (scan.End == end && IsComplete(scan.State) &&
            scan.MantissaDigits.find_first_not_of('0') != std::string::npos)
            return PlainValue(scan.Plain);
    }
    return 0;
}

template <typename Size> void CheckSize(Size size) {
    try {
        size();
    } catch (const BundleSizeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const char separator = input.ConsumeBool() ? ',' : '.';
    const auto a = input.ConsumeIntegral<std::int32_t>();
    const auto b = input.ConsumeIntegral<std::int32_t>();
    const std::string profile = input.ConsumeRemainingBytesAsString();

    const double flute = FluteThickness(profile, separator);
    FuzzCheck(!std::isnan(flute), "the flute thickness is a number");
    // The direct rule is quadratic: compare on texts short enough for it.
    if (profile.size() <= 256) {
        const double expected = ThicknessByEveryTail(profile, separator);
        FuzzCheck(flute == expected,
                  "the flute thickness is the one of the longest tail that reads as a number");
    }
    CheckSize([&] { return BundleLengthFromBox(a, b, flute); });
    CheckSize([&] { return BundleWidthFromBox(a, b, flute); });
    CheckSize([&] { return BundleHeightFromBoxes(a, flute); });
    if (b > 0)
        FuzzCheck(BundlesForBoxes(a, b) * std::int64_t{b} >= a,
                  "the bundles for the boxes hold every box");
    return 0;
}
