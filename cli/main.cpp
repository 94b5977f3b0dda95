#include "cli/report.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    // The report never opens a window; the application object only serves the fonts of the
    // picture's text block.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    std::vector<std::string> arguments;
    for (const QString& argument : QGuiApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    return RunReport(arguments, std::cout, std::cerr);
}
