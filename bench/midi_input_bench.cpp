// From a MIDI input event to its note-on at the engine's output layer: the post to the GUI thread, the
// event loop, live playing's mapping of the note to a slot, the keyboard sender and the device.
//   BM_MidiInputToNoteOn: from the input port's callback, called on a thread of the benchmark as the
//     sequencer's thread calls it: the program's own share.
//   BM_JackKeyboardToNoteOn: from a JACK MIDI output of the benchmark, through a JACK server it starts
//     (dummy backend, 64-frame periods at 48 kHz): the same plus the server's transport, which delivers
//     a message at the start of the next period.
#include <benchmark/benchmark.h>
#include <rtmidi/RtMidi.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "engine.h"
#include "input/midi_input.h"
#include "midi_keyboard.h"
#include "performance.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kNotes = 4000;

double percentile(std::vector<double> values, int percent) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * percent / 100)];
}

// Notes the time each note-on reaches it.
class TimingDevice final : public nw::output::Device {
  public:
    explicit TimingDevice(std::vector<Clock::time_point> &arrivals) : arrivals_(arrivals) {}
    int32_t send(uint32_t packed) override {
        if ((packed & 0xF0) == 0x90 && (packed >> 16) != 0 && arrivals_.size() < kNotes)
            arrivals_.push_back(Clock::now());
        return 0;
    }
    void setVolume(uint32_t) override {}

  private:
    std::vector<Clock::time_point> &arrivals_;
};

nw::Engine *g_engine = nullptr;
int32_t send1(int32_t status, int32_t data1, int32_t data2) {
    return g_engine->send(nw::Sender::Me1, status, data1, data2);
}

// The main window's part: the engine's posts become events handled on this thread.
class Receiver : public QObject {
  public:
    static QEvent::Type messageType() {
        static const auto t = static_cast<QEvent::Type>(QEvent::registerEventType());
        return t;
    }
    struct Message : QEvent {
        explicit Message(uint32_t lparam) : QEvent(Receiver::messageType()), lparam(lparam) {}
        uint32_t lparam;
    };
    explicit Receiver(piano::Performance &p) : p_(p) {}
    void customEvent(QEvent *event) override {
        if (event->type() == messageType()) piano::HandleMidiInput(p_, static_cast<Message *>(event)->lparam);
    }

  private:
    piano::Performance &p_;
};

void post(void *receiver, uint32_t message, uint32_t, uint32_t lparam) {
    if (message == WM_MDRV_INPUT)
        QCoreApplication::postEvent(static_cast<QObject *>(receiver), new Receiver::Message(lparam));
}

// An engine with a timing device, live playing on the default key map, and the input posting to them.
struct Rig {
    std::unique_ptr<nw::EngineState> storage = std::make_unique<nw::EngineState>();
    nw::Engine engine{*storage, nw::Engine::ClockMode::Manual};
    EngineBinding binding;
    piano::Performance perf;
    Receiver receiver{perf};
    NwHost toWindow{&receiver, post, nullptr};
    nw::input::MidiInput input;

    Rig() {
        g_engine = &engine;
        NwHost quiet{};
        quiet.message_box = [](void *, const char *, const char *, uint32_t) { return int32_t(NW_IDOK); };
        engine.command(MDRV_OPEN, 0x7FFF, &quiet, "");  // no such device: nothing real opens
        perf.state.installDefaultMap();
        binding.sME1 = send1;
        perf.engine = &binding;
        perf.keyboardVelocity = 115;
    }
    nw::HostLink host() const {
        nw::HostLink link;
        link.attach(&toWindow);
        return link;
    }

    // Plays kNotes notes through `deliver` from a thread of its own, a note-on and its note-off every
    // `gap` apart, while this thread runs the event loop; the microseconds from each note-on's delivery
    // to its arrival at the device, or an empty list when some did not arrive.
    std::vector<double> play(const std::function<void(const unsigned char *)> &deliver,
                             std::chrono::microseconds gap) {
        std::vector<Clock::time_point> sent, arrived;
        sent.reserve(kNotes);
        arrived.reserve(kNotes);
        engine.attachDevice(std::make_unique<TimingDevice>(arrived));
        std::atomic<bool> done{false};
        std::thread keyboard([&] {
            for (std::size_t i = 0; i < kNotes; ++i) {
                const auto note = static_cast<unsigned char>(36 + i % 60);
                const unsigned char on[3] = {0x90, note, 100}, off[3] = {0x80, note, 0};
                sent.push_back(Clock::now());
                deliver(on);
                std::this_thread::sleep_for(gap);
                deliver(off);
                std::this_thread::sleep_for(gap);
            }
            done = true;
        });
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (done) QCoreApplication::quit();
        });
        poll.start(20);
        QCoreApplication::exec();
        keyboard.join();
        QDeadlineTimer deadline(2000);  // the last notes may still be on their way
        while (arrived.size() < sent.size() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (arrived.size() != sent.size()) return {};
        std::vector<double> micros;
        for (std::size_t i = 0; i < sent.size(); ++i)
            micros.push_back(std::chrono::duration<double, std::micro>(arrived[i] - sent[i]).count());
        return micros;
    }
};

void report(benchmark::State &state, const std::vector<double> &micros) {
    if (micros.empty()) {
        state.SkipWithError("note-ons missing at the output");
        return;
    }
    state.counters["median_us"] = percentile(micros, 50);
    state.counters["p99_us"] = percentile(micros, 99);
    state.counters["max_us"] = percentile(micros, 100);
}

void BM_MidiInputToNoteOn(benchmark::State &state) {
    Rig rig;
    rig.input.select(nw::input::Choice::None, "", rig.host());  // posts to the window; no port opened
    std::vector<double> micros;
    for (auto _ : state)
        micros = rig.play([&](const unsigned char *bytes) { rig.input.receive(bytes, 3); },
                          std::chrono::microseconds(500));
    report(state, micros);
}
BENCHMARK(BM_MidiInputToNoteOn)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_JackKeyboardToNoteOn(benchmark::State &state) {
    const QString name = QStringLiteral("piano-bench-%1").arg(getpid());
    qputenv("JACK_DEFAULT_SERVER", name.toUtf8());
    qputenv("NOTEWIRE_MIDI_API", "jack");
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.setStandardOutputFile(QProcess::nullDevice());
    server.start("jackd", {"-n", name, "-d", "dummy", "-r", "48000", "-p", "64"});
    {
        Rig rig;
        QDeadlineTimer deadline(10000);
        while (!rig.input.select(nw::input::Choice::Auto, "", rig.host()) && !deadline.hasExpired())
            QThread::msleep(100);
        RtMidiOut keyboard(RtMidi::UNIX_JACK, "Bench keyboard");
        int piano = -1;
        for (unsigned i = 0; i < keyboard.getPortCount(); ++i)
            if (keyboard.getPortName(i) == "Piano:Piano") piano = int(i);
        if (piano < 0) {
            state.SkipWithError("no JACK server, or the input port did not open");
        } else {
            keyboard.openPort(unsigned(piano), "keys");
            std::vector<double> micros;
            for (auto _ : state)
                micros = rig.play([&](const unsigned char *bytes) { keyboard.sendMessage(bytes, 3); },
                                  std::chrono::microseconds(1000));
            report(state, micros);
        }
    }
    server.terminate();
    server.waitForFinished(5000);
}
BENCHMARK(BM_JackKeyboardToNoteOn)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
