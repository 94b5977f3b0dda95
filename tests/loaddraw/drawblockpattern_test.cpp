#include "loaddraw/drawblockpattern.h"
#include "planning/rectop.h"
#include "render/fperror.h"
#include "tests/loaddraw/boxes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Op = CanvasOp;

const Colour LoadColour = MakeColour(200, 100, 30);

struct Footprint {
    int x1, y1, x2, y2;
};

// One layer of the example with a 250 x 150 bundle on 1200 x 800, split 2, in drawing order:
// the crosswise block column by column, no crosswise strip, the lengthwise block column by
// column, the side strip.
const Footprint ExampleLayer[] = {
    {0, 0, 150, 250},       {0, 250, 150, 500},    {150, 0, 300, 250},    {150, 250, 300, 500},
    {300, 0, 450, 250},     {300, 250, 450, 500},  {450, 0, 600, 250},    {450, 250, 600, 500},
    {600, 0, 750, 250},     {600, 250, 750, 500},  {750, 0, 900, 250},    {750, 250, 900, 500},
    {900, 0, 1050, 250},    {900, 250, 1050, 500}, {1050, 0, 1200, 250},  {1050, 250, 1200, 500},
    {0, 500, 250, 650},     {0, 650, 250, 800},    {250, 500, 500, 650},  {250, 650, 500, 800},
    {500, 500, 750, 650},   {500, 650, 750, 800},  {750, 500, 1000, 650}, {750, 650, 1000, 800},
    {1000, 500, 1150, 750},
};

// The boxes of every layer from the bottom one up, each layer laid out as `layer`.
template <std::size_t N>
std::vector<Box> Stack(const Footprint (&layer)[N], int layers, int layerHeight) {
    std::vector<Box> boxes;
    for (int j = layers; j >= 1; --j)
        for (const Footprint& f : layer)
            boxes.push_back({f.x1, f.y1, (j - 1) * layerHeight, f.x2, f.y2, j * layerHeight});
    return boxes;
}

TEST(DrawBlockPattern, ExampleDrawsEveryLayerFromTheBottomUp) {
    const SceneState state = FittedTo(1200, 800, 1000);
    RecordingCanvas canvas(LoadColour);
    DrawBlockPattern(state, canvas, 2, 1200, 800, 1000, 250, 150, 100);
    EXPECT_EQ(canvas.ops.size(), 250 * OpsPerBox);
    EXPECT_EQ(canvas.ops, BoxOps(state, Stack(ExampleLayer, 10, 100), LoadColour));
    // Spelled out: the first box stands on the pallet, the last is the side strip on top.
    EXPECT_EQ(Slice(canvas.ops, 0, OpsPerBox),
              BoxOps(state, {{0, 0, 900, 150, 250, 1000}}, LoadColour));
    EXPECT_EQ(Slice(canvas.ops, 249 * OpsPerBox, OpsPerBox),
              BoxOps(state, {{1000, 500, 0, 1150, 750, 100}}, LoadColour));
    EXPECT_EQ(canvas.PenColour(), LoadColour);
}

struct PatternCase {
    const char* name;
    double split, rowSide, splitSide, stack, length, width, height;
    std::vector<Footprint> layer; // one layer in drawing order
    int layers;
    int layerHeight;
};

const PatternCase PatternCases[] = {
    // No crosswise rows: only the lengthwise block, 4 columns of 4 rows.
    {"LengthwiseOnly",
     4,
     1200,
     800,
     300,
     300,
     200,
     100,
     {{0, 0, 300, 200},
      {0, 200, 300, 400},
      {0, 400, 300, 600},
      {0, 600, 300, 800},
      {300, 0, 600, 200},
      {300, 200, 600, 400},
      {300, 400, 600, 600},
      {300, 600, 600, 800},
      {600, 0, 900, 200},
      {600, 200, 900, 400},
      {600, 400, 900, 600},
      {600, 600, 900, 800},
      {900, 0, 1200, 200},
      {900, 200, 1200, 400},
      {900, 400, 1200, 600},
      {900, 600, 1200, 800}},
     3,
     100},
    // A bundle shorter than it is wide: the crosswise strip fills the end of the crosswise rows.
    {"CrosswiseStrip",
     1,
     1200,
     800,
     100,
     150,
     350,
     100,
     {{0, 0, 350, 150},
      {0, 150, 350, 300},
      {0, 300, 350, 450},
      {350, 0, 700, 150},
      {350, 150, 700, 300},
      {350, 300, 700, 450},
      {700, 0, 1050, 150},
      {700, 150, 1050, 300},
      {700, 300, 1050, 450},
      {1050, 0, 1200, 350},
      {0, 450, 150, 800},
      {150, 450, 300, 800},
      {300, 450, 450, 800},
      {450, 450, 600, 800},
      {600, 450, 750, 800},
      {750, 450, 900, 800},
      {900, 450, 1050, 800},
      {1050, 450, 1200, 800}},
     1,
     100},
    // The side strip runs over the whole depth of the lengthwise part, two rows deep.
    {"SideStripOverTheWholeDepth",
     3,
     1000,
     1200,
     100,
     550,
     350,
     100,
     {{0, 0, 550, 350},
      {0, 350, 550, 700},
      {0, 700, 550, 1050},
      {550, 0, 900, 550},
      {550, 550, 900, 1100}},
     1,
     100},
    // Fractional length: the lengthwise block truncates each sum (250.5 + 150 is 400), the side
    // strip adds two truncated terms (250 + 250 is 500, where the sum 501 would truncate to 501).
    {"SideStripTruncatesItsTermsApart",
     2,
     1200,
     800,
     100,
     250.5,
     150,
     100,
     {{0, 0, 150, 250},       {150, 0, 300, 250},    {300, 0, 450, 250},    {450, 0, 600, 250},
      {600, 0, 750, 250},     {750, 0, 900, 250},    {900, 0, 1050, 250},   {1050, 0, 1200, 250},
      {0, 250, 250, 400},     {0, 400, 250, 550},    {0, 550, 250, 700},    {250, 250, 501, 400},
      {250, 400, 501, 550},   {250, 550, 501, 700},  {501, 250, 751, 400},  {501, 400, 751, 550},
      {501, 550, 751, 700},   {751, 250, 1002, 400}, {751, 400, 1002, 550}, {751, 550, 1002, 700},
      {1002, 250, 1152, 500}, {1002, 500, 1152, 751}},
     1,
     100},
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.name;
}

class DrawBlockPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(DrawBlockPatternTest, DrawsTheLayoutInOrder) {
    const PatternCase& c = GetParam();
    const SceneState state = FittedTo(c.rowSide, c.splitSide, c.stack);
    RecordingCanvas canvas(LoadColour);
    DrawBlockPattern(state, canvas, c.split, c.rowSide, c.splitSide, c.stack, c.length, c.width,
                     c.height);
    std::vector<Box> boxes;
    for (int j = c.layers; j >= 1; --j)
        for (const Footprint& f : c.layer)
            boxes.push_back({f.x1, f.y1, (j - 1) * c.layerHeight, f.x2, f.y2, j * c.layerHeight});
    EXPECT_EQ(canvas.ops, BoxOps(state, boxes, LoadColour));
    EXPECT_EQ(
        BlockPatternBoxCount(c.split, c.rowSide, c.splitSide, c.stack, c.length, c.width, c.height),
        boxes.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawBlockPatternTest, ::testing::ValuesIn(PatternCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawBlockPattern, PictureCanHoldMoreBundlesThanTheLayerCount) {
    // The count leaves the end of the crosswise rows empty and stops the side strip at the
    // split's depth; the picture fills both.
    const struct {
        double split, rowSide, splitSide, length, width;
        int counted, drawn;
    } cases[] = {
        {1, 1200, 800, 150, 350, 17, 18},
        {3, 1000, 1200, 550, 350, 4, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwoBlockLayerCount(static_cast<std::int64_t>(c.split), c.rowSide, c.splitSide,
                                     c.length, c.width),
                  c.counted);
        EXPECT_EQ(
            BlockPatternBoxCount(c.split, c.rowSide, c.splitSide, 100, c.length, c.width, 100),
            c.drawn);
    }
}

TEST(DrawBlockPattern, LayerBoundsAreTruncatedOneByOne) {
    // Layers of 100.5 mm: 0-100, 100-201, 201-301, bottom first.
    const SceneState state = FittedTo(300, 200, 302);
    RecordingCanvas canvas(LoadColour);
    DrawBlockPattern(state, canvas, 1, 300, 200, 302, 300, 200, 100.5);
    const std::vector<Box> boxes = {
        {0, 0, 201, 300, 200, 301}, {0, 0, 100, 300, 200, 201}, {0, 0, 0, 300, 200, 100}};
    EXPECT_EQ(canvas.ops, BoxOps(state, boxes, LoadColour));
}

TEST(DrawBlockPattern, NothingWhenNoLayerOrNoRowFits) {
    const SceneState state = FittedTo(1200, 800, 1000);
    const struct {
        const char* name;
        double split, rowSide, splitSide, stack;
    } cases[] = {
        {"StackBelowOneBundle", 2, 1200, 800, 99},
        {"NegativeStack", 2, 1200, 800, -50},
        {"NoRowSide", 2, 0, 800, 1000},
        {"NoSplitSide", 0, 1200, 0, 1000},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(LoadColour);
        DrawBlockPattern(state, canvas, c.split, c.rowSide, c.splitSide, c.stack, 250, 150, 100);
        EXPECT_TRUE(canvas.ops.empty()) << c.name;
    }
}

TEST(DrawBlockPattern, ZeroBundleSizeFailsBeforeAnyBox) {
    const SceneState state = FittedTo(1200, 800, 1000);
    const struct {
        const char* name;
        double split, stack, length, width, height;
        const char* message;
    } cases[] = {
        {"ZeroHeight", 2, 1000, 250, 150, 0, "Floating point division by zero"},
        {"ZeroHeightNoStack", 2, 0, 250, 150, 0, "Invalid floating point operation"},
        {"ZeroLength", 2, 1000, 0, 150, 100, "Floating point division by zero"},
        {"ZeroWidth", 0, 1000, 250, 0, 100, "Floating point division by zero"},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(LoadColour);
        try {
            DrawBlockPattern(state, canvas, c.split, 1200, 800, c.stack, c.length, c.width,
                             c.height);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const FloatingPointError& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.name;
        }
        EXPECT_TRUE(canvas.ops.empty()) << c.name;
    }
}

TEST(DrawBlockPattern, LoadOfTinyBundlesIsRefusedBeforeAnyBox) {
    // 1 x 1 x 1 mm on 1200 x 800 x 2000: 1 920 000 000 boxes, hours of drawing.
    const SceneState state = FittedTo(1200, 800, 2000);
    EXPECT_EQ(BlockPatternBoxCount(0, 1200, 800, 2000, 1, 1, 1), 1920000000.0L);
    RecordingCanvas canvas(LoadColour);
    try {
        DrawBlockPattern(state, canvas, 0, 1200, 800, 2000, 1, 1, 1);
        FAIL() << "no error";
    } catch (const PictureTooLargeError&) {
    }
    EXPECT_TRUE(canvas.ops.empty());
}

TEST(DrawBlockPattern, CountsBeyondEveryIntegerNeitherHangNorWrap) {
    const SceneState state = FittedTo(1200, 800, 1000);
    // Countless layers of nothing: no row fits, so nothing is drawn and nothing is looped over.
    RecordingCanvas empty(LoadColour);
    DrawBlockPattern(state, empty, 0, 0, 800, 1000, 250, 150, 1e-300);
    EXPECT_TRUE(empty.ops.empty());
    // Countless layers of something, or rows beyond any integer: refused.
    const double tiny[][3] = {{250, 150, 1e-300}, {1e-300, 1e-300, 100}};
    for (const auto& bundle : tiny) {
        RecordingCanvas canvas(LoadColour);
        EXPECT_THROW(
            DrawBlockPattern(state, canvas, 0, 1200, 800, 1000, bundle[0], bundle[1], bundle[2]),
            PictureTooLargeError);
        EXPECT_TRUE(canvas.ops.empty());
    }
}

TEST(DrawBlockPattern, TheLargestPictureIsDrawnAndOneMoreLayerIsRefused) {
    // 10 x 10 bundles of 10 x 10 mm per 1 mm layer: 5000 layers are exactly the limit.
    static_assert(MaxPictureBundles == 500'000);
    const SceneState state = FittedTo(100, 100, 5000);
    CountingCanvas full;
    DrawBlockPattern(state, full, 10, 100, 100, 5000, 10, 10, 1);
    EXPECT_EQ(full.polygons, 3 * MaxPictureBundles);
    CountingCanvas over;
    EXPECT_THROW(DrawBlockPattern(state, over, 10, 100, 100, 5001, 10, 10, 1),
                 PictureTooLargeError);
    EXPECT_EQ(over.polygons, 0);
}

} // namespace
