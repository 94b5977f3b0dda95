#include "app/SDIMAIN.h"
#include "app/desktop.h"
#include "shell/texts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The name the desktop lists the running program under; the window has its own caption.
    QApplication::setApplicationName(QString::fromUtf8(Texts::ApplicationTitle));
    SystemDesktop desktop;
    TSDIAppForm form(desktop, QApplication::arguments().mid(1));
    form.show();
    return application.exec();
}
