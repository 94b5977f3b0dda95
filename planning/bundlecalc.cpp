#include "planning/bundlecalc.h"

#include "planning/numberform.h"
#include "planning/utf8.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

// The profile with the first "." and then the first "," replaced by the separator.
std::string WithSeparator(std::string text, char decimalSeparator) {
    for (const char mark : {'.', ','}) {
        const std::size_t at = text.find(mark);
        if (at != std::string::npos)
            text[at] = decimalSeparator;
    }
    return text;
}

// Where the longest tail of text[0, end) that is a number with a mantissa digit other than 0
// starts, leading spaces included. Every tail is followed at once through the number form:
// tails that reach the same state with the same "seen a non-zero digit" flag read the rest
// alike, so only the longest of them is kept, which makes one pass enough.
std::optional<std::size_t> LongestNonZeroTail(std::string_view text, std::size_t end,
                                              char decimalSeparator) {
    constexpr std::size_t States = static_cast<std::size_t>(NumberState::Dead) + 1;
    using Starts = std::array<std::array<std::optional<std::size_t>, 2>, States>;
    Starts starts{};
    for (std::size_t at = 0; at < end; at = NextCharacter(text, at)) {
        // A tail beginning here: leading spaces leave it in the start state.
        auto& fresh = starts[static_cast<std::size_t>(NumberState::Start)][0];
        if (!fresh)
            fresh = at;
        Starts next{};
        const std::size_t following = NextCharacter(text, at);
        for (std::size_t state = 0; state < States; ++state) {
            for (int nonZero = 0; nonZero < 2; ++nonZero) {
                const auto start = starts[state][nonZero];
                if (!start)
                    continue;
                NumberState after = NumberState::Dead;
                const auto from = static_cast<NumberState>(state);
                // Only single-byte characters can belong to a number.
                if (following == at + 1)
                    after = from == NumberState::Start && text[at] == ' '
                                ? NumberState::Start
                                : NextNumberState(from, text[at], decimalSeparator);
                if (after == NumberState::Dead)
                    continue;
                const bool seen =
                    nonZero == 1 || (InMantissa(after) && text[at] >= '1' && text[at] <= '9');
                auto& slot = next[static_cast<std::size_t>(after)][seen ? 1 : 0];
                if (!slot || *start < *slot)
                    slot = start;
            }
        }
        starts = next;
    }
    std::optional<std::size_t> best;
    for (std::size_t state = 0; state < States; ++state) {
        const auto start = starts[state][1];
        if (start && IsComplete(static_cast<NumberState>(state)) && (!best || *start < *best))
            best = start;
    }
    return best;
}

std::int64_t RoundedToWhole(long double value) {
    const long double rounded = std::nearbyint(value);
    // 2^63 is exact in long double; anything at or beyond it, or not a number, has no int64.
    constexpr long double Limit = 9223372036854775808.0L;
    if (!(rounded >= -Limit && rounded < Limit))
        throw BundleSizeError("bundle size out of range");
    return static_cast<std::int64_t>(rounded);
}

} // namespace

double FluteThickness(const std::string& profile, char decimalSeparator) {
    const std::string text = WithSeparator(profile, decimalSeparator);
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    const auto start = LongestNonZeroTail(text, end, decimalSeparator);
    if (!start)
        return 0;
    std::size_t begin = *start;
    while (text[begin] == ' ')
        ++begin;
    return PlainValue(
        ScanNumber(std::string_view(text).substr(0, end), begin, decimalSeparator).Plain);
}

std::int64_t BundleLengthFromBox(std::int32_t boxLength, std::int32_t boxWidth, double flute) {
    return RoundedToWhole(static_cast<long double>(boxLength) + boxWidth + 1.5L * flute);
}

std::int64_t BundleWidthFromBox(std::int32_t boxWidth, std::int32_t boxHeight, double flute) {
    return RoundedToWhole(static_cast<long double>(boxWidth) + boxHeight + 2.0L * flute);
}

std::int64_t BundleHeightFromBoxes(std::int32_t boxesPerBundle, double flute) {
    return RoundedToWhole(static_cast<long double>(boxesPerBundle) * flute * 2.0L);
}

std::int64_t BundlesForBoxes(std::int32_t boxesInOrder, std::int32_t boxesPerBundle) {
    if (boxesPerBundle <= 0)
        throw std::invalid_argument("boxes per bundle must be positive");
    // Rounding the real quotient up, done exactly in integers: for a negative order truncation
    // already rounds up.
    const std::int64_t boxes = boxesInOrder, perBundle = boxesPerBundle;
    return boxes >= 0 ? (boxes + perBundle - 1) / perBundle : boxes / perBundle;
}
