#include "canvas/imagecanvas.h"
#include "canvas/svgcanvas.h"
#include "loaddraw/drawload.h"
#include "planning/rectop.h"

#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

// Draws the same load, the way the window draws it, onto any canvas.
void DrawSampleLoad(Canvas& canvas) {
    double split = 0;
    std::uint16_t layerCount = 0;
    BestTwoBlockLoad(1200, 800, 1850, 250, 150, 100, split, layerCount);
    canvas.SetPenWidth(1);
    canvas.SetPenColour(MakeColour(200, 120, 60));
    canvas.SetBrushColour(clWhite);
    SceneState scene;
    scene.PalletHeight = 150.0;
    DrawLoad(scene, canvas, 1200, 800, split, 1850, 250, 150, 100, 417, 564 - 80);
}

// An SVG viewer shows the document as the window shows the picture: the same shapes in the
// same places and colours, apart from the antialiased rim of some edges.
TEST(SvgRendering, ShowsThePictureTheWindowShows) {
    ImageCanvas pixels(417, 564);
    DrawSampleLoad(pixels);
    SvgCanvas svg(417, 564);
    DrawSampleLoad(svg);

    QSvgRenderer renderer(QByteArray::fromStdString(svg.Document()));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(417, 564));
    QImage rendered(417, 564, QImage::Format_RGB32);
    rendered.fill(Qt::black);
    QPainter painter(&rendered);
    renderer.render(&painter);
    painter.end();

    const QImage& expected = pixels.Image();
    int differing = 0;
    for (int y = 0; y < 564; ++y)
        for (int x = 0; x < 417; ++x) {
            const QRgb a = expected.pixel(x, y), b = rendered.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b)) >
                48)
                ++differing;
        }
    EXPECT_LT(differing, 417 * 564 / 12) << differing << " pixels differ";
}

} // namespace
