// A run of polygons copied from a stamp must be the very pixels the painter gives for it, at any
// place, and the picture must never take a stamp where the painter would have drawn otherwise.
#include "canvas/imagecanvas.h"
#include "canvas/paintercanvas.h"
#include "canvas/polygonstamps.h"
#include "render/PodNew.h"
#include "tests/support/everypolygonpicture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Width = 160, Height = 120;
const Colour Pen = clBlack;

struct Placed {
    std::vector<FilledQuad> polygons;
    Placed At(int dx, int dy) const {
        Placed moved = *this;
        for (FilledQuad& polygon : moved.polygons)
            for (PixelPoint& p : polygon.Points)
                p = {p.X + dx, p.Y + dy};
        return moved;
    }
};

QImage WhitePicture() {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The run as the painter draws it, polygon by polygon.
QImage PaintedByThePainter(const Placed& run) {
    QImage image = WhitePicture();
    QPainter painter(&image);
    PainterCanvas canvas(painter, image.rect());
    canvas.SetPenColour(Pen);
    canvas.Canvas::PolygonRun(run.polygons.data(), static_cast<int>(run.polygons.size()));
    painter.end();
    return image;
}

bool Stamp(PolygonStamps& stamps, QImage& image, const Placed& run) {
    return stamps.Paint(image, Pen, 1, run.polygons.data(), static_cast<int>(run.polygons.size()));
}

// Box faces of every proportion and size the pictures use, from a few pixels to the largest
// kept, and quads no box makes: slivers, corners that coincide, crossed edges.
std::vector<Placed> SampleRuns() {
    std::mt19937 random(20261210);
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<Placed> runs;
    for (int i = 0; i < 300; ++i) {
        SceneState state;
        const int span = between(20, 4000);
        FitProjection(state, 417, 484, 0, 0, 0, span * 1.2, span, span * 1.5);
        const int x = between(0, span), y = between(0, span), z = between(0, span);
        const BoxPixels p = ProjectBox(state, x, y, z, x + between(1, 700), y + between(1, 700),
                                       z + between(1, 700));
        Placed run;
        run.polygons = {{{p[4], p[5], p[6], p[7]}, MakeColour(157, 135, 105)},
                        {{p[7], p[6], p[2], p[3]}, MakeColour(105, 90, 70)},
                        {{p[0], p[4], p[7], p[3]}, MakeColour(210, 180, 140)}};
        run.polygons.resize(static_cast<std::size_t>(between(1, 3)));
        runs.push_back(run.At(-p[0].X, -p[0].Y));
    }
    for (int i = 0; i < 200; ++i) {
        Placed run;
        for (int k = between(1, 3); k > 0; --k) {
            FilledQuad quad;
            for (PixelPoint& p : quad.Points)
                p = {between(0, i % 2 ? 5 : PolygonStamps::MaxSide),
                     between(0, i % 3 ? 5 : PolygonStamps::MaxSide)};
            quad.Brush = MakeColour(between(0, 255), between(0, 255), between(0, 255));
            run.polygons.push_back(quad);
        }
        runs.push_back(run);
    }
    return runs;
}

TEST(PolygonStamps, CopiesThePixelsThePainterGivesAtAnyPlace) {
    PolygonStamps stamps;
    int stamped = 0, firstTimes = 0;
    for (const Placed& shape : SampleRuns()) {
        // Where the run lies on the picture, away from its edges.
        int left = 0, top = 0, right = 0, bottom = 0;
        for (const FilledQuad& polygon : shape.polygons)
            for (const PixelPoint& p : polygon.Points) {
                left = std::min(left, p.X), right = std::max(right, p.X);
                top = std::min(top, p.Y), bottom = std::max(bottom, p.Y);
            }
        if (right - left > PolygonStamps::MaxSide || bottom - top > PolygonStamps::MaxSide)
            continue;
        const Placed first = shape.At(3 - left, 3 - top);
        const Placed again = shape.At(Width - 4 - right, Height - 4 - bottom);

        // A run met for the first time (some tiny boxes come twice) is left to the painter.
        QImage image = WhitePicture();
        const bool seenBefore = Stamp(stamps, image, first);
        firstTimes += !seenBefore;
        EXPECT_EQ(FirstDifference(image, seenBefore ? PaintedByThePainter(first) : WhitePicture()),
                  "");
        image = WhitePicture();
        ASSERT_TRUE(Stamp(stamps, image, again));
        ++stamped;
        ASSERT_EQ(FirstDifference(image, PaintedByThePainter(again)), "") << "run " << stamped;
    }
    EXPECT_GT(stamped, 300);
    EXPECT_GT(firstTimes, 300);
}

TEST(PolygonStamps, PaintsNothingWhereThePainterMightClipOrTheRunIsLarge) {
    const FilledQuad small{{PixelPoint{0, 0}, PixelPoint{6, 1}, PixelPoint{5, 7}, PixelPoint{1, 5}},
                           MakeColour(200, 10, 10)};
    const FilledQuad large{{PixelPoint{0, 0}, PixelPoint{PolygonStamps::MaxSide + 1, 0},
                            PixelPoint{PolygonStamps::MaxSide + 1, 3}, PixelPoint{0, 3}},
                           MakeColour(10, 200, 10)};
    const Placed cases[] = {
        Placed{{small}}.At(1, 50),          // the outline could reach past the left edge
        Placed{{small}}.At(50, 1),          // the top edge
        Placed{{small}}.At(Width - 8, 50),  // the right edge
        Placed{{small}}.At(50, Height - 8), // the bottom edge
        Placed{{small}}.At(-30, -30),       // outside altogether
        Placed{{large}}.At(20, 20),         // wider than a kept run
    };
    for (const Placed& run : cases) {
        PolygonStamps stamps;
        for (int time = 0; time < 3; ++time) {
            QImage image = WhitePicture();
            EXPECT_FALSE(Stamp(stamps, image, run));
            EXPECT_EQ(FirstDifference(image, WhitePicture()), "");
        }
    }
    // A pen wider than a pixel is outlined another way, and so are four polygons in a run.
    PolygonStamps stamps;
    QImage image = WhitePicture();
    const Placed middle = Placed{{small}}.At(50, 50);
    for (int time = 0; time < 3; ++time) {
        EXPECT_FALSE(stamps.Paint(image, Pen, 2, middle.polygons.data(), 1));
        const FilledQuad four[] = {small, small, small, small};
        EXPECT_FALSE(stamps.Paint(image, Pen, 1, four, 4));
    }
}

TEST(PolygonStamps, TellsRunsApartByTheirColours) {
    PolygonStamps stamps;
    const Quad corners{PixelPoint{0, 0}, PixelPoint{9, 2}, PixelPoint{8, 9}, PixelPoint{1, 7}};
    for (Colour brush : {MakeColour(200, 10, 10), MakeColour(10, 10, 200)}) {
        const Placed run = Placed{{{corners, brush}}}.At(40, 40);
        QImage image = WhitePicture();
        Stamp(stamps, image, run);
        image = WhitePicture();
        ASSERT_TRUE(Stamp(stamps, image, run));
        EXPECT_EQ(FirstDifference(image, PaintedByThePainter(run)), "");
    }
    // The pen too.
    const Placed run = Placed{{{corners, MakeColour(10, 10, 200)}}}.At(40, 40);
    QImage image = WhitePicture();
    stamps.Paint(image, MakeColour(0, 255, 0), 1, run.polygons.data(), 1);
    image = WhitePicture();
    ASSERT_TRUE(stamps.Paint(image, MakeColour(0, 255, 0), 1, run.polygons.data(), 1));
    EXPECT_EQ(image.pixel(40, 40), qRgb(0, 255, 0));
}

TEST(PolygonStamps, StaysRightAfterForgettingWhatItKept) {
    // Large distinct runs fill the kept pixels several times over; each is checked when stamped.
    PolygonStamps stamps;
    const std::size_t pixelsEach = PolygonStamps::MaxSide * PolygonStamps::MaxSide / 2;
    const int runs = static_cast<int>(3 * PolygonStamps::MaxPixelsKept / pixelsEach);
    for (int i = 0; i < runs; ++i) {
        const int w = PolygonStamps::MaxSide - i % 20, h = PolygonStamps::MaxSide - i / 20 % 30;
        const Placed run{{{{PixelPoint{0, 0}, PixelPoint{w, 0}, PixelPoint{w, h}, PixelPoint{0, h}},
                           MakeColour(i % 256, 100, 50)}}};
        const Placed placed = run.At(10, 10);
        QImage image = WhitePicture();
        Stamp(stamps, image, placed);
        image = WhitePicture();
        if (Stamp(stamps, image, placed)) {
            ASSERT_EQ(FirstDifference(image, PaintedByThePainter(placed)), "") << "run " << i;
        }
    }
}

TEST(ImageCanvas, StampedFacesLeaveACopyOfThePictureAlone) {
    ImageCanvas canvas(Width, Height);
    canvas.SetPenColour(MakeColour(210, 180, 140));
    const BoxPixels box = {PixelPoint{20, 20}, PixelPoint{20, 30}, PixelPoint{28, 34},
                           PixelPoint{28, 24}, PixelPoint{12, 24}, PixelPoint{12, 34},
                           PixelPoint{20, 38}, PixelPoint{20, 28}};
    const auto moved = [&](int dx) {
        BoxPixels p = box;
        for (PixelPoint& corner : p)
            corner.X += dx;
        return p;
    };
    PaintBoxFaces(moved(0), EveryBoxFace, canvas);
    PaintBoxFaces(moved(30), EveryBoxFace, canvas); // stamped from here on
    const QImage copy = canvas.Image();
    const QImage before = copy.copy();
    PaintBoxFaces(moved(60), EveryBoxFace, canvas);
    EXPECT_EQ(FirstDifference(copy, before), "");
    EXPECT_NE(FirstDifference(canvas.Image(), before), "");
    // The brush is left at the last face's, as painting the faces one by one leaves it.
    EXPECT_EQ(canvas.BrushColour(), MakeColour(210, 180, 140));
    EXPECT_EQ(canvas.PenColour(), MakeColour(210, 180, 140));
}

} // namespace
