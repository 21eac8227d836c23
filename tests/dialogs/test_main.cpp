#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every device the engine opens is a capture sink, so no test needs a sound card.
    QTemporaryDir captureDir;
    qputenv("NOTEWIRE_CAPTURE", captureDir.filePath("capture.txt").toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
