// The colour text: any text gives a painted colour or the conversion error whose message holds
// the whole text, quoted; every colour is written so that it reads back as itself.
#include "settings/colourtext.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const Colour colour = ColourFromText(text);
        Check((colour >> 24) == 0);
        Check(ColourFromText(ColourToText(colour)) == colour);
    } catch (const ConversionError& error) {
        const std::string expected = Texts::NotValidInteger(text);
        // The message is all there: no byte of the text ends it early.
        Check(std::strlen(error.what()) == expected.size());
        Check(expected == error.what());
    }
    if (size >= 4) {
        std::uint32_t raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        const Colour painted = raw & 0x00FFFFFFu;
        Check(ColourFromText(ColourToText(painted)) == painted);
    }
    return 0;
}
