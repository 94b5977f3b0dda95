#pragma once

#include "loaddraw/stackedlayers.h"
#include "render/PodNew.h"
#include "render/canvas.h"

#include <cstdint>
#include <vector>

// Draws the pallet (when the picture still wants one) and then every layer of the same free
// layout, bottom layer first, each layer's boxes in the order given. The order must paint
// correctly: a box comes after every box that lies behind it at smaller X or smaller Y. Layers
// are stacked as the block pattern stacks them. A picture gets only the faces that can be seen,
// as in the block pattern; the same refusal of huge pictures applies (PictureTooLargeError after
// the pallet, before any bundle).
void DrawPlacedLoad(SceneState& state, Canvas& canvas, const std::vector<LayerBox>& layer,
                    double RowSide, double SplitSide, double StackHeight, double BundleHeight,
                    std::int64_t AreaWidth, std::int64_t AreaHeight);
