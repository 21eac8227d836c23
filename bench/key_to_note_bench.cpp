// From a key press entering the application to its note-on reaching the engine's output layer: the
// application-wide key preview, the key map, the engine's keyboard sender and the output device (the
// capture sink, which writes and flushes one line per message).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "key_event.h"
#include "notewire/notewire.h"

namespace {

constexpr uint32_t kScanCodeA = 38;  // X11 key code of the A key

class KeyPreview : public QObject {
  public:
    KeyPreview(piano::Performance &p, QWindow &window) : p_(p), window_(window) {}
    bool eventFilter(QObject *watched, QEvent *event) override {
        if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched == &window_)
            return piano::HandleKeyEvent(p_, *static_cast<QKeyEvent *>(event));
        return false;
    }

  private:
    piano::Performance &p_;
    QWindow &window_;
};

void postNothing(void *, uint32_t, uint32_t, uint32_t) {}

void BM_KeyPressToNoteOn(benchmark::State &state) {
    piano::Performance p;
    p.state.installDefaultMap();
    p.engine.controlMidiDrv = ControlMidiDrv;
    p.engine.sME1 = sME1;
    p.engine.sME5 = sME5;
    static NwHost host{nullptr, postNothing, nullptr};
    p.engine.host = &host;
    if (ControlMidiDrv(MDRV_OPEN, -1, &host, "") == 0) {
        state.SkipWithError("the output device did not open");
        return;
    }
    QWindow window;
    KeyPreview preview(p, window);
    qApp->installEventFilter(&preview);

    std::vector<double> micros;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, kScanCodeA, 0, 0);
        const auto start = std::chrono::steady_clock::now();
        QCoreApplication::sendEvent(&window, &press);
        const auto end = std::chrono::steady_clock::now();
        const double us = std::chrono::duration<double, std::micro>(end - start).count();
        micros.push_back(us);
        state.SetIterationTime(us / 1e6);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, kScanCodeA, 0, 0);
        QCoreApplication::sendEvent(&window, &release);
    }
    qApp->removeEventFilter(&preview);
    ControlMidiDrv(MDRV_CLOSE_DEVICE, 0, &host, "");

    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
}
BENCHMARK(BM_KeyPressToNoteOn)->UseManualTime()->Iterations(20000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv) {
    // Every device opens as a capture sink, so the benchmark needs no sound card.
    const std::string capture = "/tmp/key_to_note_bench." + std::to_string(::getpid()) + ".capture";
    setenv("NOTEWIRE_CAPTURE", capture.c_str(), 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(capture.c_str());
    return 0;
}
