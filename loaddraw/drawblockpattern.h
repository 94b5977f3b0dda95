#pragma once

#include "render/PodNew.h"

#include <cstdint>
#include <stdexcept>

// The most bundles one picture draws: about a second of drawing in the window. Sizes of real
// bundles stay far below it (50 x 50 x 20 mm bundles on a 1200 x 800 pallet 2 m high are under
// 40 000), while a load of millimetre-sized ones would ask for thousands of millions of boxes
// and freeze the window for hours; such a picture is refused instead.
inline constexpr std::int64_t MaxPictureBundles = 500'000;

// The refusal of a picture with more than MaxPictureBundles bundles; the shell tells the user.
class PictureTooLargeError : public std::runtime_error {
  public:
    PictureTooLargeError() : std::runtime_error("picture too large to draw") {}
};

// How many boxes DrawBlockPattern draws for these arguments (0 when no whole layer fits),
// without drawing. Held as a real: absurd sizes give counts beyond any integer type. A zero
// bundle size throws FloatingPointError as the drawing would.
long double BlockPatternBoxCount(double Split, double RowSide, double SplitSide, double StackHeight,
                                 double BundleLength, double BundleWidth, double BundleHeight);

// Draws every bundle of the load in the two-block arrangement for the given split, one box per
// bundle in the canvas's pen colour, bottom layer first and, within a layer, the crosswise block,
// its strip, the lengthwise block and its strip. Expects the scene fitted by DrawPallet; changes
// neither the scene nor the pen. Throws PictureTooLargeError, before drawing anything, when more
// than MaxPictureBundles boxes would be drawn.
void DrawBlockPattern(const SceneState& state, Canvas& canvas, double Split, double RowSide,
                      double SplitSide, double StackHeight, double BundleLength, double BundleWidth,
                      double BundleHeight);
