#pragma once

#include "planning/weights.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// The weight inputs as the user typed them; an empty text is a weight not given. The tare is
// always given: a pallet weighs something even when no one typed it.
struct WeightFields {
    std::string BoxGrams, BundleKg, TareKg, MaxGrossKg;
};

// Which weight input a bad text came from, so each front end names it its own way (the window
// by its label, the command line by its option).
enum class WeightField { BoxGrams, BundleKg, TareKg, MaxGrossKg };

// A weight text that is not a number, is negative, or (for the maximum gross weight) is not
// above 0.
class WeightInputError : public std::runtime_error {
  public:
    WeightInputError(WeightField field, std::string text)
        : std::runtime_error("bad weight"), Field(field), Text(std::move(text)) {}
    WeightField Field;
    std::string Text;
};

// Whether any weight was given that a result could use: without a box or bundle weight there
// is nothing to weigh, whatever the tare.
bool WeightsGiven(const WeightFields& fields);

// Reads the texts, each as a real number in the user's notation or with a point, in the order
// box, bundle, tare, maximum; raises WeightInputError at the first bad one. An empty tare reads
// as the default tare. `boxesPerBundle` turns a box weight into the bundle's.
WeightInputs ReadWeights(const WeightFields& fields, std::optional<std::int64_t> boxesPerBundle,
                         char decimalSeparator);
