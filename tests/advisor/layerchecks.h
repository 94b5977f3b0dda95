#pragma once

#include "planning/advisor/layeradvisor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// Whether box a must be painted before box b: a lies wholly at smaller x with their y ranges
// overlapping, or wholly at smaller y with their x ranges overlapping.
inline bool MustPaintBefore(const Placement& a, const Placement& b) {
    const std::int64_t ax2 = std::int64_t{a.X} + a.LengthAlongX,
                       ay2 = std::int64_t{a.Y} + a.WidthAlongY;
    const std::int64_t bx2 = std::int64_t{b.X} + b.LengthAlongX,
                       by2 = std::int64_t{b.Y} + b.WidthAlongY;
    const bool overlapX = a.X < bx2 && b.X < ax2;
    const bool overlapY = a.Y < by2 && b.Y < ay2;
    return (ax2 <= b.X && overlapY) || (ay2 <= b.Y && overlapX);
}

inline ::testing::AssertionResult PaintsCorrectly(const std::vector<Placement>& order) {
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            if (MustPaintBefore(order[j], order[i])) {
                return ::testing::AssertionFailure()
                       << "box " << j << " at (" << order[j].X << ", " << order[j].Y
                       << ") lies behind box " << i << " at (" << order[i].X << ", " << order[i].Y
                       << ") but is painted after it";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

inline bool Overlap(std::int64_t ax, std::int64_t ay, std::int64_t aw, std::int64_t ah,
                    std::int64_t bx, std::int64_t by, std::int64_t bw, std::int64_t bh) {
    return ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah;
}

// Every bundle inside the rectangle, lying one way or the other, none overlapping, the count
// adding up, the blocks and the listed bundles telling the same layer, painted in a valid order
// (checked pair by pair, so only for layers of up to paintCheckLimit bundles).
inline ::testing::AssertionResult IsSoundLayer(const BestLayer& layer, std::int64_t X,
                                               std::int64_t Y, std::int32_t L, std::int32_t W,
                                               std::int64_t paintCheckLimit = 5000) {
    std::int64_t fromBlocks = 0;
    for (const BundleBlock& b : layer.Blocks) {
        const bool lengthwise = b.LengthAlongX == L && b.WidthAlongY == W;
        const bool crosswise = b.LengthAlongX == W && b.WidthAlongY == L;
        if (!lengthwise && !crosswise)
            return ::testing::AssertionFailure()
                   << "a block of bundles " << b.LengthAlongX << " x " << b.WidthAlongY;
        if (b.Columns <= 0 || b.Rows <= 0 || b.X < 0 || b.Y < 0 ||
            b.X + b.Columns * b.LengthAlongX > X || b.Y + b.Rows * b.WidthAlongY > Y)
            return ::testing::AssertionFailure()
                   << "a block at (" << b.X << ", " << b.Y << ") leaves the rectangle or is empty";
        fromBlocks += b.Columns * b.Rows;
    }
    for (std::size_t i = 0; i < layer.Blocks.size(); ++i) {
        for (std::size_t j = i + 1; j < layer.Blocks.size(); ++j) {
            const BundleBlock& a = layer.Blocks[i];
            const BundleBlock& b = layer.Blocks[j];
            if (Overlap(a.X, a.Y, a.Columns * a.LengthAlongX, a.Rows * a.WidthAlongY, b.X, b.Y,
                        b.Columns * b.LengthAlongX, b.Rows * b.WidthAlongY))
                return ::testing::AssertionFailure()
                       << "blocks " << i << " and " << j << " overlap";
        }
    }
    if (fromBlocks != layer.Count)
        return ::testing::AssertionFailure()
               << "blocks hold " << fromBlocks << ", count says " << layer.Count;
    if (layer.Count > MaxListedPlacements) {
        if (!layer.Placements.empty())
            return ::testing::AssertionFailure() << "a huge layer listed bundle by bundle";
        return ::testing::AssertionSuccess();
    }
    if (static_cast<std::int64_t>(layer.Placements.size()) != layer.Count)
        return ::testing::AssertionFailure()
               << layer.Placements.size() << " placements for " << layer.Count << " bundles";
    if (layer.Placements != ExpandBlocks(layer.Blocks))
        return ::testing::AssertionFailure() << "placements differ from the blocks";
    // Blocks do not overlap, so neither do their bundles; the order still has to paint right.
    if (layer.Count > paintCheckLimit)
        return ::testing::AssertionSuccess();
    return PaintsCorrectly(layer.Placements);
}
