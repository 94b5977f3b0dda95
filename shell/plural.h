#pragma once

#include <cstdint>
#include <string>

// The three forms a Russian noun takes after a number: one ("1 пачка", "21 пачка"), few
// ("2 пачки", "24 пачки") and many ("5 пачек", "11 пачек", "0 пачек"). After a word that
// governs the genitive ("больше") the forms are the genitive ones ("1 пачки", "2 пачек").
struct PluralForms {
    const char* One;
    const char* Few;
    const char* Many;
};

// The form that goes with `count`; a negative count takes the form of its magnitude.
const char* PluralForm(std::int64_t count, const PluralForms& forms);

// The count and its noun: "21 пачка".
std::string CountWith(std::int64_t count, const PluralForms& forms);
