// Cost of one main timer tick on the real window and engine, with the level meter shown and a dense
// song playing (16 channels, a chord on every channel every 20 ms), so every tick has meter work to do.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include "composition_root.h"
#include "main_timer.h"
#include "main_window.h"
#include "scripted_dialogs.h"
#include "song_list.h"
#include "test_installation.h"

namespace {

// Format 0, division 480 at 120 beats a minute: 20 ms is 19 ticks.
QByteArray denseSong(int seconds) {
    QByteArray track;
    auto delta = [&track](uint32_t v) {
        QByteArray bytes;
        bytes.prepend(char(v & 0x7F));
        while (v >>= 7)
            bytes.prepend(char((v & 0x7F) | 0x80));
        track += bytes;
    };
    for (int step = 0; step < seconds * 50; ++step) {
        for (int channel = 0; channel < 16; ++channel) {
            if (channel == 9) continue;
            delta(0);
            track += char(0x90 | channel), track += char(48 + (step + channel) % 36), track += char(100);
        }
        delta(19);
        for (int channel = 0; channel < 16; ++channel) {
            if (channel == 9) continue;
            if (channel) delta(0);
            track += char(0x80 | channel), track += char(48 + (step + channel) % 36), track += char(0);
        }
    }
    track += QByteArray::fromHex("00FF2F00");
    QByteArray file = QByteArray::fromHex("4D546864000000060000000101E0") + "MTrk";
    const uint32_t length = track.size();
    file += char(length >> 24), file += char(length >> 16), file += char(length >> 8), file += char(length);
    return file + track;
}

void BM_TimerTick(benchmark::State &state) {
    // The engine's own clock thread plays the song while the ticks are measured.
    TestInstallation install(TestInstallation::EngineClock::Real);
    if (!install.isComplete()) return state.SkipWithError("no installation");
    const QString song = install.scratchPath("dense.mid");
    QFile out(song);
    out.open(QIODevice::WriteOnly);
    out.write(denseSong(60));
    out.close();

    ScriptedDialogs dialogs;
    CompositionRoot program(dialogs);
    MainWindow &window = program.window();
    if (!window.start()) return state.SkipWithError("the window did not start");
    window.timer1().stop();
    window.show();
    Program &p = window.program();
    p.state.songPaths = {song};
    p.controls.songList->addItem("dense.mid");
    SongList::doubleClick(p, 0);

    std::vector<double> micros;
    for (auto _ : state) {
        // The messages of the last 50 ms arrive and the window repaints, as between two real ticks.
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
        while (std::chrono::steady_clock::now() < until)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(&window);
        const auto start = std::chrono::steady_clock::now();
        MainTimer::tick(p, true);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        state.SetIterationTime(micros.back() / 1e6);
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["worst_us"] = micros.back();
    state.counters["song_playing"] = p.engine.call(MDRV_GET_SONG_POS) > 0;
}
BENCHMARK(BM_TimerTick)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
