#include "loaddraw/drawblockpattern.h"
#include "loaddraw/drawplacedload.h"
#include "tests/loaddraw/boxes.h"

#include <gtest/gtest.h>

namespace {

// Two bundles side by side and one turned behind them, on a 1000 x 800 footprint.
const std::vector<LayerBox> layer = {{0, 0, 400, 300}, {400, 0, 800, 300}, {0, 300, 300, 700}};

TEST(DrawPlacedLoad, StacksTheLayerBottomFirstInTheGivenOrder) {
    const Colour pen = MakeColour(200, 100, 30);
    SceneState state = FittedTo(1000, 800, 350);
    state.PalletPending = 0;
    RecordingCanvas canvas(pen);
    DrawPlacedLoad(state, canvas, layer, 1000, 800, 350, 100, 417, 484);
    // Three whole layers of 100 in 350; z grows downwards, the bottom layer is 200 to 300.
    std::vector<Box> expected;
    for (int j = 3; j >= 1; --j)
        for (const LayerBox& b : layer)
            expected.push_back({b.X1, b.Y1, (j - 1) * 100, b.X2, b.Y2, j * 100});
    EXPECT_EQ(canvas.ops, BoxOps(state, expected, pen));
}

TEST(DrawPlacedLoad, DrawsThePalletOnceWhenPending) {
    SceneState state;
    state.PalletHeight = 150.0;
    RecordingCanvas canvas(clSilver);
    DrawPlacedLoad(state, canvas, layer, 1000, 800, 350, 100, 417, 484);
    EXPECT_EQ(state.PalletPending, 0);
    EXPECT_GT(state.Scale, 0);
    // The fill, seven pallet pieces and nine bundles.
    const auto polygons =
        std::count_if(canvas.ops.begin(), canvas.ops.end(),
                      [](const CanvasOp& op) { return op.kind == CanvasOp::Kind::Polygon; });
    EXPECT_EQ(polygons, (7 + 9) * 3);
}

TEST(DrawPlacedLoad, NoWholeLayerDrawsNoBundle) {
    SceneState state = FittedTo(1000, 800, 50);
    state.PalletPending = 0;
    RecordingCanvas canvas(clSilver);
    DrawPlacedLoad(state, canvas, layer, 1000, 800, 50, 100, 417, 484);
    EXPECT_TRUE(canvas.ops.empty());
}

TEST(DrawPlacedLoad, RefusesHugePicturesBeforeAnyBundle) {
    SceneState state = FittedTo(1000, 800, 2000);
    state.PalletPending = 0;
    std::vector<LayerBox> many(MaxPictureBundles / 1000 + 1, LayerBox{0, 0, 1, 1});
    RecordingCanvas canvas(clSilver);
    EXPECT_THROW(DrawPlacedLoad(state, canvas, many, 1000, 800, 1000, 1, 417, 484),
                 PictureTooLargeError);
    EXPECT_TRUE(canvas.ops.empty());
}

} // namespace
