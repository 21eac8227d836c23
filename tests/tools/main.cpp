#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QResource>

// The tests read the libraries as the program does: registered under /skin and /default.
int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (!QResource::registerResource(SHIPPED_SKIN, "/skin") ||
        !QResource::registerResource(SHIPPED_DEFAULTS, "/default")) {
        std::fprintf(stderr, "cannot register %s or %s\n", SHIPPED_SKIN, SHIPPED_DEFAULTS);
        return 1;
    }
    return RUN_ALL_TESTS();
}
