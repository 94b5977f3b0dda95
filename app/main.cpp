#include "app/SDIMAIN.h"
#include "app/desktop.h"
#include "app/qttranslations.h"
#include "app/startoptions.h"
#include "shell/texts.h"

#include <QApplication>
#include <QLibraryInfo>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so they work without a display.
    const std::vector<std::string> options(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (const std::optional<std::string> reply = StartOptionReply(options)) {
        std::fputs(reply->c_str(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    // The name the desktop lists the running program under; the window has its own caption.
    QApplication::setApplicationName(QString::fromUtf8(Texts::ApplicationTitle));
    const std::unique_ptr<QTranslator> qtTexts =
        LoadQtTranslations(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtTexts)
        QApplication::installTranslator(qtTexts.get());
    SystemDesktop desktop;
    TSDIAppForm form(desktop, QApplication::arguments().mid(1));
    form.show();
    return application.exec();
}
