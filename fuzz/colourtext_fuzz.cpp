// The colour text: any text gives a painted colour or the conversion error whose message holds
// the whole text, quoted; every colour is written so that it reads back as itself.
#include "fuzz/fuzzcheck.h"
#include "settings/colourtext.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const Colour colour = ColourFromText(text);
        FuzzCheck((colour >> 24) == 0, "a colour has no bits above the 24 of red, green and blue");
        FuzzCheck(ColourFromText(ColourToText(colour)) == colour,
                  "a colour read from text is written so that it reads back as itself");
    } catch (const ConversionError& error) {
        const std::string expected = Texts::NotValidInteger(text);
        // The message is all there: no byte of the text ends it early.
        FuzzCheck(std::strlen(error.what()) == expected.size(),
                  "the error message is not cut short by a byte of the text");
        FuzzCheck(expected == error.what(), "the error message quotes the whole text");
    }
    if (size >= 4) {
        std::uint32_t raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        const Colour painted = raw & 0x00FFFFFFu;
        FuzzCheck(ColourFromText(ColourToText(painted)) == painted,
                  "every painted colour is written so that it reads back as itself");
    }
    return 0;
}
