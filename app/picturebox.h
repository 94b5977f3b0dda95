#pragma once

#include <QImage>
#include <QWidget>

// The picture control: shows an image at its top-left corner on the window's face colour, and
// reports double-clicks.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetImage(const QImage& image);
    const QImage& Image() const { return image; }

  signals:
    void DoubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QImage image;
};
