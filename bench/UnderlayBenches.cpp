// A paper plan read to trace over: an A3 sheet scanned at 600 dpi, 7000 ×
// 10000 pixels, as a colour JPG (as a scanner writes it, once with clean
// paper and once with the grain of real paper) and as a grainy grey PNG. Each
// file is made once, row by row, and read as the open dialog reads it. Besides
// the time, each item reports how far one read raised the resident memory of
// the process above where it stood before: the peak, not what is left after.
#include "BenchItems.h"
#include "BenchRig.h"
#include "Summary.h"

#include "app/MainWindow.h"
#include "floors/CanvasWidget.h"
#include "image/Twips.h"
#include "plan/Plan.h"
#include "underlay/UnderlayControls.h"
#include "underlay/UnderlayReader.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>
#include <malloc.h>
#include <png.h>

namespace {
constexpr int ScanWidth = 7000;
constexpr int ScanHeight = 10000;
constexpr double ReadBoundMs = 1500.0;

bool within(int value, int low, int high)
{
    return value >= low && value < high;
}

// The plan on the sheet: outer walls 2 mm thick, inner walls 1 mm, door
// swings, stair treads and dimension lines of a pen's width.
bool inked(int x, int y)
{
    const bool house = within(x, 600, 6400) && within(y, 900, 9100);
    const auto wall = [](int v, int at, int thickness) { return within(v, at, at + thickness); };
    if (house && (wall(x, 600, 48) || wall(x, 6352, 48) || wall(y, 900, 48) || wall(y, 9052, 48)))
        return true;
    if (house && (wall(x, 2600, 24) || wall(x, 4400, 24) || wall(y, 3600, 24) || wall(y, 6300, 24)))
        return true;
    if (within(x, 4800, 6000) && within(y, 7000, 9000) && y % 80 < 3)
        return true;
    if ((within(x, 600, 6400) && wall(y, 600, 3)) || (within(y, 900, 9100) && wall(x, 300, 3)))
        return true;
    for (const auto& [cx, cy] : {std::pair{2624, 3624}, std::pair{4424, 6324}}) {
        const double distance = std::hypot(x - cx, y - cy);
        if (x > cx && y > cy && std::abs(distance - 700) < 1.5)
            return true;
    }
    return false;
}

// One row of grey values; with `grain` paper and ink vary by a few levels, as on a real scan.
void scanRow(int y, bool grain, png_byte* row)
{
    quint32 noise = quint32(y) * 2654435761u;
    for (int x = 0; x < ScanWidth; ++x) {
        noise = noise * 1664525u + 1013904223u;
        const int jitter = grain ? int(noise >> 29) : 0;
        row[x] = png_byte(inked(x, y) ? 12 + 2 * jitter : 255 - jitter);
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Quality 85 with the chroma halved both ways, as scanners write. libjpeg's
// own handler ends the program on an error: without its scan a bench has
// nothing to measure.
bool writeJpeg(const QString& path, bool grain)
{
    const File file(std::fopen(QFile::encodeName(path).constData(), "wb"));
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = ScanWidth;
    info.image_height = ScanHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<png_byte> grey(ScanWidth);
    std::vector<JSAMPLE> rgb(size_t(ScanWidth) * 3);
    for (int y = 0; y < ScanHeight; ++y) {
        scanRow(y, grain, grey.data());
        for (int x = 0; x < ScanWidth; ++x)
            rgb[size_t(x) * 3] = rgb[size_t(x) * 3 + 1] = rgb[size_t(x) * 3 + 2] = grey[size_t(x)];
        JSAMPROW row = rgb.data();
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

// libpng's errors jump back here; only plain values live in this frame.
bool writePngRows(png_structp png, png_infop info, std::FILE* file, png_byte* row)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, file);
    png_set_IHDR(png, info, ScanWidth, ScanHeight, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < ScanHeight; ++y) {
        scanRow(y, true, row);
        png_write_row(png, row);
    }
    png_write_end(png, info);
    return true;
}

bool writePng(const QString& path)
{
    const File file(std::fopen(QFile::encodeName(path).constData(), "wb"));
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<png_byte> row(ScanWidth);
    const bool written = file && info && writePngRows(png, info, file.get(), row.data());
    png_destroy_write_struct(&png, &info);
    return written;
}

enum class Scan { CleanJpeg, GrainyJpeg, GreyPng };

// Each scan is made the first time an item asks for it and kept for the run.
QString scanFile(Scan scan)
{
    static const QTemporaryDir folder;
    const QString names[] = {QStringLiteral("clean.jpg"), QStringLiteral("grainy.jpg"), QStringLiteral("grey.png")};
    const QString path = folder.filePath(names[int(scan)]);
    if (QFileInfo::exists(path))
        return path;
    const bool made = scan == Scan::GreyPng ? writePng(path) : writeJpeg(path, scan == Scan::GrainyJpeg);
    return made ? path : QString();
}

long statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Sets the kernel's mark of the highest resident memory back to the present.
bool resetResidentPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

void readScan(benchmark::State& run, Scan scan)
{
    const QString path = scanFile(scan);
    if (path.isEmpty()) {
        run.SkipWithError("the scan could not be written");
        return;
    }
    QSize picture;
    for (auto _ : run) {
        const UnderlaySource source = UnderlayReader::read(path);
        if (source.picture.isNull()) {
            run.SkipWithError(source.error.toStdString().c_str());
            return;
        }
        picture = source.picture.size();
        benchmark::DoNotOptimize(source.picture.constBits());
    }
    // Once more for the memory. The heap first hands back what earlier reads
    // left with it, so the read has to take every page it uses anew.
    malloc_trim(0);
    if (!resetResidentPeak()) {
        run.SkipWithError("cannot reset the resident peak (/proc/self/clear_refs)");
        return;
    }
    const long before = statusKilobytes("VmRSS:");
    long pictureBytes = 0;
    {
        const UnderlaySource source = UnderlayReader::read(path);
        pictureBytes = long(source.picture.sizeInBytes());
    }
    run.counters["peak_rss_added_kB"] = double(statusKilobytes("VmHWM:") - before);
    run.counters["picture_kB"] = double(pictureBytes) / 1024.0;
    run.counters["picture_width"] = picture.width();
    run.counters["picture_height"] = picture.height();
    run.counters["file_kB"] = double(QFileInfo(path).size()) / 1024.0;
}
// The whole of Onderlegger > Kiezen... after the file dialog: read, fit to
// the canvas, lay out faintly and paint on the screen.
void loadToScreen(benchmark::State& run)
{
    const QString path = scanFile(Scan::GrainyJpeg);
    ShownWindow shown(470);
    for (auto _ : run) {
        if (!shown.window().underlays().choose(path)) {
            run.SkipWithError("the scan could not be read");
            return;
        }
        flushRepaints();
    }
}

// A plan under the floor with the grid over it: one move of the line's rubber
// band, and one step of the plan itself (an arrow key or a Ctrl drag).
void overPlan(benchmark::State& run, bool shiftPlan)
{
    const QString path = scanFile(Scan::CleanJpeg);
    ShownWindow shown(470);
    MainWindow& window = shown.window();
    if (!window.underlays().choose(path)) {
        run.SkipWithError("the scan could not be read");
        return;
    }
    shown.canvas(1)->setGridSpacing(10);
    shown.selectTool(2);
    CanvasWidget* canvas = shown.canvas(1);
    sendMouse(canvas, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton);
    flushRepaints();
    long i = 0;
    for (auto _ : run) {
        if (shiftPlan)
            window.underlays().moveBy(QPointF(i & 1 ? 1 : -1, 0));
        else
            sendMouse(canvas, QEvent::MouseMove, i & 1 ? QPoint(465, 450) : QPoint(430, 452), Qt::LeftButton);
        flushRepaints();
        ++i;
    }
    sendMouse(canvas, QEvent::MouseButtonRelease, QPoint(430, 452), Qt::NoButton);
    flushRepaints();
}
} // namespace

void registerUnderlayBenchmarks()
{
    const std::pair<const char*, Scan> items[] = {{"Underlay/read-7000x10000-jpg", Scan::CleanJpeg},
                                                  {"Underlay/read-7000x10000-jpg-grainy", Scan::GrainyJpeg},
                                                  {"Underlay/read-7000x10000-grey-png", Scan::GreyPng}};
    for (const auto& [name, scan] : items) {
        benchmark::RegisterBenchmark(name, readScan, scan)->Iterations(5)->Unit(benchmark::kMillisecond);
        compareWithBound(name, "underlay read budget", ReadBoundMs);
    }
    benchmark::RegisterBenchmark("Underlay/load-7000x10000-jpg-to-screen", loadToScreen)
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    compareWithBound("Underlay/load-7000x10000-jpg-to-screen", "underlay read budget", ReadBoundMs);
    benchmark::RegisterBenchmark("Mouse/line-rubber-band-over-plan-and-grid", overPlan, false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Underlay/shift-one-pixel", overPlan, true)->Unit(benchmark::kMicrosecond);
    compareWithBound("Mouse/line-rubber-band-over-plan-and-grid", "60 Hz frame", FrameMs);
    compareWithBound("Underlay/shift-one-pixel", "60 Hz frame", FrameMs);
}
