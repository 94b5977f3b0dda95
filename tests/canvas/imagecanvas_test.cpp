#include "canvas/imagecanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);

QRgb At(const ImageCanvas& canvas, int x, int y) {
    return canvas.Image().pixel(x, y) | 0xFF000000;
}

TEST(ImageCanvas, StartsAsAWhitePictureOfTheGivenSize) {
    ImageCanvas canvas(40, 30);
    const QImage& image = canvas.Image();
    EXPECT_EQ(image.width(), 40);
    EXPECT_EQ(image.height(), 30);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(At(canvas, x, y), White) << x << "," << y;
    EXPECT_EQ(canvas.PenColour(), clBlack);
    EXPECT_EQ(canvas.PenWidth(), 1);
    EXPECT_EQ(canvas.BrushColour(), clWhite);
}

TEST(ImageCanvas, RejectsAPictureWithoutPixels) {
    EXPECT_THROW(ImageCanvas(0, 10), std::invalid_argument);
    EXPECT_THROW(ImageCanvas(10, -1), std::invalid_argument);
}

TEST(ImageCanvas, FillRectLeavesTheRightAndBottomEdges) {
    ImageCanvas canvas(12, 12);
    canvas.SetBrushColour(MakeColour(255, 0, 0));
    canvas.FillRect(2, 3, 6, 8);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 3 && y < 8;
            EXPECT_EQ(At(canvas, x, y), inside ? Red : White) << x << "," << y;
        }
}

TEST(ImageCanvas, FillRectBeyondThePictureOrInsideOutIsSafe) {
    ImageCanvas canvas(8, 8);
    canvas.SetBrushColour(MakeColour(255, 0, 0));
    canvas.FillRect(6, 6, 2, 2); // inside out: nothing
    EXPECT_EQ(At(canvas, 4, 4), White);
    canvas.FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(At(canvas, 0, 0), Red);
    EXPECT_EQ(At(canvas, 7, 7), Red);
}

TEST(ImageCanvas, PolygonIsFilledWithTheBrushAndOutlinedWithThePen) {
    ImageCanvas canvas(40, 40);
    canvas.SetPenColour(clBlack);
    canvas.SetBrushColour(MakeColour(255, 0, 0));
    canvas.Polygon({{{10, 10}, {30, 10}, {30, 30}, {10, 30}}});
    const struct {
        int x, y;
        QRgb colour;
    } probes[] = {
        {20, 20, Red},   {11, 11, Red},   {29, 29, Red},   // inside
        {10, 20, Black}, {30, 20, Black}, {20, 10, Black}, // the outline through the points
        {20, 30, Black}, {10, 10, Black}, {30, 30, Black}, {9, 20, White},
        {31, 20, White}, {20, 9, White},  {20, 31, White}, // outside
    };
    for (const auto& p : probes)
        EXPECT_EQ(At(canvas, p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(ImageCanvas, WiderPenDrawsAWiderOutline) {
    ImageCanvas thin(40, 40), wide(40, 40);
    wide.SetPenWidth(3);
    for (ImageCanvas* canvas : {&thin, &wide})
        canvas->Polygon({{{10, 10}, {30, 10}, {30, 30}, {10, 30}}});
    EXPECT_EQ(At(thin, 20, 31), White);
    EXPECT_EQ(At(wide, 20, 31), Black);
    EXPECT_EQ(At(wide, 20, 29), Black);
}

TEST(ImageCanvas, BitsAboveTheColourArePainted) {
    ImageCanvas canvas(20, 20);
    canvas.SetPenColour(MakeColour(0, 0, 255) | 0xFF000000u);
    canvas.SetBrushColour(MakeColour(255, 0, 0) | 0x01000000u);
    canvas.Polygon({{{2, 2}, {17, 2}, {17, 17}, {2, 17}}});
    EXPECT_EQ(At(canvas, 9, 9), Red);
    EXPECT_EQ(At(canvas, 2, 9), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.PenColour(), MakeColour(0, 0, 255) | 0xFF000000u);
}

TEST(ImageCanvas, FarAwayCornersDrawTheirVisiblePart) {
    ImageCanvas canvas(20, 20);
    canvas.SetBrushColour(MakeColour(255, 0, 0));
    canvas.Polygon({{{-2000000000, 5}, {2000000000, 5}, {2000000000, 12}, {-2000000000, 12}}});
    EXPECT_EQ(At(canvas, 10, 8), Red);
    EXPECT_EQ(At(canvas, 10, 5), Black);
    EXPECT_EQ(At(canvas, 10, 2), White);
    EXPECT_EQ(At(canvas, 10, 15), White);
}

TEST(ImageCanvas, CopiesOfThePictureKeepWhatTheyHad) {
    ImageCanvas canvas(10, 10);
    canvas.SetBrushColour(MakeColour(255, 0, 0));
    canvas.FillRect(0, 0, 5, 5);
    const QImage copy = canvas.Image();
    canvas.FillRect(5, 5, 10, 10);
    EXPECT_EQ(copy.pixel(7, 7) | 0xFF000000, White);
    EXPECT_EQ(At(canvas, 7, 7), Red);
    EXPECT_EQ(copy.pixel(2, 2) | 0xFF000000, Red);
}

TEST(ImageCanvas, TextIsBlackOnTheBrushColourWithinOneLine) {
    ImageCanvas canvas(300, 40);
    const QRgb yellow = qRgb(255, 255, 0);
    canvas.SetPenColour(MakeColour(0, 0, 255)); // the load's colour: not the text's
    canvas.SetBrushColour(MakeColour(255, 255, 0));
    canvas.TextOut(5, 1, "Размер поддона: 1200 x 800");
    int black = 0, background = 0, right = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x) {
            const QRgb colour = At(canvas, x, y);
            const bool inLine = x >= 5 && y >= 1 && y < 14;
            if (!inLine) {
                ASSERT_EQ(colour, White) << x << "," << y;
                continue;
            }
            // Not smoothed: every pixel is either glyph or background.
            ASSERT_TRUE(colour == Black || colour == yellow || colour == White) << x << "," << y;
            black += colour == Black;
            background += colour == yellow;
            if (colour != White)
                right = std::max(right, x);
        }
    EXPECT_GT(black, 100);
    EXPECT_GT(background, black);
    EXPECT_GT(right, 100); // the whole line, not a few characters
    EXPECT_EQ(At(canvas, 5, 1), yellow);
    EXPECT_EQ(At(canvas, 5, 13), yellow);
}

TEST(ImageCanvas, LinesThirteenPixelsApartDoNotOverlap) {
    ImageCanvas canvas(200, 40);
    canvas.SetBrushColour(clWhite);
    canvas.TextOut(5, 1, "Всего 48");
    const QImage first = canvas.Image().copy(0, 0, 200, 14);
    canvas.TextOut(5, 14, "Слоев 12");
    EXPECT_EQ(canvas.Image().copy(0, 0, 200, 14), first);
}

} // namespace
