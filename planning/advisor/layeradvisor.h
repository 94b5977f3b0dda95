#pragma once

#include "planning/advisor/layertypes.h"
#include "planning/advisor/paintorder.h"

#include <cstdint>
#include <vector>

// The layer advisor looks past the two-block arrangement for the most bundles one layer can
// hold: any arrangement built by cutting the layer into strips or into five blocks around a
// centre (a pinwheel), and cutting those blocks again the same way. It proves a layer best when
// the count meets an upper bound, and tells how much more overhang would buy another bundle.

// The best layer of identical L x W bundles, each lying either way round, in an X x Y rectangle.
// Whole millimetres. Never fewer bundles than the two-block arrangement in either orientation of
// the rectangle.
BestLayer FindBestLayer(std::int32_t X, std::int32_t Y, std::int32_t L, std::int32_t W,
                        const AdvisorBudget& budget = {});

// No layer of L x W bundles in X x Y holds more than this: the better of the area bound and the
// bound that counts the waste every layer must leave along the sides. 0 for non-positive sizes.
std::int64_t LayerUpperBound(std::int32_t X, std::int32_t Y, std::int32_t L, std::int32_t W);

// The bundles of the blocks one by one, rows from the smallest Y, each row from the smallest X.
std::vector<Placement> ExpandBlocks(const std::vector<BundleBlock>& blocks);

// For each pallet side on its own, the least extra overhang beyond the maximum typed that lets a
// layer hold more bundles than now, and the count it gives. "Now" is the better of
// currentCount and what the advisor finds with the overhangs as typed, so the advice is about
// the overhang alone. The budget covers the whole advice.
OverhangAdvice AdviseOverhang(std::int32_t palletLength, std::int32_t palletWidth,
                              std::int32_t lengthOverhang, std::int32_t widthOverhang,
                              std::int32_t L, std::int32_t W, std::int64_t currentCount,
                              const AdvisorBudget& budget = {});
