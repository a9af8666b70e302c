// The file work on three floors 470 pixels wide: putting them side by side,
// saving them as BMP and as JPG and loading them back as the File menu does,
// and laying out the printed page into a PDF file.
#include "BenchItems.h"
#include "BenchPictures.h"
#include "BenchRig.h"

#include "core/AppContext.h"
#include "fileio/LoadDrawing.h"
#include "fileio/SaveDrawing.h"
#include "floors/Floors.h"
#include "image/FloorStrips.h"
#include "image/Twips.h"
#include "printing/PageComposer.h"
#include "printing/PdfExport.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {
constexpr int Width = 470;

struct Drawing {
    ScratchProgram program;
    Algemeen state;
    FixedAnswers answers;
    Silence silence;
    AppContext context{state, answers, silence, silence};
    Floors floors{Width};

    explicit Drawing(bool asJpg)
    {
        state.ProgramFolder = program.folder();
        state.SaveAsJpg = asJpg;
        state.CanvasExtraWidth = (Width - BaseCanvasWidth) * TwipsPerPixel;
        answers.file = program.path(asJpg ? QStringLiteral("house.jpg") : QStringLiteral("house.bmp"));
        for (int k = 1; k <= 3; ++k)
            floors.floor(k).image = housePicture(k, Width, CanvasHeight);
    }

    std::array<QImage, 3> images() const
    {
        return {floors.floor(1).image, floors.floor(2).image, floors.floor(3).image};
    }

    // A measurement of work that failed would be worthless.
    void check(benchmark::State& run) const
    {
        if (!answers.lastMessage.isEmpty())
            run.SkipWithError(answers.lastMessage.toStdString().c_str());
    }
};

void compose(benchmark::State& run)
{
    const Drawing drawing(false);
    const std::array<QImage, 3> images = drawing.images();
    for (auto _ : run) {
        QImage picture = ComposeFloors(images, 3, Width);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void save(benchmark::State& run, bool asJpg)
{
    Drawing drawing(asJpg);
    SaveDrawing saving(drawing.context, drawing.floors);
    for (auto _ : run)
        saving.FileSaveJpg(3);
    drawing.check(run);
    run.counters["file_kB"] = double(QFileInfo(drawing.answers.file).size()) / 1024.0;
}

void load(benchmark::State& run, bool asJpg)
{
    Drawing drawing(asJpg);
    SaveDrawing(drawing.context, drawing.floors).FileSaveJpg(3);
    LoadDrawing loading(drawing.context, drawing.floors, [] {});
    for (auto _ : run)
        loading.FileLoad();
    drawing.check(run);
}

void printPdf(benchmark::State& run)
{
    const Drawing drawing(false);
    PageContents page;
    page.title = QStringLiteral("Woonhuis");
    page.floorCount = 3;
    page.floors = drawing.images();
    page.withDate = true;
    page.printedAt = QDateTime::currentDateTime();
    const QString target = drawing.program.path(QStringLiteral("house.pdf"));
    QString error;
    for (auto _ : run) {
        if (!writePdfPage(page, target, &error)) {
            run.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
    run.counters["file_kB"] = double(QFileInfo(target).size()) / 1024.0;
}
} // namespace

void registerFileBenchmarks()
{
    benchmark::RegisterBenchmark("Files/compose-three-floors", compose)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Files/save-three-floors-bmp", save, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Files/save-three-floors-jpg", save, true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Files/load-three-floors-bmp", load, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Files/load-three-floors-jpg", load, true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Files/printed-page-to-pdf", printPdf)->Unit(benchmark::kMillisecond);
}
