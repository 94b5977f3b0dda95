#pragma once

#include "canvas/paintercanvas.h"
#include "canvas/polygonstamps.h"

#include <QImage>

#include <memory>

// The picture as pixels: a canvas over a QImage, as the window shows it, the clipboard takes it
// and a PNG file stores it. Starts with a black pen 1 pixel wide and a white solid brush on a
// white picture.
//
// Polygons and rectangles need no application object; text needs the fonts, that is a
// QGuiApplication (or QApplication) alive while it runs, and throws std::logic_error without one.
class ImageCanvas : public PainterCanvas {
  public:
    // A fresh white picture; throws std::invalid_argument for a size that is not positive and
    // std::bad_alloc when the pixels cannot be had.
    ImageCanvas(int width, int height);
    ~ImageCanvas() override;
    ImageCanvas(const ImageCanvas&) = delete;
    ImageCanvas& operator=(const ImageCanvas&) = delete;

    // The picture as drawn so far. Copies of it are unaffected by later drawing.
    const QImage& Image() const;

    // A box's faces from the pixels the same faces painted elsewhere in the picture, when they
    // came before: the very pixels the painter gives, at a fraction of the cost.
    void PolygonRun(const FilledQuad* polygons, int count) override;

  protected:
    QPainter& RawPainter() override;

  private:
    QImage image_;
    // Open while drawing; Image() closes it so a copy taken then owns finished pixels, and the
    // next drawing opens it again on a detached image.
    mutable std::unique_ptr<QPainter> painter_;
    PolygonStamps stamps_;
};
