#pragma once

#include "render/canvas.h"

#include <QImage>

#include <memory>

class QPainter;

// The picture as pixels: a canvas over a QImage, as the window shows it, the clipboard takes it
// and a PNG file stores it. Drawing is aliased, so a polygon's edges are the same pixels every
// time, and starts with a black pen 1 pixel wide and a white solid brush on a white picture.
//
// Polygons and rectangles need no application object; TextOut needs the fonts, that is a
// QGuiApplication (or QApplication) alive while it runs, and throws std::logic_error without one.
class ImageCanvas : public StatefulCanvas {
  public:
    // A fresh white picture; throws std::invalid_argument for a size that is not positive and
    // std::bad_alloc when the pixels cannot be had.
    ImageCanvas(int width, int height);
    ~ImageCanvas() override;
    ImageCanvas(const ImageCanvas&) = delete;
    ImageCanvas& operator=(const ImageCanvas&) = delete;

    // The picture as drawn so far. Copies of it are unaffected by later drawing.
    const QImage& Image() const;

    void FillRect(int left, int top, int right, int bottom) override;
    void Polygon(const Quad& points) override;
    void TextOut(int x, int y, const std::string& text) override;

  private:
    QPainter& Painter();

    QImage image_;
    // Open while drawing; Image() closes it so a copy taken then owns finished pixels, and the
    // next drawing opens it again on a detached image.
    mutable std::unique_ptr<QPainter> painter_;
    // What the open painter holds, so a box that sets the pen to black and back costs nothing
    // when the next one sets it to black again.
    Colour appliedPen_ = 0;
    int appliedPenWidth_ = 0;
    Colour appliedBrush_ = 0;
};
