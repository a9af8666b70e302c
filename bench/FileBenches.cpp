// The file work on three floors 470 pixels wide: putting them side by side,
// saving them as BMP and as JPG and loading them back as the File menu does,
// and laying out the printed page into a PDF file. The JPG save is set beside
// libjpeg-turbo's own cjpeg command on the same pixels, when it is installed.
#include "BenchItems.h"
#include "BenchPictures.h"
#include "BenchRig.h"
#include "Summary.h"

#include "core/AppContext.h"
#include "fileio/LoadDrawing.h"
#include "fileio/SaveDrawing.h"
#include "plan/Plan.h"
#include "image/BmpFile.h"
#include "image/FloorStrips.h"
#include "image/Twips.h"
#include "printing/PageComposer.h"
#include "printing/PdfExport.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <benchmark/benchmark.h>

namespace {
constexpr int Width = 470;

struct Drawing {
    ScratchProgram program;
    Settings settings;
    ProgramFolders folders;
    FixedAnswers answers;
    Silence silence;
    AppContext context{settings, folders, answers, silence, silence};
    Plan plan{Width};

    explicit Drawing(bool asJpg)
    {
        folders.program = program.folder();
        settings.saveAsJpg = asJpg;
        settings.canvasExtraWidth = (Width - BaseCanvasWidth) * TwipsPerPixel;
        answers.file = program.path(asJpg ? QStringLiteral("house.jpg") : QStringLiteral("house.bmp"));
        for (int k = 1; k <= 3; ++k)
            plan.floor(k).image = housePicture(k, Width, CanvasHeight);
    }

    std::array<QImage, 3> images() const
    {
        return {plan.floor(1).image, plan.floor(2).image, plan.floor(3).image};
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
        QImage picture = composeFloors(images, 3, Width);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void save(benchmark::State& run, bool asJpg)
{
    Drawing drawing(asJpg);
    SaveDrawing saving(drawing.context, drawing.plan);
    for (auto _ : run)
        saving.saveFloors(3);
    drawing.check(run);
    run.counters["file_kB"] = double(QFileInfo(drawing.answers.file).size()) / 1024.0;
}

// The whole cjpeg process, from start to exit, on the composite as a BMP file,
// at the quality and full colour resolution our save uses.
void cjpeg(benchmark::State& run, const QString& command)
{
    const Drawing drawing(false);
    const QString bmp = drawing.program.path(QStringLiteral("house.bmp"));
    const QString jpg = drawing.program.path(QStringLiteral("cjpeg.jpg"));
    if (!writeBmp24(composeFloors(drawing.images(), 3, Width), bmp)) {
        run.SkipWithError("no BMP for cjpeg");
        return;
    }
    const QByteArray program = QFile::encodeName(command);
    const QByteArray input = QFile::encodeName(bmp);
    const QByteArray output = QFile::encodeName(jpg);
    char quality[] = "-quality", hundred[] = "100", sample[] = "-sample", full[] = "1x1", outfile[] = "-outfile";
    char* arguments[] = {const_cast<char*>(program.constData()), quality, hundred, sample, full, outfile,
                         const_cast<char*>(output.constData()), const_cast<char*>(input.constData()), nullptr};
    double childCpuMs = 0;
    for (auto _ : run) {
        pid_t child = 0;
        int status = 0;
        rusage usage{};
        if (posix_spawn(&child, arguments[0], nullptr, nullptr, arguments, environ) != 0
            || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            run.SkipWithError("cjpeg failed");
            return;
        }
        childCpuMs += (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                      + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    run.counters[ChildCpuCounter] = childCpuMs / double(run.iterations());
    run.counters["file_kB"] = double(QFileInfo(jpg).size()) / 1024.0;
}

void load(benchmark::State& run, bool asJpg)
{
    Drawing drawing(asJpg);
    SaveDrawing(drawing.context, drawing.plan).saveFloors(3);
    LoadDrawing loading(drawing.context, drawing.plan, [] {});
    for (auto _ : run)
        loading.load();
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
    const QString command = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));
    if (!command.isEmpty()) {
        benchmark::RegisterBenchmark("Files/cjpeg-three-floors", cjpeg, command)->Unit(benchmark::kMillisecond);
        compareWithItem("Files/save-three-floors-jpg", "Files/cjpeg-three-floors");
    }
    benchmark::RegisterBenchmark("Files/load-three-floors-bmp", load, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Files/load-three-floors-jpg", load, true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Files/printed-page-to-pdf", printPdf)->Unit(benchmark::kMillisecond);
}
