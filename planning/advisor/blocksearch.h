#pragma once

#include "planning/advisor/layertypes.h"

#include <cstdint>
#include <optional>
#include <vector>

class BudgetMeter;

struct SearchedLayer {
    std::int64_t Count = 0;
    std::vector<BundleBlock> Blocks; // in the units of the call, in no particular order
};

// The best layer of l x w bundles (l >= w, both positive) in an x * y rectangle among the
// patterns made by cutting it straight through and into five blocks around a centre, again and
// again; when those fall short of the bound, also among the patterns made by cutting rectangles
// and L-shaped pieces into two with one straight or stepped cut, again and again. Units are
// whatever makes the sizes whole; the smaller they are the faster it runs.
// Stops once the layer meets the upper bound or the budget is spent (Count 0 and no blocks when
// it ran out before the first complete layer); none when the rectangle holds too many distinct
// lengths to search within memory.
std::optional<SearchedLayer> SearchLayer(std::int64_t x, std::int64_t y, std::int64_t l,
                                         std::int64_t w, BudgetMeter& meter);
