#pragma once

#include "loaddraw/stackedlayers.h"
#include "render/PodNew.h"

#include <cstdint>

// How many boxes DrawBlockPattern draws for these arguments (0 when no whole layer fits),
// without drawing. Held as a real: absurd sizes give counts beyond any integer type. A zero
// bundle size throws FloatingPointError as the drawing would.
long double BlockPatternBoxCount(double Split, double RowSide, double SplitSide, double StackHeight,
                                 double BundleLength, double BundleWidth, double BundleHeight);

// Draws every bundle of the load in the two-block arrangement for the given split, one box per
// bundle in the canvas's pen colour, bottom layer first and, within a layer, the crosswise block,
// its strip, the lengthwise block and its strip. Expects the scene fitted by DrawPallet; changes
// neither the scene nor the pen. A picture gets only the faces that can be seen (the same
// pixels); an operation list gets every box. Throws PictureTooLargeError, before drawing
// anything, when more than MaxPictureBundles bundles would be drawn.
void DrawBlockPattern(const SceneState& state, Canvas& canvas, double Split, double RowSide,
                      double SplitSide, double StackHeight, double BundleLength, double BundleWidth,
                      double BundleHeight);

// How many bundles the picture of these arguments paints where every bundle spans at least a
// pixel: those with a face that can be seen (0 when no whole layer fits). Exact while one layer
// holds at most MaxPictureBundles boxes; beyond that a count above the limit. A picture of
// narrower bundles paints more (see CoverDepth).
long double BlockPatternVisibleCount(double Split, double RowSide, double SplitSide,
                                     double StackHeight, double BundleLength, double BundleWidth,
                                     double BundleHeight);
