#include "app/background.h"

#include "canvas/imagecanvas.h"
#include "shell/resultpicture.h"

#include <QPainter>
#include <QPalette>

namespace {

// A typical load of cartons on a euro pallet, in the colour of corrugated board.
LoadRequest ShowcaseRequest() {
    LoadRequest request;
    request.BundleLength = 600;
    request.BundleWidth = 400;
    request.BundleHeight = 300;
    return request;
}

constexpr int ShowcaseSize = 170;
constexpr double Faintness = 0.35; // how much of the drawing shows through the face colour

} // namespace

QImage BackgroundPicture(QSize size) {
    QImage background(size, QImage::Format_RGB32);
    const QColor face = QPalette().color(QPalette::Window);
    background.fill(face);

    const LoadRequest request = ShowcaseRequest();
    ImageCanvas canvas(ShowcaseSize, ShowcaseSize + SceneTopBand);
    DrawResultPicture(canvas, MakeColour(205, 170, 125), PlanLoad(request), request, ShowcaseSize,
                      ShowcaseSize + SceneTopBand, {});
    QImage drawing = canvas.Image().copy(0, SceneTopBand, ShowcaseSize, ShowcaseSize);
    // White is the drawing's paper: let the face colour take its place.
    for (int y = 0; y < drawing.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(drawing.scanLine(y));
        for (int x = 0; x < drawing.width(); ++x) {
            const QRgb pixel = line[x];
            const auto blend = [&](int ink, int paper) {
                return static_cast<int>(paper + (ink - paper) * Faintness);
            };
            line[x] = pixel == qRgb(255, 255, 255)
                          ? face.rgb()
                          : qRgb(blend(qRed(pixel), face.red()), blend(qGreen(pixel), face.green()),
                                 blend(qBlue(pixel), face.blue()));
        }
    }
    QPainter painter(&background);
    painter.drawImage(size.width() - ShowcaseSize - 10, size.height() - ShowcaseSize - 4, drawing);
    return background;
}
