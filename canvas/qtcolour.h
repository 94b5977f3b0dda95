#pragma once

#include "render/canvas.h"

#include <QColor>
#include <QPen>

// The colours and the pen of the picture as QPainter takes them, for every surface that paints
// through one.
inline QColor ToQColor(Colour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

inline QPen PicturePen(Colour colour, int width) {
    QPen pen(ToQColor(colour));
    pen.setWidth(width);
    return pen;
}
