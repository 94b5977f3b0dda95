#include "loaddraw/drawload.h"
#include "render/fperror.h"
#include "tests/loaddraw/boxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

namespace {

using Op = CanvasOp;

const Colour LoadColour = MakeColour(200, 100, 30);

// The example load: 250 x 150 x 100 bundles on 1200 x 800, 1000 high, split 2.
struct LoadArgs {
    double rowSide = 1200, splitSide = 800, split = 2, stack = 1000;
    double length = 250, width = 150, height = 100;
    std::int64_t areaWidth = 417, areaHeight = 484;
};

SceneState FreshState() {
    SceneState state;
    state.PalletPending = 1;
    state.PalletHeight = 150.0;
    return state;
}

void Load(SceneState& state, Canvas& canvas, const LoadArgs& a) {
    DrawLoad(state, canvas, a.rowSide, a.splitSide, a.split, a.stack, a.length, a.width, a.height,
             a.areaWidth, a.areaHeight);
}

std::vector<Op> PalletOps(const LoadArgs& a) {
    SceneState state = FreshState();
    RecordingCanvas canvas(LoadColour);
    DrawPallet(state, canvas, a.rowSide, a.splitSide, a.stack, a.height, a.areaWidth, a.areaHeight);
    return canvas.ops;
}

std::vector<Op> BundleOps(const SceneState& state, const LoadArgs& a) {
    RecordingCanvas canvas(LoadColour);
    DrawBlockPattern(state, canvas, a.split, a.rowSide, a.splitSide, a.stack, a.length, a.width,
                     a.height);
    return canvas.ops;
}

std::vector<Op> Joined(std::vector<Op> first, const std::vector<Op>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The points of the polygons of boxes [first, first + count) of a drawing that starts with
// `lead` operations before its first box.
std::vector<PixelPoint> BoxPoints(const std::vector<Op>& ops, std::size_t lead, std::size_t first,
                                  std::size_t count) {
    std::vector<PixelPoint> points;
    for (const Op& op : Slice(ops, lead + first * OpsPerBox, count * OpsPerBox))
        if (op.kind == Op::Kind::Polygon)
            points.insert(points.end(), op.points.begin(), op.points.end());
    return points;
}

int LowestY(const std::vector<PixelPoint>& points) {
    int lowest = INT_MIN;
    for (const PixelPoint& p : points)
        lowest = std::max(lowest, p.Y);
    return lowest;
}

// What the picture of the example load must show: the area cleared to white, the pallet and its
// stacking envelope as seven boxes, then 10 layers of 25 bundles, the bottom layer first, every
// bundle inside what the pallet and the envelope span on the screen and below the text band.
TEST(DrawLoad, PalletThenEveryBundle) {
    const LoadArgs args;
    SceneState state = FreshState();
    RecordingCanvas canvas(LoadColour);
    Load(state, canvas, args);
    EXPECT_EQ(state.PalletPending, 0);
    EXPECT_EQ(state.Scale, 4.405035971223021);

    constexpr std::size_t Clearing = 3, PalletBoxes = 7, Layers = 10, PerLayer = 25;
    ASSERT_EQ(canvas.ops.size(), Clearing + (PalletBoxes + Layers * PerLayer) * OpsPerBox);
    EXPECT_EQ(Slice(canvas.ops, 0, Clearing),
              (std::vector<Op>{Op::Brush(clWhite), Op::Solid(), Op::Fill(0, 0, 417, 484)}));

    const std::vector<PixelPoint> pallet = BoxPoints(canvas.ops, Clearing, 0, PalletBoxes);
    ASSERT_FALSE(pallet.empty());
    const auto [left, right] = std::minmax_element(
        pallet.begin(), pallet.end(), [](const auto& a, const auto& b) { return a.X < b.X; });
    const auto [top, bottom] = std::minmax_element(
        pallet.begin(), pallet.end(), [](const auto& a, const auto& b) { return a.Y < b.Y; });
    EXPECT_GE(left->X, 0);
    EXPECT_LT(right->X, 417);
    EXPECT_GE(top->Y, SceneTopBand);
    EXPECT_LT(bottom->Y, 564);

    int below = INT_MAX;
    for (std::size_t layer = 0; layer < Layers; ++layer) {
        const std::vector<PixelPoint> bundles =
            BoxPoints(canvas.ops, Clearing, PalletBoxes + layer * PerLayer, PerLayer);
        for (const PixelPoint& p : bundles) {
            ASSERT_TRUE(p.X >= left->X && p.X <= right->X && p.Y >= top->Y && p.Y <= bottom->Y)
                << "layer " << layer << " at " << p.X << ", " << p.Y;
        }
        // Each layer stands higher on the screen than the one drawn before it.
        EXPECT_LT(LowestY(bundles), below) << "layer " << layer;
        below = LowestY(bundles);
    }
}

TEST(DrawLoad, WithoutPalletPendingDrawsOnlyTheBundlesWithThePreviousFit) {
    // A fit left over from another picture, not the one this load would get.
    const LoadArgs args;
    SceneState state = FittedTo(2000, 2000, 2000);
    state.PalletPending = 0;
    const SceneState before = state;
    RecordingCanvas canvas(LoadColour);
    Load(state, canvas, args);
    EXPECT_EQ(canvas.ops, BundleOps(before, args)); // no clearing, no pallet
    EXPECT_EQ(state.Scale, before.Scale);
    EXPECT_EQ(state.OffsetX, before.OffsetX);
    EXPECT_EQ(state.OffsetY, before.OffsetY);
}

TEST(DrawLoad, OnlyAPendingValueOfOneDrawsThePallet) {
    const LoadArgs args;
    SceneState state = FittedTo(1200, 800, 1000);
    state.PalletPending = 2;
    RecordingCanvas canvas(LoadColour);
    Load(state, canvas, args);
    EXPECT_EQ(state.PalletPending, 0);
    EXPECT_EQ(canvas.ops, BundleOps(state, args));
}

TEST(DrawLoad, SecondCallDrawsTheBundlesAgainWithoutThePallet) {
    const LoadArgs args;
    SceneState state = FreshState();
    RecordingCanvas canvas(LoadColour);
    Load(state, canvas, args);
    const std::vector<Op> first = canvas.ops;
    Load(state, canvas, args);
    EXPECT_EQ(canvas.ops, Joined(first, BundleOps(state, args)));
}

TEST(DrawLoad, StackBelowOneBundleDrawsThePalletAndTheEnvelopeOnly) {
    LoadArgs args;
    args.stack = 90;
    SceneState state = FreshState();
    RecordingCanvas canvas(LoadColour);
    Load(state, canvas, args);
    EXPECT_EQ(canvas.ops, PalletOps(args));
    EXPECT_EQ(state.PalletPending, 0);
}

TEST(DrawLoad, FailureInThePalletLeavesItPendingAndDrawsNothingFurther) {
    LoadArgs args;
    args.height = 0;
    SceneState state = FreshState();
    RecordingCanvas canvas(LoadColour);
    try {
        Load(state, canvas, args);
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), "Floating point division by zero");
    }
    EXPECT_EQ(state.PalletPending, 1);
    EXPECT_EQ(canvas.ops,
              (std::vector<Op>{Op::Brush(clWhite), Op::Solid(), Op::Fill(0, 0, 417, 484)}));
}

TEST(DrawLoad, RefusedLoadKeepsThePalletAndDrawsNoBundle) {
    LoadArgs args;
    args.split = 0;
    args.length = args.width = args.height = 1;
    SceneState state = FreshState();
    RecordingCanvas canvas(LoadColour);
    EXPECT_THROW(Load(state, canvas, args), PictureTooLargeError);
    EXPECT_EQ(state.PalletPending, 0);
    EXPECT_EQ(canvas.ops, PalletOps(args));
}

} // namespace
