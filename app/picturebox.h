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
    // A faded picture belongs to inputs changed since: it is shown washed out, and the image
    // itself (the one copied) stays as drawn.
    void SetFaded(bool faded);
    bool Faded() const { return faded; }

  signals:
    void DoubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QImage image;
    bool faded = false;
};
