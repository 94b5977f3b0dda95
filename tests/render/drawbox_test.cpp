#include "render/PodNew.h"
#include "render/fperror.h"
#include "tests/support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Op = CanvasOp;

SceneState FittedExample() {
    SceneState state;
    FitProjection(state, 417, 564 - SceneTopBand, 0, 0, 0, 1200, 800, 1000);
    return state;
}

const Colour ExampleColour = MakeColour(200, 100, 30);

// The brush colours the three faces were filled with, in drawing order.
std::vector<Colour> FaceFills(const RecordingCanvas& canvas) {
    std::vector<Colour> fills;
    for (const Op& op : canvas.ops)
        if (op.kind == Op::Kind::BrushColour)
            fills.push_back(op.colour);
    return fills;
}

TEST(DrawBox, ExampleBoxPolygonByPolygon) {
    const SceneState state = FittedExample();
    RecordingCanvas canvas(ExampleColour);
    DrawBox(state, 0, 0, 0, 400, 300, 200, canvas);
    const std::vector<Op> expected = {
        Op::Pen(clBlack),
        Op::Brush(MakeColour(150, 75, 22)), // blue 22.5 goes to the even 22
        Op::Poly({{{128, 167}, {128, 206}, {192, 238}, {192, 199}}}),
        Op::Brush(MakeColour(100, 50, 15)),
        Op::Poly({{{192, 199}, {192, 238}, {240, 214}, {240, 175}}}),
        Op::Brush(MakeColour(200, 100, 30)),
        Op::Poly({{{176, 143}, {128, 167}, {192, 199}, {240, 175}}}),
        Op::Pen(ExampleColour),
    };
    EXPECT_EQ(canvas.ops, expected);
    EXPECT_EQ(canvas.PenColour(), ExampleColour);
    EXPECT_EQ(canvas.BrushColour(), ExampleColour);
}

TEST(DrawBox, SwappedCornersDrawTheRearAndBottomFacesInsideTheSameOutline) {
    const SceneState state = FittedExample();
    RecordingCanvas canvas(ExampleColour);
    DrawBox(state, 400, 300, 200, 0, 0, 0, canvas);
    const std::vector<Quad> expected = {
        {{{240, 214}, {240, 175}, {176, 143}, {176, 182}}}, // the face Y = 0
        {{{176, 182}, {176, 143}, {128, 167}, {128, 206}}}, // the face X = 0
        {{{192, 238}, {240, 214}, {176, 182}, {128, 206}}}, // the bottom
    };
    EXPECT_EQ(canvas.Polygons(), expected);
}

TEST(DrawBox, FlatBoxStillDrawsThreeFaces) {
    const SceneState state = FittedExample();
    RecordingCanvas canvas(ExampleColour);
    DrawBox(state, 400, 300, 0, 400, 0, 200, canvas); // no extent along X
    const std::vector<Quad> polygons = canvas.Polygons();
    ASSERT_EQ(polygons.size(), 3u);
    // The face X = X2 is the whole panel; the other two collapse onto its edges.
    EXPECT_EQ(polygons[1], (Quad{{{240, 175}, {240, 214}, {192, 238}, {192, 199}}}));
    EXPECT_EQ(polygons[0][0], polygons[0][3]);
    EXPECT_EQ(polygons[0][1], polygons[0][2]);
}

// A channel value and what faces 1 (three quarters) and 2 (half) make of it; halves go to even.
struct ShadeCase {
    int channel;
    int threeQuarters;
    int half;
};

const ShadeCase ShadeCases[] = {
    {0, 0, 0},    {1, 1, 0},    {2, 2, 1},       {3, 2, 2},       {6, 4, 3},       {10, 8, 5},
    {30, 22, 15}, {45, 34, 22}, {200, 150, 100}, {254, 190, 127}, {255, 191, 128},
};

TEST(DrawBox, ShadesRoundHalvesToEvenInEveryChannel) {
    const SceneState state = FittedExample();
    for (const ShadeCase& c : ShadeCases)
        for (int channel = 0; channel < 3; ++channel) {
            const auto place = [channel](int value) {
                return static_cast<Colour>(value) << (8 * channel);
            };
            RecordingCanvas canvas(place(c.channel));
            DrawBox(state, 0, 0, 0, 400, 300, 200, canvas);
            const std::vector<Colour> expected = {place(c.threeQuarters), place(c.half),
                                                  place(c.channel)};
            EXPECT_EQ(FaceFills(canvas), expected)
                << "value " << c.channel << " channel " << channel;
        }
}

TEST(DrawBox, HighBitsOfThePenPlayNoPartAndComeBack) {
    const SceneState state = FittedExample();
    const Colour pen = ExampleColour | 0xAB000000u;
    RecordingCanvas canvas(pen);
    DrawBox(state, 0, 0, 0, 400, 300, 200, canvas);
    const std::vector<Colour> expected = {MakeColour(150, 75, 22), MakeColour(100, 50, 15),
                                          ExampleColour};
    EXPECT_EQ(FaceFills(canvas), expected);
    EXPECT_EQ(canvas.ops.back(), Op::Pen(pen));
    EXPECT_EQ(canvas.PenColour(), pen);
}

TEST(DrawBox, WhiteAndBlackBoxes) {
    const SceneState state = FittedExample();
    const struct {
        Colour pen;
        std::vector<Colour> fills;
    } cases[] = {
        {clWhite, {MakeColour(191, 191, 191), MakeColour(128, 128, 128), clWhite}},
        {clBlack, {clBlack, clBlack, clBlack}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(c.pen);
        DrawBox(state, 0, 0, 0, 400, 300, 200, canvas);
        EXPECT_EQ(FaceFills(canvas), c.fills);
        EXPECT_EQ(canvas.ops.front(), Op::Pen(clBlack));
    }
}

TEST(DrawBox, WithoutAFitThrowsBeforeTheCanvasIsTouched) {
    const SceneState unfitted; // Scale 0
    const struct {
        std::int32_t corner[6];
        const char* message;
    } cases[] = {
        // The first corner is the origin: its view X is 0, and 0 / 0 is invalid.
        {{0, 0, 0, 400, 300, 200}, "Invalid floating point operation"},
        {{100, 0, 0, 400, 300, 200}, "Floating point division by zero"},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(ExampleColour);
        try {
            DrawBox(unfitted, c.corner[0], c.corner[1], c.corner[2], c.corner[3], c.corner[4],
                    c.corner[5], canvas);
            ADD_FAILURE() << "no error";
        } catch (const FloatingPointError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_TRUE(canvas.ops.empty());
        EXPECT_EQ(canvas.PenColour(), ExampleColour);
    }
}

TEST(DrawBox, PixelsBeyondTheIntegerRangeOverflowInsteadOfWrapping) {
    SceneState state;
    state.Scale = 1e-6; // a millimetre is a million pixels
    RecordingCanvas canvas(ExampleColour);
    try {
        DrawBox(state, 0, 0, 0, 10000, 10000, 10000, canvas);
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), "Floating point overflow");
    }
    EXPECT_TRUE(canvas.ops.empty());
}

TEST(DrawBox, FarCornersWithinTheIntegerRangeAreDrawn) {
    // About two thousand million pixels off the picture is still a pixel, not an error.
    SceneState state;
    state.Scale = 1;
    state.OffsetX = 2147483000.0;
    RecordingCanvas canvas(ExampleColour);
    DrawBox(state, 0, 0, 0, 400, 300, 200, canvas);
    ASSERT_EQ(canvas.Polygons().size(), 3u);
    EXPECT_EQ(canvas.Polygons()[2][0], (PixelPoint{2147483000, 80}));
}

} // namespace

namespace {

TEST(PaintBoxFaces, PaintsTheFacesOfTheSetInDrawBoxOrder) {
    const SceneState state = FittedExample();
    const BoxPixels p = ProjectBox(state, 0, 0, 0, 400, 300, 200);
    EXPECT_EQ(p[0], (PixelPoint{176, 143}));
    EXPECT_EQ(p[6], (PixelPoint{192, 238}));
    const Op frontY = Op::Poly({{{128, 167}, {128, 206}, {192, 238}, {192, 199}}});
    const Op frontX = Op::Poly({{{192, 199}, {192, 238}, {240, 214}, {240, 175}}});
    const Op top = Op::Poly({{{176, 143}, {128, 167}, {192, 199}, {240, 175}}});
    const Op shadeY = Op::Brush(MakeColour(150, 75, 22)),
             shadeX = Op::Brush(MakeColour(100, 50, 15)), shadeTop = Op::Brush(ExampleColour);
    struct Case {
        std::uint8_t faces;
        std::vector<Op> between; // what comes between the black pen and the pen set back
    } cases[] = {
        {EveryBoxFace, {shadeY, frontY, shadeX, frontX, shadeTop, top}},
        {BoxFaceZ1, {shadeTop, top}},
        {BoxFaceX2 | BoxFaceZ1, {shadeX, frontX, shadeTop, top}},
        {BoxFaceY2, {shadeY, frontY}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas(ExampleColour);
        PaintBoxFaces(p, c.faces, canvas);
        std::vector<Op> expected = {Op::Pen(clBlack)};
        expected.insert(expected.end(), c.between.begin(), c.between.end());
        expected.push_back(Op::Pen(ExampleColour));
        EXPECT_EQ(canvas.ops, expected) << int(c.faces);
    }
    RecordingCanvas none(ExampleColour);
    PaintBoxFaces(p, 0, none);
    EXPECT_TRUE(none.ops.empty());
}

} // namespace
