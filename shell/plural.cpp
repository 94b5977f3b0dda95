#include "shell/plural.h"

const char* PluralForm(std::int64_t count, const PluralForms& forms) {
    // The remainders carry the sign of the count; their magnitudes decide the form.
    const std::int64_t lastTwo = count % 100 < 0 ? -(count % 100) : count % 100;
    const std::int64_t last = lastTwo % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return forms.Many;
    if (last == 1)
        return forms.One;
    if (last >= 2 && last <= 4)
        return forms.Few;
    return forms.Many;
}

std::string CountWith(std::int64_t count, const PluralForms& forms) {
    return std::to_string(count) + " " + PluralForm(count, forms);
}
