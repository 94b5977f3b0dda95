#include "app/SDIMAIN.h"

#include "app/shell/texts.h"

TSDIAppForm::TSDIAppForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(Texts::WindowCaption));
}
