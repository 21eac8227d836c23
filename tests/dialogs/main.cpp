#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char **argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every device the engine opens is a capture sink unless a test says otherwise: no sound card needed.
    QTemporaryDir captureDir;
    if (qgetenv("NOTEWIRE_CAPTURE").isEmpty())
        qputenv("NOTEWIRE_CAPTURE", captureDir.filePath("capture.txt").toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
