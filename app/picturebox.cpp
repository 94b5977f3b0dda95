#include "app/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetImage(const QImage& newImage) {
    image = newImage;
    update();
}

void PictureBox::SetFaded(bool newFaded) {
    faded = newFaded;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!image.isNull())
        painter.drawImage(0, 0, image);
    if (faded)
        painter.fillRect(rect(), QColor(255, 255, 255, 160));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit DoubleClicked();
}
