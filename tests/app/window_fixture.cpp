#include "window_fixture.h"

#include <QApplication>
#include <QFile>

#include "main_timer.h"

void WindowTest::SetUp() {
    ASSERT_TRUE(install.isComplete()) << install.problem().toStdString();
    installDir = install.dir();

    composition = std::make_unique<CompositionRoot>(dialogs);
    window = &composition->window();
    ASSERT_TRUE(window->start());
    // The test drives the timer by hand.
    window->timer1().stop();
}

void WindowTest::TearDown() {
    window = nullptr;
    composition.reset();
}

void WindowTest::deliverPosts() {
    QCoreApplication::sendPostedEvents(window);
}

void WindowTest::tick(bool active) {
    deliverPosts();
    MainTimer::tick(program(), active);
}

void WindowTest::advanceClock(int ms) {
    EXPECT_TRUE(install.advanceEngineClock(ms)) << "the engine's clock is not hand-driven";
}

QStringList WindowTest::captureLines() const {
    return install.captureLines();
}

std::vector<WindowTest::Sent> WindowTest::capturedMessages() const {
    std::vector<Sent> sent;
    for (const QString &line : captureLines()) {
        const QStringList parts = line.split(' ');
        if (parts.size() == 3 && parts[1] == "msg")
            sent.push_back({parts[0].toInt(), parts[2].toUInt(nullptr, 16)});
    }
    return sent;
}

QString WindowTest::writeSong(const QString &name, int notes) {
    QByteArray track;
    auto varLen = [&track](uint32_t v) {
        QByteArray bytes;
        bytes.prepend(char(v & 0x7F));
        while (v >>= 7)
            bytes.prepend(char((v & 0x7F) | 0x80));
        track += bytes;
    };
    track += QByteArray::fromHex("00FF510307A120");  // 500000 us a beat
    for (int i = 0; i < notes; ++i) {
        varLen(0);
        track += char(0x90), track += char(60 + i), track += char(100);
        varLen(480);
        track += char(0x80), track += char(60 + i), track += char(0);
    }
    track += QByteArray::fromHex("00FF2F00");
    QByteArray file = QByteArray::fromHex("4D546864000000060000000101E0");
    file += "MTrk";
    const uint32_t length = track.size();
    file += char(length >> 24), file += char(length >> 16), file += char(length >> 8), file += char(length);
    file += track;
    const QString path = install.scratchPath(name);
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(file);
    return path;
}
