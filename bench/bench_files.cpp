// Saving three floors as JPG and BMP and loading them back, as the File menu does.
#include "fileio/LoadDrawing.h"
#include "fileio/SaveDrawing.h"
#include "floors/Floors.h"
#include "shell/AppContext.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
// Answers every save and open dialog with one fixed file.
class FixedPrompts : public Prompts {
public:
    QString file;
    bool askYesNo(const QString&, const QString&) override { return true; }
    void message(const QString& text) override { qFatal("unexpected message: %s", qPrintable(text)); }
    std::optional<QString> askText(const QString&, const QString&) override { return std::nullopt; }
    QString openFileName(const QString&) override { return file; }
    QString saveFileName(const QString&) override { return file; }
};

class Silence : public WavePlayer, public InfoLine {
public:
    void PlayWave(const QString&) override {}
    void ShowInfoText(const QString&) override {}
};

// Three floors with walls, rooms and coloured lines, at 470 pixels wide.
struct Drawing {
    QTemporaryDir folder;
    Algemeen state;
    FixedPrompts prompts;
    Silence silence;
    AppContext context{state, prompts, silence, silence};
    Floors floors{470};

    explicit Drawing(bool asJpg)
    {
        state.ProgramFolder = folder.path();
        state.SaveAsJpg = asJpg;
        state.CanvasExtraWidth = 1800;
        prompts.file = folder.filePath(asJpg ? QStringLiteral("house.jpg") : QStringLiteral("house.bmp"));
        for (int k = 1; k <= 3; ++k) {
            QPainter p(&floors.floor(k).image);
            p.setPen(QPen(Qt::black, 4));
            p.drawRect(20, 20, 430, 415);
            p.fillRect(40 * k, 60, 120, 90, QColor(255, 255, 170));
            p.setPen(QPen(Qt::red, 1));
            p.drawLine(30, 300, 440, 300 + 20 * k);
        }
    }
};

void saveThreeFloors(benchmark::State& run, bool asJpg)
{
    Drawing drawing(asJpg);
    SaveDrawing save(drawing.context, drawing.floors);
    for (auto _ : run)
        save.FileSaveJpg(3);
}

void loadThreeFloors(benchmark::State& run, bool asJpg)
{
    Drawing drawing(asJpg);
    SaveDrawing(drawing.context, drawing.floors).FileSaveJpg(3);
    LoadDrawing load(drawing.context, drawing.floors, [] {});
    for (auto _ : run)
        load.FileLoad();
}
} // namespace

BENCHMARK_CAPTURE(saveThreeFloors, jpg, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(saveThreeFloors, bmp, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadThreeFloors, jpg, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadThreeFloors, bmp, false)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
