// From nothing to a window on the screen. In this process: the main window
// built on a fresh program folder, shown and painted once, the first time
// (nothing cached yet) and again. Under an X display (xvfb-run) also the real
// executable, from its start to the moment its first window is mapped.
#include "BenchItems.h"
#include "BenchRig.h"
#include "Summary.h"

#include "app/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
constexpr double StartupBoundMs = 200.0;

void startInProcess(benchmark::State& state)
{
    long rss = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<ScratchProgram>();
        Settings settings;
        ProgramFolders folders;
        folders.program = program->folder();
        FixedAnswers answers;
        Silence silence;
        state.ResumeTiming();

        auto window = std::make_unique<MainWindow>(settings, folders, answers, silence);
        showAndWaitForPaint(*window);

        state.PauseTiming();
        rss = residentKilobytes();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rss_with_window_kB"] = double(rss);
}

// Watches the X server for windows being mapped; the program's first map is
// the moment the user sees its first window.
class MapWatcher {
public:
    MapWatcher()
    {
        m_xev.start(QStringLiteral("xev"), {QStringLiteral("-root"), QStringLiteral("-event"), QStringLiteral("substructure")});
        m_xev.waitForStarted();
        // xev prints its own first lines once it listens.
        m_xev.waitForReadyRead(5000);
        m_xev.readAll();
    }
    ~MapWatcher()
    {
        m_xev.kill();
        m_xev.waitForFinished();
    }
    bool running() const { return m_xev.state() == QProcess::Running; }

    bool waitForMap(int timeoutMs)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMs) {
            m_seen += m_xev.readAll();
            if (m_seen.contains("MapNotify"))
                return true;
            m_xev.waitForReadyRead(int(timeoutMs - waited.elapsed()));
        }
        return false;
    }
    void forget()
    {
        m_xev.readAll();
        m_seen.clear();
    }

private:
    QProcess m_xev;
    QByteArray m_seen;
};

void startExecutable(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable(QStringLiteral("xev")).isEmpty()) {
        state.SkipWithError("needs an X display and xev: run under xvfb-run");
        return;
    }
    MapWatcher watcher;
    if (!watcher.running()) {
        state.SkipWithError("xev did not start");
        return;
    }
    long rss = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ScratchProgram program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // This process draws offscreen; the program must use the display.
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), program.path(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), program.path(QStringLiteral("config")));
        QProcess rimbano;
        rimbano.setProcessEnvironment(environment);
        rimbano.setProgram(QStringLiteral(RIMBANO_EXECUTABLE));
        rimbano.setArguments({QStringLiteral("--program-folder"), program.folder()});
        watcher.forget();
        state.ResumeTiming();

        rimbano.start();
        const bool shown = watcher.waitForMap(10000);

        state.PauseTiming();
        rss = residentKilobytes(rimbano.processId());
        rimbano.kill();
        rimbano.waitForFinished();
        if (!shown) {
            state.SkipWithError("the program showed no window within 10 s");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["rss_at_first_window_kB"] = double(rss);
}
} // namespace

void registerStartupBenchmarks()
{
    benchmark::RegisterBenchmark("Startup/main-window-first", startInProcess)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);
    compareWithBound("Startup/main-window-first", "start-up budget", StartupBoundMs);
}

void registerRepeatedStartupBenchmarks()
{
    benchmark::RegisterBenchmark("Startup/main-window-again", startInProcess)->Iterations(10)->Unit(benchmark::kMillisecond);
    // The child's own work is not this process's CPU time: wall time is the measure.
    benchmark::RegisterBenchmark("Startup/executable-first-window", startExecutable)
        ->Iterations(5)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    compareWithBound("Startup/main-window-again", "start-up budget", StartupBoundMs);
    compareWithBound("Startup/executable-first-window", "start-up budget", StartupBoundMs);
}
