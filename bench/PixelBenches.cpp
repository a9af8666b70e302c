// Work on a floor's pixels alone, without any window: the fill against the
// plainest possible pass over the same pixels and, when OpenCV is at hand,
// against its fill on the same canvases; the library overview.
#include "BenchItems.h"
#include "BenchPictures.h"
#include "Summary.h"

#include "image/FloodFill.h"
#include "image/LibraryOverview.h"
#include "image/PictureLibrary.h"
#include "image/Twips.h"

#include <benchmark/benchmark.h>

#ifdef RIMBANO_WITH_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {
constexpr int Width = 470;
const QRgb Colours[2] = {qRgb(255, 0, 0), qRgb(0, 0, 255)};

void fill(benchmark::State& state, const QImage& start)
{
    QImage image = start;
    qsizetype filled = 0;
    int i = 0;
    for (auto _ : state) {
        // Each fill repaints the whole area in the other colour.
        benchmark::DoNotOptimize(floodFill(image, QPoint(2, 2), Colours[i++ & 1], &filled));
    }
    state.counters["pixels filled"] = double(filled);
}

void fillEmpty(benchmark::State& state)
{
    fill(state, whitePicture(Width, CanvasHeight));
}

void fillMaze(benchmark::State& state)
{
    fill(state, mazePicture(Width, CanvasHeight));
}

#ifdef RIMBANO_WITH_OPENCV
// OpenCV's four-connected fill on the same pixels as three 8-bit channels, the
// layout and the exact-match fill it is fastest at.
void openCvFill(benchmark::State& state, const QImage& start)
{
    QImage pixels = start.convertToFormat(QImage::Format_RGB888);
    cv::Mat image(pixels.height(), pixels.width(), CV_8UC3, pixels.bits(), size_t(pixels.bytesPerLine()));
    const cv::Scalar colours[2] = {cv::Scalar(255, 0, 0), cv::Scalar(0, 0, 255)};
    cv::Rect changed;
    int filled = 0;
    int i = 0;
    for (auto _ : state) {
        filled = cv::floodFill(image, cv::Point(2, 2), colours[i++ & 1], &changed, cv::Scalar(), cv::Scalar(), 4);
        benchmark::DoNotOptimize(changed);
    }
    state.counters["pixels filled"] = double(filled);
}

void openCvFillEmpty(benchmark::State& state)
{
    openCvFill(state, whitePicture(Width, CanvasHeight));
}

void openCvFillMaze(benchmark::State& state)
{
    openCvFill(state, mazePicture(Width, CanvasHeight));
}
#endif

// What any fill must at least do: read every pixel, test it as the fill does
// (a border is black within two steps) and write it, in the order memory
// holds them. Written out here so the compiler can make it as fast as memory
// allows.
void plainPass(benchmark::State& state)
{
    QImage image = whitePicture(Width, CanvasHeight);
    const int width = image.width();
    const int height = image.height();
    int i = 0;
    for (auto _ : state) {
        const QRgb colour = Colours[i++ & 1];
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const QRgb p = row[x];
                const bool border = qRed(p) <= 2 && qGreen(p) <= 2 && qBlue(p) <= 2;
                row[x] = border ? p : colour;
            }
        }
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = double(Width * CanvasHeight);
}

void overviewPaint(benchmark::State& state)
{
    const PictureLibrary library;
    QImage image(Width, CanvasHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        paintLibraryOverview(image, library, RasterOp::And);
        benchmark::DoNotOptimize(image.constBits());
    }
}
} // namespace

void registerPixelBenchmarks()
{
    benchmark::RegisterBenchmark("PlainPass/470x455", plainPass)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FloodFill/empty-470x455", fillEmpty)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FloodFill/maze-470x455", fillMaze)->Unit(benchmark::kMicrosecond);
    compareWithItem("FloodFill/empty-470x455", "PlainPass/470x455");
    compareWithItem("FloodFill/maze-470x455", "PlainPass/470x455");
#ifdef RIMBANO_WITH_OPENCV
    benchmark::RegisterBenchmark("OpenCV/fill-empty-470x455", openCvFillEmpty)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("OpenCV/fill-maze-470x455", openCvFillMaze)->Unit(benchmark::kMicrosecond);
    compareWithItem("FloodFill/empty-470x455", "OpenCV/fill-empty-470x455");
    compareWithItem("FloodFill/maze-470x455", "OpenCV/fill-maze-470x455");
#endif
    benchmark::RegisterBenchmark("LibraryOverview/paint", overviewPaint)->Unit(benchmark::kMicrosecond);
}
