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

struct PalletCase {
    const char* name;
    double length, width, stack, bundleHeight, palletHeight;
    // The seven boxes the pallet is drawn with, in order.
    std::vector<Box> boxes;
};

const PalletCase PalletCases[] = {
    {"TableExample",
     1200,
     800,
     1000,
     300,
     150,
     {{1200, 800, 1050, 0, 640, 900},
      {1200, 800, 1050, 240, 160, 900},
      {1200, 800, 1050, 1200, 640, 900},
      {1200, 800, 1050, 960, 800, 900},
      {1200, 160, 1050, 1200, 0, 900},
      {240, 800, 1050, 0, 800, 900},
      {1200, 800, 900, 0, 0, -100}}},
    // A whole number of layers: no gap, the envelope ends at the top of the load.
    {"WholeLayers",
     1200,
     800,
     1000,
     250,
     150,
     {{1200, 800, 1150, 0, 640, 1000},
      {1200, 800, 1150, 240, 160, 1000},
      {1200, 800, 1150, 1200, 640, 1000},
      {1200, 800, 1150, 960, 800, 1000},
      {1200, 160, 1150, 1200, 0, 1000},
      {240, 800, 1150, 0, 800, 1000},
      {1200, 800, 1000, 0, 0, 0}}},
    // Fifths are truncated: 240.2, 960.8, 159.8 and 639.2.
    {"FifthsTruncated",
     1201,
     799,
     1000,
     300,
     150,
     {{1201, 799, 1050, 0, 639, 900},
      {1201, 799, 1050, 240, 159, 900},
      {1201, 799, 1050, 1201, 639, 900},
      {1201, 799, 1050, 960, 799, 900},
      {1201, 159, 1050, 1201, 0, 900},
      {240, 799, 1050, 0, 799, 900},
      {1201, 799, 900, 0, 0, -100}}},
    // An exact fifth stays exact: 242 and 968.
    {"ExactFifths",
     1210,
     800,
     1000,
     300,
     150,
     {{1210, 800, 1050, 0, 640, 900},
      {1210, 800, 1050, 242, 160, 900},
      {1210, 800, 1050, 1210, 640, 900},
      {1210, 800, 1050, 968, 800, 900},
      {1210, 160, 1050, 1210, 0, 900},
      {242, 800, 1050, 0, 800, 900},
      {1210, 800, 900, 0, 0, -100}}},
    // A gap of 100.5 goes to the even 100; the fraction of the height is dropped.
    {"GapTieDown",
     1200,
     800,
     1000.5,
     300,
     150,
     {{1200, 800, 1050, 0, 640, 900},
      {1200, 800, 1050, 240, 160, 900},
      {1200, 800, 1050, 1200, 640, 900},
      {1200, 800, 1050, 960, 800, 900},
      {1200, 160, 1050, 1200, 0, 900},
      {240, 800, 1050, 0, 800, 900},
      {1200, 800, 900, 0, 0, -100}}},
    // A gap of 101.5 goes to the even 102: the deck at 1001 - 102.
    {"GapTieUp",
     1200,
     800,
     1001.5,
     300,
     150,
     {{1200, 800, 1049, 0, 640, 899},
      {1200, 800, 1049, 240, 160, 899},
      {1200, 800, 1049, 1200, 640, 899},
      {1200, 800, 1049, 960, 800, 899},
      {1200, 160, 1049, 1200, 0, 899},
      {240, 800, 1049, 0, 800, 899},
      {1200, 800, 899, 0, 0, -102}}},
    // Less height than the pallet itself: the quotient truncates to 0 and the gap is negative.
    {"NegativeStackHeight",
     1200,
     800,
     -50,
     300,
     150,
     {{1200, 800, 150, 0, 640, 0},
      {1200, 800, 150, 240, 160, 0},
      {1200, 800, 150, 1200, 640, 0},
      {1200, 800, 150, 960, 800, 0},
      {1200, 160, 150, 1200, 0, 0},
      {240, 800, 150, 0, 800, 0},
      {1200, 800, 0, 0, 0, 50}}},
    // The pallet height is rounded, ties to even: 150.5 is 150 and 151.5 is 152.
    {"PalletHeightTieDown",
     1200,
     800,
     1000,
     300,
     150.5,
     {{1200, 800, 1050, 0, 640, 900},
      {1200, 800, 1050, 240, 160, 900},
      {1200, 800, 1050, 1200, 640, 900},
      {1200, 800, 1050, 960, 800, 900},
      {1200, 160, 1050, 1200, 0, 900},
      {240, 800, 1050, 0, 800, 900},
      {1200, 800, 900, 0, 0, -100}}},
    {"PalletHeightTieUp",
     1200,
     800,
     1000,
     300,
     151.5,
     {{1200, 800, 1052, 0, 640, 900},
      {1200, 800, 1052, 240, 160, 900},
      {1200, 800, 1052, 1200, 640, 900},
      {1200, 800, 1052, 960, 800, 900},
      {1200, 160, 1052, 1200, 0, 900},
      {240, 800, 1052, 0, 800, 900},
      {1200, 800, 900, 0, 0, -100}}},
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
    const std::vector<Op> pieces = BoxOps(fitted, c.boxes, PalletColour);
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
