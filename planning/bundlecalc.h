#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// The arithmetic of the bundle calculator: a bundle is a stack of boxes folded flat, each box
// counting two board thicknesses, and the board thickness is the number that ends the flute
// profile text ("B - 3.1").

// A bundle size or count that no whole number can hold (a flute thickness like 1e300). The
// platform reports it as an invalid floating-point operation.
class BundleSizeError : public std::range_error {
  public:
    using std::range_error::range_error;
};

// The value of the longest tail of the UTF-8 profile text that reads as a number other than 0,
// after the first "." and then the first "," were each turned into the ASCII decimal separator;
// 0 when there is none. Surrounding spaces of the tail are allowed, a sign must stand directly
// before the digits, so "B-3.1" reads -3.1 while "B - 3.1" reads 3.1. A tail counts as other
// than 0 when its mantissa holds a digit other than 0; its value is the nearest double, an
// infinity beyond the double range (the bundle sizes below then raise BundleSizeError).
// Texts of any length are read alike, in time linear in their length.
double FluteThickness(const std::string& profile, char decimalSeparator);

// Box length + box width + 1.5 flute thicknesses, rounded half to even. The true value, also
// beyond 65535.
std::int64_t BundleLengthFromBox(std::int32_t boxLength, std::int32_t boxWidth, double flute);

// Box width + box height + 2 flute thicknesses, rounded half to even.
std::int64_t BundleWidthFromBox(std::int32_t boxWidth, std::int32_t boxHeight, double flute);

// Two flute thicknesses for every box of the bundle, rounded half to even.
std::int64_t BundleHeightFromBoxes(std::int32_t boxesPerBundle, double flute);

// Bundles an order fills, the last one possibly partial: boxesInOrder / boxesPerBundle rounded
// up. boxesPerBundle must be positive (std::invalid_argument otherwise).
std::int64_t BundlesForBoxes(std::int32_t boxesInOrder, std::int32_t boxesPerBundle);
