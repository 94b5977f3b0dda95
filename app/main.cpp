#include "app/SDIMAIN.h"
#include "app/shell/texts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QString::fromUtf8(Texts::ApplicationTitle));
    TSDIAppForm form;
    form.show();
    return application.exec();
}
