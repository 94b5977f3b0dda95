#include "canvas/imagecanvas.h"

#include "canvas/picturefont.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>
#include <new>
#include <stdexcept>

namespace {

QColor ToQColor(Colour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QFont PictureFont() {
    QFont font(PictureFontFamily);
    font.setPixelSize(PictureFontPixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

ImageCanvas::ImageCanvas(int width, int height) {
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("picture size must be positive");
    image_ = QImage(width, height, QImage::Format_RGB32);
    if (image_.isNull())
        throw std::bad_alloc();
    image_.fill(Qt::white);
}

ImageCanvas::~ImageCanvas() = default;

const QImage& ImageCanvas::Image() const {
    painter_.reset();
    return image_;
}

QPainter& ImageCanvas::Painter() {
    const bool opened = !painter_;
    if (opened) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    // Only the low three bytes are painted.
    const Colour pen = PenColour() & 0xFFFFFF, brush = BrushColour() & 0xFFFFFF;
    if (opened || pen != appliedPen_ || PenWidth() != appliedPenWidth_) {
        QPen qpen(ToQColor(pen));
        qpen.setWidth(PenWidth());
        painter_->setPen(qpen);
        appliedPen_ = pen;
        appliedPenWidth_ = PenWidth();
    }
    if (opened || brush != appliedBrush_) {
        painter_->setBrush(ToQColor(brush));
        appliedBrush_ = brush;
    }
    return *painter_;
}

void ImageCanvas::FillRect(int left, int top, int right, int bottom) {
    // Only the part on the picture matters, and clipping first keeps the width and height of a
    // rectangle spanning the whole integer range from overflowing.
    const int x1 = std::max(left, 0), y1 = std::max(top, 0);
    const int x2 = std::min(right, image_.width()), y2 = std::min(bottom, image_.height());
    if (x1 >= x2 || y1 >= y2)
        return;
    Painter().fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(BrushColour()));
}

void ImageCanvas::Polygon(const Quad& points) {
    QPoint corners[4];
    for (int i = 0; i < 4; ++i)
        corners[i] = QPoint(points[i].X, points[i].Y);
    Painter().drawPolygon(corners, 4);
}

void ImageCanvas::TextOut(int x, int y, const std::string& text) {
    if (!QGuiApplication::instance())
        throw std::logic_error("ImageCanvas::TextOut needs a QGuiApplication");
    QPainter& painter = Painter();
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFont font = PictureFont();
    const QFontMetrics metrics(font);
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(line), metrics.height()),
                     ToQColor(BrushColour()));
    // Text is black whatever the pen: the pen carries the colour of the load.
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(x, y + metrics.ascent()), line);
    painter.restore();
}
