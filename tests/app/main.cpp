#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv) {
    // Offscreen, unless a test program names its own screen (an offscreen one described in a file).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
