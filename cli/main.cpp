#include "cli/report.h"
#include "shell/texts.h"

#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

// Standard error belongs to the report's own messages: Qt's notes about the desktop session it
// does not use (no runtime directory, no display) would only confuse scripts that read it.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "stowly-cli: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    // The report never opens a window; the application object only serves the fonts of the
    // picture's text block.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtQuiet);
    QGuiApplication application(argc, argv);
    std::vector<std::string> arguments;
    for (const QString& argument : QGuiApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    const int status = RunReport(arguments, std::cout, std::cerr);
    // The last buffered bytes may reach the file only now: a failure here still fails the
    // report, unless it failed already and said why.
    if (std::fclose(stdout) != 0 && status == 0) {
        std::fprintf(stderr, "stowly-cli: %s%s: %s\n", Texts::Report::CannotWrite,
                     Texts::Report::StandardOutput, std::strerror(errno));
        return 2;
    }
    return status;
}
