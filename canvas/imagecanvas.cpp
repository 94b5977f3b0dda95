#include "canvas/imagecanvas.h"

#include <QPainter>

#include <new>
#include <stdexcept>

namespace {

QImage WhiteImage(int width, int height) {
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("picture size must be positive");
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    image.fill(Qt::white);
    return image;
}

} // namespace

ImageCanvas::ImageCanvas(int width, int height)
    : PainterCanvas(QRect(0, 0, width, height)), image_(WhiteImage(width, height)) {}

ImageCanvas::~ImageCanvas() = default;

const QImage& ImageCanvas::Image() const {
    painter_.reset();
    return image_;
}

void ImageCanvas::PolygonRun(const FilledQuad* polygons, int count) {
    // Opening the painter gives the picture pixels of its own before they are written directly.
    const QPainter& painter = RawPainter();
    const bool plain = !painter.hasClipping() && painter.transform().isIdentity() &&
                       !painter.testRenderHint(QPainter::Antialiasing);
    if (plain && stamps_.Paint(image_, PenColour(), PenWidth(), polygons, count)) {
        SetBrushColour(polygons[count - 1].Brush);
        return;
    }
    PainterCanvas::PolygonRun(polygons, count);
}

QPainter& ImageCanvas::RawPainter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        ForgetApplied();
    }
    return *painter_;
}
