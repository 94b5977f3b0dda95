#pragma once

#include "render/canvas.h"

#include <QRect>

class QPainter;

// The drawing surface over any QPainter: an image, a PDF page, a printer or a recorded picture.
// Drawing is aliased, so a polygon's edges are the same pixels every time on a raster device and
// the same points on a vector one. Labels and TextOut need a QGuiApplication for the fonts and
// throw std::logic_error without one.
class PainterCanvas : public StatefulCanvas {
  public:
    // `area` is the part of the device the canvas may fill; rectangles are clipped to it.
    PainterCanvas(QPainter& painter, const QRect& area);

    void FillRect(int left, int top, int right, int bottom) override;
    void Polygon(const Quad& points) override;
    void TextOut(int x, int y, const std::string& text) override;
    void Line(PixelPoint from, PixelPoint to, bool dashed) override;
    void Label(int x, int y, const std::string& text, const LabelStyle& style) override;

  protected:
    // For a canvas that opens its painter only when it first draws.
    explicit PainterCanvas(const QRect& area);
    // The painter to draw with; a canvas that opens its own calls Applied() anew after opening.
    virtual QPainter& RawPainter();
    void ForgetApplied() { applied_ = false; }

  private:
    // The raw painter with this canvas's pen and brush on it.
    QPainter& Painter();

    QPainter* painter_ = nullptr;
    QRect area_;
    // What the painter holds, so a box that sets the pen to black and back costs nothing when
    // the next one sets it to black again.
    bool applied_ = false;
    Colour appliedPen_ = 0;
    int appliedPenWidth_ = 0;
    Colour appliedBrush_ = 0;
};
