// From a MIDI input event to its note-on at the engine's output layer: the input port's callback (called
// here on a thread of the benchmark, as the sequencer's thread calls it), the post to the GUI thread, the
// event loop, live playing's mapping of the note to a slot, the keyboard sender and the device. The
// sequencer's own transport (an ALSA or JACK period) comes on top and is not the program's.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "engine.h"
#include "input/midi_input.h"
#include "midi_keyboard.h"
#include "performance.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kNotes = 5000;

double percentile(std::vector<double> values, int percent) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * percent / 100)];
}

// Notes the time each note-on reaches it.
class TimingDevice final : public nw::output::Device {
  public:
    explicit TimingDevice(std::vector<Clock::time_point> &arrivals) : arrivals_(arrivals) {}
    int32_t send(uint32_t packed) override {
        if ((packed & 0xF0) == 0x90 && (packed >> 16) != 0 && arrivals_.size() < std::size_t(kNotes))
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
    static QEvent::Type type() {
        static const auto t = static_cast<QEvent::Type>(QEvent::registerEventType());
        return t;
    }
    struct Message : QEvent {
        explicit Message(uint32_t lparam) : QEvent(type()), lparam(lparam) {}
        uint32_t lparam;
    };
    explicit Receiver(piano::Performance &p) : p_(p) {}
    void customEvent(QEvent *event) override {
        if (event->type() == type()) piano::HandleMidiInput(p_, static_cast<Message *>(event)->lparam);
    }

  private:
    piano::Performance &p_;
};

void post(void *receiver, uint32_t message, uint32_t, uint32_t lparam) {
    if (message == WM_MDRV_INPUT)
        QCoreApplication::postEvent(static_cast<QObject *>(receiver), new Receiver::Message(lparam));
}

void BM_MidiInputToNoteOn(benchmark::State &state) {
    auto storage = std::make_unique<nw::EngineState>();
    nw::Engine engine(*storage, nw::Engine::ClockMode::Manual);
    g_engine = &engine;
    NwHost quietHost{};
    quietHost.message_box = [](void *, const char *, const char *, uint32_t) { return int32_t(NW_IDOK); };
    engine.command(MDRV_OPEN, 0x7FFF, &quietHost, "");  // no such device: nothing real opens

    piano::Performance perf;
    perf.state.installDefaultMap();
    perf.engine.sME1 = send1;
    perf.keyboardVelocity = 115;
    Receiver receiver(perf);
    nw::HostLink host;
    NwHost toWindow{&receiver, post, nullptr};
    host.attach(&toWindow);
    nw::input::MidiInput input;
    input.select(nw::input::Choice::None, "", host);  // posts to the window; no port of the machine

    std::vector<double> micros;
    for (auto _ : state) {
        std::vector<Clock::time_point> sent, arrived;
        sent.reserve(kNotes);
        arrived.reserve(kNotes);
        engine.attachDevice(std::make_unique<TimingDevice>(arrived));
        std::atomic<bool> done{false};
        // A player's pace and faster: a note-on and its note-off every millisecond.
        std::thread keyboard([&] {
            for (int i = 0; i < kNotes; ++i) {
                const unsigned char note = static_cast<unsigned char>(36 + i % 60);
                const unsigned char on[3] = {0x90, note, 100}, off[3] = {0x80, note, 0};
                sent.push_back(Clock::now());
                input.receive(on, 3);
                std::this_thread::sleep_for(std::chrono::microseconds(500));
                input.receive(off, 3);
                std::this_thread::sleep_for(std::chrono::microseconds(500));
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
        QCoreApplication::processEvents();
        if (arrived.size() != sent.size()) {
            state.SkipWithError("note-ons missing at the output");
            return;
        }
        for (std::size_t i = 0; i < sent.size(); ++i)
            micros.push_back(std::chrono::duration<double, std::micro>(arrived[i] - sent[i]).count());
    }
    input.close();
    state.counters["median_us"] = percentile(micros, 50);
    state.counters["p99_us"] = percentile(micros, 99);
    state.counters["max_us"] = percentile(micros, 100);
}
BENCHMARK(BM_MidiInputToNoteOn)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
