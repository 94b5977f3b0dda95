#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

// Qt's own Russian texts (the colour dialog, the buttons of message boxes, the edit menus of
// the fields) from `directory`, normally QLibraryInfo::path(QLibraryInfo::TranslationsPath).
// Nothing when the file is not there: Qt then speaks English and the program runs as before.
std::unique_ptr<QTranslator> LoadQtTranslations(const QString& directory);
