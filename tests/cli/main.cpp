#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The report's pictures need a QGuiApplication for the fonts of the text block.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
