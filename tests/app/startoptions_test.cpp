#include "app/qttranslations.h"
#include "app/startoptions.h"

#include "stowly/version.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(StartOptions, HelpAndVersionAnswerWithoutAWindow) {
    const std::optional<std::string> help = StartOptionReply({"--help"});
    ASSERT_TRUE(help);
    EXPECT_NE(help->find("Использование: stowly"), std::string::npos) << *help;
    EXPECT_NE(help->find("--version"), std::string::npos) << *help;
    EXPECT_EQ(StartOptionReply({"--version"}), "stowly " + std::string(StowlyVersion) + "\n");
    // Whatever follows the first argument does not matter.
    EXPECT_EQ(StartOptionReply({"--version", "600x400x300"}), StartOptionReply({"--version"}));
}

TEST(StartOptions, EveryOtherCommandLineIsABundleSizeForTheWindow) {
    const std::vector<std::vector<std::string>> sizes = {
        {},
        {"600x400x300"},
        {"600", "400", "300"},
        {"600", "--help"}, // a later argument is read as a size
        {"--helpful"},     // a leading non-digit text reads as 0, as the rule says
        {"-h"},
        {"--Version"},
    };
    for (const std::vector<std::string>& arguments : sizes)
        EXPECT_FALSE(StartOptionReply(arguments)) << (arguments.empty() ? "" : arguments[0]);
}

// The window's colour dialog and message boxes take Qt's texts: Russian once loaded.
TEST(QtTranslations, LoadedFromQtsDirectoryTheyTurnQtsOwnTextsRussian) {
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    std::unique_ptr<QTranslator> translator = LoadQtTranslations(directory);
    ASSERT_TRUE(translator) << "qtbase_ru.qm missing in " << directory.toStdString()
                            << " (Debian's qt6-translations-l10n)";
    ASSERT_TRUE(QCoreApplication::installTranslator(translator.get()));
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    const QString colour = QCoreApplication::translate("QColorDialog", "Select Color");
    QCoreApplication::removeTranslator(translator.get());
    EXPECT_EQ(cancel.toStdString(), "Отмена");
    EXPECT_EQ(colour.toStdString(), "Выбор цвета");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Cancel");
}

TEST(QtTranslations, WithoutTheFileNothingIsLoadedAndQtStaysEnglish) {
    QTemporaryDir empty;
    EXPECT_FALSE(LoadQtTranslations(empty.path()));
    EXPECT_FALSE(LoadQtTranslations(empty.filePath("missing")));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Cancel");
}

} // namespace
