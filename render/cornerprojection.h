#pragma once

#include "render/PodNew.h"

#include <cstdint>
#include <limits>

// The whole-millimetre values one axis of a set of box corners takes: the largest magnitude and
// the smallest magnitude other than zero.
struct AxisExtent {
    std::int64_t MaxAbs = 0;
    std::int64_t MinNonZeroAbs = std::numeric_limits<std::int64_t>::max();
    void Include(std::int64_t value);
};

// Corner pixels for many boxes at once, equal to ViewTransform and MapToScreen of every corner.
//
// The first turn of the view is a quarter turn about X. With a cosine of about -2.5e-20 and a
// sine of exactly 1 it takes (x, y, z) to (x, z + cos·y, cos·z - y) before the snapping, and
// those round back to (x, z, -y) whenever cos·y is below an eighth of the spacing of doubles at
// z and cos·z below an eighth of the spacing at y (a value of zero stays zero as it is far below
// one millimetre). Then the second turn, and the view X with it, depends on x and y alone, and
// the third on that result and z alone: the costly part is worked out once per (x, y) column and
// only the last turn per corner. When the extents of the corners do not meet the bound (sides of
// thousands of millimetres against a height of 1 mm), every corner goes the full way.
class CornerProjector {
  public:
    // Every corner asked for later must lie within the y and z extents given here.
    CornerProjector(const SceneState& state, const AxisExtent& y, const AxisExtent& z);

    // What one (x, y) column of corners shares at every height.
    struct Column {
        std::int32_t X = 0, Y = 0;
        std::int32_t PixelX = 0; // the pixel column, when the shortcut holds
        double ViewX = 0;        // view X after the second turn
        double ViewZ = 0;        // view Z after the second turn, which the third turn mixes in
    };

    Column ColumnAt(std::int32_t x, std::int32_t y) const;

    // The pixel of the corner (x, y, z) of the column.
    PixelPoint Corner(const Column& column, std::int32_t z) const;

    // Whether the shortcut holds for the extents given (tests check both ways).
    bool Shortcut() const { return shortcut_; }

  private:
    const SceneState& state_;
    bool shortcut_ = false;
};
