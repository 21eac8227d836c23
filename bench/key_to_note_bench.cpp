// From a key press entering the application to its note-on reaching the engine's output layer, through
// the real main window: the platform's key event, the application-wide key preview, the key map, the
// engine loaded from its installation directory, its keyboard sender and the output device (the capture
// sink, which writes and flushes one line per message).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <vector>

#include "composition_root.h"
#include "dialog_service.h"
#include "install_registry.h"
#include "main_window.h"
#include "performance_wiring.h"

namespace {

using Clock = std::chrono::steady_clock;

double microsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double percentile(std::vector<double> values, int percent) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * percent / 100)];
}

class SilentDialogs : public DialogService {
  public:
    int32_t messageBox(const QString &, const QString &, uint32_t) override { return NW_IDNO; }
    QStringList openFiles(const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &) override { return {}; }
    QColor pickColour(const QColor &initial) override { return initial; }
};

void BM_KeyPressToNoteOn(benchmark::State &state) {
    QTemporaryDir temp;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(temp.filePath("config")));
    const QString dir = temp.filePath("install");
    QDir().mkpath(dir);
    QFile::copy(PIANO_BENCH_SKIN, dir + "/resource.skn");
    QFile::copy(PIANO_BENCH_DEFAULTS, dir + "/BeiFen.dat");
    QFile::link(PIANO_BENCH_ENGINE, dir + "/libnotewire.so");
    InstallRegistry::writeInstallDir(dir);
    const QString capture = dir + "/capture.txt";
    qputenv("NOTEWIRE_CAPTURE", QFile::encodeName(capture));

    SilentDialogs dialogs;
    CompositionRoot root(dialogs);
    MainWindow &window = root.window();
    piano::PerformanceWiring &wiring = root.livePlaying();
    if (!window.start()) {
        state.SkipWithError("the main window did not start");
        return;
    }
    window.show();
    wiring.performance().harmonyEffect = 0;  // one note-on per press
    // The program's own share: from the key preview hook to the sender's return.
    std::vector<double> handler;
    ProgramHooks &hooks = window.program().hooks;
    hooks.keyEvent = [&handler, preview = hooks.keyEvent](QKeyEvent *event) {
        const auto start = Clock::now();
        const bool consumed = preview(event);
        if (event->type() == QEvent::KeyPress) handler.push_back(microsSince(start));
        return consumed;
    };

    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = Clock::now();
        QTest::keyPress(window.windowHandle(), Qt::Key_A);
        const double us = microsSince(start);
        micros.push_back(us);
        state.SetIterationTime(us / 1e6);
        QTest::keyRelease(window.windowHandle(), Qt::Key_A);
        // Between two presses the event loop runs, as it does between a player's keystrokes: it paints
        // the lit keys and takes the engine's notifications.
        QCoreApplication::processEvents();
    }
    window.shutdown();

    QFile log(capture);
    log.open(QIODevice::ReadOnly);
    const qsizetype noteOns = log.readAll().count(QByteArrayLiteral("249"));  // note 36 = 0x24, status 0x9n
    if (noteOns < static_cast<qsizetype>(micros.size()))
        state.SkipWithError("note-ons missing from the output");

    state.counters["median_us"] = percentile(micros, 50);
    state.counters["p99_us"] = percentile(micros, 99);
    state.counters["handler_median_us"] = percentile(handler, 50);
    state.counters["handler_p99_us"] = percentile(handler, 99);
}
BENCHMARK(BM_KeyPressToNoteOn)->UseManualTime()->Iterations(5000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
