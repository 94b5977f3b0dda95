#pragma once

#include "render/PodNew.h"
#include "render/canvas.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

// The most bundles one picture draws: about a second of drawing in the window. Sizes of real
// bundles stay far below it, while a load of millimetre-sized ones would ask for thousands of
// millions of boxes and freeze the window for hours; such a picture is refused instead. A
// picture counts the bundles it paints, those that can be seen; an operation list that keeps
// every polygon counts every bundle.
inline constexpr std::int64_t MaxPictureBundles = 500'000;

// The refusal of a picture with more than MaxPictureBundles bundles; the shell tells the user.
class PictureTooLargeError : public std::runtime_error {
  public:
    PictureTooLargeError() : std::runtime_error("picture too large to draw") {}
};

// One bundle of a layer: its footprint from (X1, Y1) to (X2, Y2) in whole millimetres, the
// smaller bound first.
struct LayerBox {
    std::int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// Which faces of each box of a layer a picture has to paint, when every layer of the load is the
// same layer of boxes in the same painting order. A box covers a face of another exactly when it
// is painted later and stands against that face with the same outline: the box above for the top
// face, the box of the same layer that starts where this one ends along y, with the same x
// bounds, for the face Y = Y2, and likewise along x for the face X = X2. Its three faces then
// fill the whole outline of that face and paint its edges again.
//
// That alone is not enough for the pixels: two polygons that share an edge do not always outline
// it with the same pixels, so a face may only be left out where the polygons on both sides of
// each of its edges are painted after it. A box's own faces painted before it do not count: the
// face toward x is left out only with the face toward y, and the top only with both, that is
// when the whole box is hidden. In the top layer a box with boxes in front and beside paints
// its top alone; below it such a box paints nothing.
//
// Where a bundle is narrower than a pixel, the box in front of a face may cover no pixel at all,
// and the face's corner pixel at the edge of the load shows through. So a face is left out only
// behind as many boxes standing one after the other against it as span CoverPixels pixels of the
// picture together, and as many top layers paint as the top layer does (see CoverDepth). A load
// of 10 mm bundles in the window needs one box; a thumbnail of 8 mm bundles needs four.
struct CoverDepths {
    std::int64_t AlongX = 1, AlongY = 1, Upright = 1;
};
struct LayerFaces {
    std::vector<std::uint8_t> Top;   // faces painted in the top TopLayers layers
    std::vector<std::uint8_t> Below; // faces painted in every other layer
    std::vector<std::int32_t> Shown; // the boxes with a face to paint below the top layers
    std::int64_t TopLayers = 1;
};
LayerFaces VisibleFaces(const std::vector<LayerBox>& layer, const CoverDepths& depths = {});

// The boxes that must stand against a face along each axis before a picture leaves it out: 1
// where a single box spans CoverPixels pixels, more where bundles are narrower than that.
inline constexpr long double CoverPixels = 1.0L;
CoverDepths CoverDepth(const SceneState& state, const std::vector<LayerBox>& layer,
                       long double height);

// Bundles the picture of `layers` such layers paints: every box of the top TopLayers layers and
// the shown boxes of every layer below. Held as a real, as layer counts can be absurd.
long double VisibleBundleCount(const LayerFaces& faces, long double layers);

// Draws `layers` copies of the layer, the bottom one first, layer j (counted from the top)
// spanning z from trunc((j - 1) * height) to trunc(j * height), each layer's boxes in the order
// given. An operation list gets every box through DrawBox; a picture gets the faces that can be
// seen, pixel for pixel the same picture. Throws PictureTooLargeError before drawing when the
// count of bundles drawn exceeds MaxPictureBundles.
void DrawStackedLayers(const SceneState& state, Canvas& canvas, const std::vector<LayerBox>& layer,
                       long double layers, long double height);
