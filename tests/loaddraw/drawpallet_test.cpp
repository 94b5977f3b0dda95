#include "loaddraw/drawpallet.h"
#include "render/fperror.h"
#include "tests/loaddraw/boxes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Op = CanvasOp;

const Colour PalletColour = MakeColour(210, 180, 140);

// The clearing of the area that opens every picture.
std::vector<Op> ClearOps(int width, int height) {
    return {Op::Brush(clWhite), Op::Solid(), Op::Fill(0, 0, width, height)};
}

// The seven pieces in drawing order, from the whole millimetres they are built of: the pallet
// 0..lx x 0..wy between the deck and the base, its fifths, and the gap above the load.
std::vector<Box> PalletPieces(int lx, int wy, int l2, int l8, int w2, int w8, int deck, int base,
                              int gap) {
    return {{lx, wy, base, 0, w8, deck},  {lx, wy, base, l2, w2, deck},
            {lx, wy, base, lx, w8, deck}, {lx, wy, base, l8, wy, deck},
            {lx, w2, base, lx, 0, deck},  {l2, wy, base, 0, wy, deck},
            {lx, wy, deck, 0, 0, -gap}};
}

TEST(PalletPieces, SpellOutTheExampleTable) {
    const std::vector<Box> table = {
        {1200, 800, 1050, 0, 640, 900},    {1200, 800, 1050, 240, 160, 900},
        {1200, 800, 1050, 1200, 640, 900}, {1200, 800, 1050, 960, 800, 900},
        {1200, 160, 1050, 1200, 0, 900},   {240, 800, 1050, 0, 800, 900},
        {1200, 800, 900, 0, 0, -100}};
    const std::vector<Box> pieces = PalletPieces(1200, 800, 240, 960, 160, 640, 900, 1050, 100);
    ASSERT_EQ(pieces.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Box &a = pieces[i], &b = table[i];
        EXPECT_TRUE(a.x1 == b.x1 && a.y1 == b.y1 && a.z1 == b.z1 && a.x2 == b.x2 && a.y2 == b.y2 &&
                    a.z2 == b.z2)
            << "piece " << i + 1;
    }
}

struct PalletCase {
    const char* name;
    double length, width, stack, bundleHeight, palletHeight;
    // What the pieces are built of: extents, fifths, deck and base levels and the top gap.
    int lx, wy, l2, l8, w2, w8, deck, base, gap;
};

const PalletCase PalletCases[] = {
    {"TableExample", 1200, 800, 1000, 300, 150, 1200, 800, 240, 960, 160, 640, 900, 1050, 100},
    // A whole number of layers: no gap, the envelope ends at the top of the load.
    {"WholeLayers", 1200, 800, 1000, 250, 150, 1200, 800, 240, 960, 160, 640, 1000, 1150, 0},
    // Fifths are truncated: 240.2, 960.8, 159.8 and 639.2.
    {"FifthsTruncated", 1201, 799, 1000, 300, 150, 1201, 799, 240, 960, 159, 639, 900, 1050, 100},
    // An exact fifth stays exact: 242 and 968.
    {"ExactFifths", 1210, 800, 1000, 300, 150, 1210, 800, 242, 968, 160, 640, 900, 1050, 100},
    // A gap of 100.5 goes to the even 100; the fraction of the height is dropped.
    {"GapTieDown", 1200, 800, 1000.5, 300, 150, 1200, 800, 240, 960, 160, 640, 900, 1050, 100},
    // A gap of 101.5 goes to the even 102: the deck at 1001 - 102.
    {"GapTieUp", 1200, 800, 1001.5, 300, 150, 1200, 800, 240, 960, 160, 640, 899, 1049, 102},
    // Less height than the pallet itself: the quotient truncates to 0 and the gap is negative.
    {"NegativeStackHeight", 1200, 800, -50, 300, 150, 1200, 800, 240, 960, 160, 640, 0, 150, -50},
    // The pallet height is rounded, ties to even: 150.5 is 150 and 151.5 is 152.
    {"PalletHeightTieDown", 1200, 800, 1000, 300, 150.5, 1200, 800, 240, 960, 160, 640, 900, 1050,
     100},
    {"PalletHeightTieUp", 1200, 800, 1000, 300, 151.5, 1200, 800, 240, 960, 160, 640, 900, 1052,
     100},
};

void PrintTo(const PalletCase& c, std::ostream* os) {
    *os << c.name;
}

class DrawPalletTest : public ::testing::TestWithParam<PalletCase> {};

TEST_P(DrawPalletTest, ClearsFitsAndDrawsTheSevenPieces) {
    const PalletCase& c = GetParam();
    SceneState state;
    state.RotationCentre = {7, 7, 7}; // left over from elsewhere: the picture resets it
    state.PalletHeight = c.palletHeight;
    RecordingCanvas canvas(PalletColour);
    DrawPallet(state, canvas, c.length, c.width, c.stack, c.bundleHeight, 417, 484);

    const SceneState fitted = FittedTo(c.length, c.width, c.stack);
    EXPECT_EQ(state.RotationCentre.X, 0);
    EXPECT_EQ(state.RotationCentre.Y, 0);
    EXPECT_EQ(state.RotationCentre.Z, 0);
    EXPECT_EQ(state.Scale, fitted.Scale);
    EXPECT_EQ(state.OffsetX, fitted.OffsetX);
    EXPECT_EQ(state.OffsetY, fitted.OffsetY);

    std::vector<Op> expected = ClearOps(417, 484);
    const std::vector<Op> pieces =
        BoxOps(fitted, PalletPieces(c.lx, c.wy, c.l2, c.l8, c.w2, c.w8, c.deck, c.base, c.gap),
               PalletColour);
    expected.insert(expected.end(), pieces.begin(), pieces.end());
    EXPECT_EQ(canvas.ops, expected);
    EXPECT_EQ(canvas.PenColour(), PalletColour);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawPalletTest, ::testing::ValuesIn(PalletCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawPallet, ExampleFitsTheSceneOfTheProjectionExample) {
    SceneState state;
    state.PalletHeight = 150.0;
    RecordingCanvas canvas(PalletColour);
    DrawPallet(state, canvas, 1200, 800, 1000, 300, 417, 484);
    EXPECT_EQ(state.Scale, 4.405035971223021);
    EXPECT_EQ(state.OffsetX, 176.37767434264248);
    EXPECT_EQ(state.OffsetY, 63.45435244161356);
}

TEST(DrawPallet, ZeroBundleHeightFailsAfterTheClearAndTheFit) {
    const struct {
        double stack;
        const char* message;
    } cases[] = {
        {1000, "Floating point division by zero"},
        {0, "Invalid floating point operation"},
    };
    for (const auto& c : cases) {
        SceneState state;
        state.PalletHeight = 150.0;
        RecordingCanvas canvas(PalletColour);
        try {
            DrawPallet(state, canvas, 1200, 800, c.stack, 0, 417, 484);
            ADD_FAILURE() << "no error";
        } catch (const FloatingPointError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(canvas.ops, ClearOps(417, 484));
        EXPECT_GT(state.Scale, 0);
    }
}

TEST(DrawPallet, AreaWithoutWidthFailsInTheFitAfterTheClear) {
    SceneState state;
    state.PalletHeight = 150.0;
    RecordingCanvas canvas(PalletColour);
    EXPECT_THROW(DrawPallet(state, canvas, 1200, 800, 1000, 300, 0, 484), FloatingPointError);
    EXPECT_EQ(canvas.ops, ClearOps(0, 484));
}

TEST(DrawPallet, PalletBeyondTheIntegerRangeOverflowsBeforeAnyPiece) {
    SceneState state;
    state.PalletHeight = 150.0;
    RecordingCanvas canvas(PalletColour);
    try {
        DrawPallet(state, canvas, 3e9, 800, 1000, 300, 417, 484);
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), "Floating point overflow");
    }
    EXPECT_EQ(canvas.ops, ClearOps(417, 484));
}

TEST(DrawPallet, AreaSizesAreTakenAs32BitValues) {
    SceneState wide, plain;
    wide.PalletHeight = plain.PalletHeight = 150.0;
    RecordingCanvas wideCanvas(PalletColour), plainCanvas(PalletColour);
    DrawPallet(wide, wideCanvas, 1200, 800, 1000, 300, (std::int64_t{1} << 32) + 417, 484);
    DrawPallet(plain, plainCanvas, 1200, 800, 1000, 300, 417, 484);
    EXPECT_EQ(wideCanvas.ops, plainCanvas.ops);
}

} // namespace
