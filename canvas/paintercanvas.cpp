#include "canvas/paintercanvas.h"

#include "canvas/picturefont.h"
#include "canvas/qtcolour.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>
#include <stdexcept>

namespace {

QFont PictureFont() {
    QFont font(PictureFontFamily);
    font.setPixelSize(PictureFontPixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void NeedFonts() {
    if (!QGuiApplication::instance())
        throw std::logic_error("drawing text needs a QGuiApplication");
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, const QRect& area)
    : painter_(&painter), area_(area) {}

PainterCanvas::PainterCanvas(const QRect& area) : area_(area) {}

QPainter& PainterCanvas::RawPainter() {
    return *painter_;
}

QPainter& PainterCanvas::Painter() {
    QPainter& painter = RawPainter();
    // Only the low three bytes are painted.
    const Colour pen = PenColour() & 0xFFFFFF, brush = BrushColour() & 0xFFFFFF;
    if (!applied_) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
    }
    if (!applied_ || pen != appliedPen_ || PenWidth() != appliedPenWidth_) {
        painter.setPen(PicturePen(pen, PenWidth()));
        appliedPen_ = pen;
        appliedPenWidth_ = PenWidth();
    }
    if (!applied_ || brush != appliedBrush_) {
        painter.setBrush(ToQColor(brush));
        appliedBrush_ = brush;
    }
    applied_ = true;
    return painter;
}

void PainterCanvas::FillRect(int left, int top, int right, int bottom) {
    // Only the part in the area matters, and clipping first keeps the width and height of a
    // rectangle spanning the whole integer range from overflowing.
    const int x1 = std::max(left, area_.left()), y1 = std::max(top, area_.top());
    const int x2 = std::min(right, area_.left() + area_.width());
    const int y2 = std::min(bottom, area_.top() + area_.height());
    if (x1 >= x2 || y1 >= y2)
        return;
    Painter().fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(BrushColour()));
}

void PainterCanvas::Polygon(const Quad& points) {
    QPoint corners[4];
    for (int i = 0; i < 4; ++i)
        corners[i] = QPoint(points[i].X, points[i].Y);
    Painter().drawPolygon(corners, 4);
}

void PainterCanvas::TextOut(int x, int y, const std::string& text) {
    NeedFonts();
    QPainter& painter = Painter();
    const QString line = FromUtf8(text);
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

void PainterCanvas::Line(PixelPoint from, PixelPoint to, bool dashed) {
    QPainter& painter = Painter();
    if (!dashed) {
        painter.drawLine(from.X, from.Y, to.X, to.Y);
        return;
    }
    painter.save();
    QPen pen = painter.pen();
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(from.X, from.Y, to.X, to.Y);
    painter.restore();
}

void PainterCanvas::Label(int x, int y, const std::string& text, const LabelStyle& style) {
    NeedFonts();
    QPainter& painter = Painter();
    QFont font(PictureFontFamily);
    font.setPixelSize(std::max(1, style.Height));
    const QFontMetrics metrics(font);
    const QString line = FromUtf8(text);
    const int width = metrics.horizontalAdvance(line), height = metrics.height();
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(x, y);
    if (style.Turned)
        painter.rotate(-90);
    const bool centred = style.Turned || style.Anchor == TextAnchor::Centre;
    const QRect box =
        centred ? QRect(-width / 2, -height / 2, width, height) : QRect(0, 0, width, height);
    if (style.Opaque)
        painter.fillRect(box, ToQColor(BrushColour()));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, line);
    painter.restore();
}
