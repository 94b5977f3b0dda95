// The main() of the test programs whose canvases draw text: the fonts need a QGuiApplication,
// which Qt's offscreen platform gives without a display. The runtime directory is one of the
// program's own, so a test run never touches the user's.
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir runtime;
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
