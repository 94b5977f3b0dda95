#include "cli/report.h"

#include <QGuiApplication>

#include <cstdio>
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
    return RunReport(arguments, std::cout, std::cerr);
}
