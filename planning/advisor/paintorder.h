#pragma once

#include "planning/advisor/layertypes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A box's footprint on the layer, from (x1, y1) to (x2, y2).
struct PaintBox {
    std::int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Indices of the boxes in an order that paints correctly in the view where larger x and larger
// y face the viewer (see SortForPainting), the earliest index first wherever the order is free.
std::vector<std::size_t> PaintingOrder(const std::vector<PaintBox>& boxes);

// The placements reordered so that painting them in turn, in the view where larger X and larger
// Y face the viewer, draws every bundle after each bundle behind it: A comes before B whenever A
// lies wholly at smaller X with their Y ranges overlapping, or wholly at smaller Y with their X
// ranges overlapping. Placements that overlap each other (which no layer of the advisor has)
// keep their given order wherever no such order exists.
std::vector<Placement> SortForPainting(std::vector<Placement> placements);
