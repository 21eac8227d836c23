// Playing from a MIDI keyboard, end to end: a JACK server of the test's own, the program started as a
// player starts it (its input port opens on JACK, the server being the only sequencer here), a JACK MIDI
// output of the test connected to the program's port "Piano" as a keyboard would be, and the engine's
// device captured.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <jack/jack.h>
#include <rtmidi/RtMidi.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <map>
#include <memory>
#include <set>

#include "composition_root.h"
#include "device_page.h"
#include "keyboard_view.h"
#include "main_window.h"
#include "performance_wiring.h"
#include "scripted_dialogs.h"
#include "settings_dialog.h"
#include "test_installation.h"

namespace piano::test {
namespace {

void quiet(const char *) {}

// A JACK server with a dummy backend under a name of this process, made the default for everything the
// test and the program open; stopped when the object goes.
class JackServer {
  public:
    JackServer() : name_(QStringLiteral("piano-midi-test-%1").arg(getpid())) {
        qputenv("JACK_DEFAULT_SERVER", name_.toUtf8());
        jack_set_error_function(quiet);
        jack_set_info_function(quiet);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.setStandardOutputFile(QProcess::nullDevice());
        // No real-time scheduling (a build machine may not grant it); periods of 128 frames.
        server_.start("jackd", {"-n", name_, "-r", "-d", "dummy", "-r", "48000", "-p", "128"});
    }
    ~JackServer() {
        server_.terminate();
        if (!server_.waitForFinished(5000)) server_.kill();
        server_.waitForFinished(2000);
        qunsetenv("JACK_DEFAULT_SERVER");
    }
    // True once a client can join the server.
    bool waitUntilRunning() {
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && server_.state() != QProcess::NotRunning) {
            jack_status_t status;
            if (jack_client_t *probe = jack_client_open("probe", JackNoStartServer, &status)) {
                jack_client_close(probe);
                return true;
            }
            QTest::qWait(50);
        }
        return false;
    }

  private:
    QString name_;
    QProcess server_;
};

uint32_t packed(const QString &event) {
    return event.startsWith("msg ") ? event.mid(4).toUInt(nullptr, 16) : 0;
}

class MidiKeyboardTest : public ::testing::Test {
  protected:
    JackServer jack;
    TestInstallation install;
    ScriptedDialogs dialogs;
    std::unique_ptr<CompositionRoot> composition;
    std::unique_ptr<RtMidiOut> keyboard;

    void SetUp() override {
        ASSERT_TRUE(install.isComplete()) << install.problem().toStdString();
        ASSERT_TRUE(jack.waitUntilRunning()) << "jackd did not start";
        qputenv("NOTEWIRE_MIDI_API", "jack");
        keyboard = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "Test keyboard");
    }
    // Starts the program with these settings lines.
    void startProgram(const QString &settings) {
        install.writeSettings(settings);
        dialogs.answerWhenNoneLeft = NW_IDNO;
        composition = std::make_unique<CompositionRoot>(dialogs);
        ASSERT_TRUE(composition->window().start());
        composition->window().show();
        composition->livePlaying().sendSliderValues();  // the main timer's first reading of the sliders
    }
    // The index of the program's port among the inputs the keyboard can reach, or -1.
    int pianoPort() {
        for (unsigned i = 0; i < keyboard->getPortCount(); ++i)
            if (keyboard->getPortName(i) == "Piano:Piano") return int(i);
        return -1;
    }
    void TearDown() override {
        keyboard.reset();
        composition.reset();
    }

    void send(int status, int data1, int data2) {
        const unsigned char bytes[3] = {uint8_t(status), uint8_t(data1), uint8_t(data2)};
        keyboard->sendMessage(bytes, 3);
    }
    // The note-ons the device received (pitch to velocity of the last) and the notes left sounding.
    std::map<int, int> noteOns() const {
        std::map<int, int> out;
        for (const QString &e : install.captureEvents())
            if (const uint32_t m = packed(e); (m & 0xF0) == 0x90 && (m >> 16) > 0)
                out[int(m >> 8 & 0x7F)] = int(m >> 16);
        return out;
    }
    std::set<int> sounding() const {
        std::set<int> on;
        for (const QString &e : install.captureEvents()) {
            const uint32_t m = packed(e);
            if ((m & 0xE0) != 0x80) continue;
            if ((m & 0xF0) == 0x90 && (m >> 16) > 0)
                on.insert(int(m >> 8 & 0x7F));
            else
                on.erase(int(m >> 8 & 0x7F));
        }
        return on;
    }
    template <typename Done>
    bool waitFor(Done done) {
        QDeadlineTimer deadline(10000);
        while (!done() && !deadline.hasExpired())
            QTest::qWait(10);
        return done();
    }
    bool litAt(int slot) {
        PerformanceWiring &wiring = composition->livePlaying();
        MainWindowControls &c = composition->window().controls();
        const QImage overlay = wiring.overlay().pixmap().toImage();
        const int shape = KeyShape(slot);
        const QImage lit = c.overlayImages[shape]->picture().toImage();
        const QPoint inKey(lit.width() / 2, shape == 4 ? lit.height() / 2 : lit.height() - 4);
        const int left = wiring.performance().layout.keyDrawPosition[slot - 1];
        return !overlay.isNull() && overlay.pixel(inKey + QPoint(left, 0)) == lit.pixel(inKey);
    }
};

TEST_F(MidiKeyboardTest, AChordWithTheChordEffectSoundsLightsAndEndsWithItsNoteOffs) {
    // The chord effect is chosen on the panel (effects mode, cell 4) and kept from the last run.
    startProgram("[Piano]\nButton6=4\n");
    int piano = -1;
    ASSERT_TRUE(waitFor([&] { return (piano = pianoPort()) >= 0; })) << "the program's port did not appear";
    keyboard->openPort(unsigned(piano), "keys");  // as another program or a patchbay connects to it

    // C, E and G of the second octave area: slots 13, 17 and 20. Each adds its triad.
    send(0x90, 48, 100);
    send(0x90, 52, 90);
    send(0x90, 55, 80);
    const std::set<int> chord{48, 52, 55, 59, 62};
    ASSERT_TRUE(waitFor([&] {
        std::set<int> heard;
        for (const auto &[pitch, velocity] : noteOns())
            heard.insert(pitch);
        return heard == chord;
    })) << install.captureEvents().join('\n').toStdString();
    EXPECT_EQ(noteOns()[48], 100);  // velocities as played at the default keyboard volume
    EXPECT_EQ(noteOns()[52], 90);
    for (int slot : {13, 17, 20, 24, 27})  // the played keys and the triads' added notes
        EXPECT_TRUE(litAt(slot)) << slot;

    send(0x80, 48, 0);
    send(0x90, 52, 0);
    send(0x80, 55, 64);
    ASSERT_TRUE(waitFor([&] { return sounding().empty(); }))
        << install.captureEvents().join('\n').toStdString();
    for (int slot : {13, 17, 20, 24, 27})
        EXPECT_FALSE(litAt(slot)) << slot;
}

TEST_F(MidiKeyboardTest, TheSettingsDialogConnectsOneSourceByNameOrNone) {
    keyboard->openVirtualPort("keys");  // a keyboard that waits to be connected
    startProgram("[Set]\nMidiIn=none\n");
    EXPECT_EQ(pianoPort(), -1);  // no input port while the input is off

    {
        SettingsDialog dialog(composition->window().program());
        QComboBox *list = dialog.devicePage()->midiInputList();
        const int row = list->findText("Test keyboard:keys");
        ASSERT_GE(row, 2) << "the keyboard is not listed";
        list->setCurrentIndex(row);
        dialog.okButton()->click();
    }
    send(0x90, 60, 100);
    ASSERT_TRUE(waitFor([&] { return noteOns().count(60) == 1; }))
        << install.captureEvents().join('\n').toStdString();
    send(0x80, 60, 0);
    ASSERT_TRUE(waitFor([&] { return sounding().empty(); }));

    SettingsDialog dialog(composition->window().program());
    dialog.devicePage()->midiInputList()->setCurrentIndex(1);  // 不使用
    dialog.okButton()->click();
    EXPECT_TRUE(waitFor([&] { return pianoPort() == -1; }));
    EXPECT_EQ(install.settingsText().contains("MidiIn=none"), true);
}

TEST_F(MidiKeyboardTest, AChosenKeyboardPluggedInLaterIsConnectedWhenItAppears) {
    startProgram("[Set]\nMidiIn=Test keyboard:keys\n");
    keyboard->openVirtualPort("keys");
    // The port's connection comes from the program's own thread: retry the note until it is heard.
    ASSERT_TRUE(waitFor([&] {
        if (noteOns().count(60)) return true;
        send(0x90, 60, 100);
        send(0x80, 60, 0);
        QTest::qWait(50);
        return false;
    })) << install.captureEvents().join('\n').toStdString();
    ASSERT_TRUE(waitFor([&] { return sounding().empty(); }));
}

}  // namespace
}  // namespace piano::test

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
