// The number and size readers: any text reads without a crash or undefined behaviour, a read
// stops inside the text, and what a field shows of a value reads back as that value's text.
#include "fuzz/fuzzcheck.h"
#include "planning/utf8.h"
#include "shell/fieldnumbers.h"
#include "shell/sizetext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// A field shows a value so that reading the field gives the value again to 15 digits; the
// values that are not finite show as words that no field reads as a number.
void CheckShownValue(double value, char separator) {
    const std::string shown = FormatGeneral(value, separator);
    double back = 0;
    const bool read = TryReal(shown, separator, back);
    if (!std::isfinite(value)) {
        FuzzCheck(!read, "a value that is not finite shows as a text no field reads");
        return;
    }
    FuzzCheck(read, "a shown value reads back");
    FuzzCheck(back == value || std::fabs(back - value) <= std::fabs(value) * 1e-14,
              "a shown value reads back as itself to 15 digits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const char separator = input.ConsumeBool() ? ',' : '.';
    std::vector<std::string> arguments;
    for (int i = input.ConsumeIntegralInRange(0, 4); i > 0; --i)
        arguments.push_back(input.ConsumeRandomLengthString(64));
    const std::string text = input.ConsumeRemainingBytesAsString();

    const NumberRead read = ReadNumber(text);
    FuzzCheck(read.Stop >= 1 && read.Stop <= CharacterCount(text, text.size()) + 1,
              "the read stops inside the text");
    FuzzCheck(!std::isnan(read.Value), "a read value is a number");
    CheckShownValue(read.Value, '.');

    for (const double size : SizesFromText(text))
        CheckShownValue(size, separator);
    for (const double size : SizesFromArguments(arguments))
        CheckShownValue(size, separator);

    double value = 0;
    if (TryReal(text, separator, value)) {
        FuzzCheck(std::isfinite(value), "a real number read from a field is finite");
        FuzzCheck(ToReal(text, separator) == value, "ToReal reads what TryReal reads");
        CheckShownValue(value, separator);
    }
    try {
        const std::int32_t whole = ToWhole(text);
        // A whole number reads the same as a real number.
        FuzzCheck(ToReal(text, separator) == whole,
                  "a whole number reads the same as a real number");
    } catch (const ConversionError&) {
    }
    return 0;
}
