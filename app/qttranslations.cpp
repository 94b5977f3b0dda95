#include "app/qttranslations.h"

std::unique_ptr<QTranslator> LoadQtTranslations(const QString& directory) {
    // Russian whatever the desktop's language: every other text of the window is Russian too.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ru"), directory))
        return nullptr;
    return translator;
}
