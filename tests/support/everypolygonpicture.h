#pragma once

#include "canvas/imagecanvas.h"

#include <QImage>

#include <string>

// The pixel canvas as an operation list: every polygon of every box, each sent through the
// painter. What a picture that leaves hidden faces out, or copies repeated ones, must equal.
class EveryPolygonImage : public ImageCanvas {
  public:
    using ImageCanvas::ImageCanvas;
    bool KeepsEveryPolygon() const override { return true; }
    void PolygonRun(const FilledQuad* polygons, int count) override {
        Canvas::PolygonRun(polygons, count);
    }
};

// The first pixel at which two pictures differ, or an empty string when they are the same.
inline std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
    return {};
}
