#include "underlay/ReducedPng.h"

#include <QFile>

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
// libpng reports an error by jumping back to the setjmp of the function that
// called it. Only readLayout and readRows call libpng in a way that can fail;
// they hold nothing that needs destroying, so the jump skips no destructor.
// Everything that does (the file, libpng's structures, the row and the
// result) is owned by readReducedPng, outside the jump.
[[noreturn]] void stopReading(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

// The user gets the program's own message; libpng's would only be noise.
void ignoreWarning(png_structp, png_const_charp) {}

// A row as it comes out of libpng after the transformations asked for:
// 8 bits a channel, grey or red-green-blue, perhaps with opacity last.
struct RowLayout {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int channels = 0;
    bool colour = false;
    bool alpha = false;
    size_t rowBytes = 0;
};

bool readLayout(png_structp png, png_infop info, RowLayout* layout)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE)
        return false;
    // Palettes become colours, grey below 8 bits becomes 8 bits, a
    // transparent colour becomes an opacity channel; 16 bits become 8.
    png_set_expand(png);
    png_set_strip_16(png);
    png_read_update_info(png, info);
    const png_byte type = png_get_color_type(png, info);
    layout->width = png_get_image_width(png, info);
    layout->height = png_get_image_height(png, info);
    layout->channels = png_get_channels(png, info);
    layout->colour = (type & PNG_COLOR_MASK_COLOR) != 0;
    layout->alpha = (type & PNG_COLOR_MASK_ALPHA) != 0;
    layout->rowBytes = png_get_rowbytes(png, info);
    return layout->rowBytes == size_t(layout->width) * size_t(layout->channels);
}

// Sums each block of source pixels, composed on white paper, and writes the
// block's average once its last row is in.
class BoxReducer {
public:
    BoxReducer(const RowLayout& layout, int factor)
        : m_layout(layout)
        , m_factor(png_uint_32(factor))
        , m_colours(layout.colour ? 3 : 1)
        , m_picture(int((layout.width + m_factor - 1) / m_factor), int((layout.height + m_factor - 1) / m_factor),
                    layout.colour ? QImage::Format_RGB32 : QImage::Format_Grayscale8)
        , m_sums(size_t(m_picture.width()) * size_t(m_colours))
    {
    }

    bool ready() const { return !m_picture.isNull(); }
    png_uint_32 rows() const { return m_layout.height; }
    QImage take() { return std::move(m_picture); }

    void addRow(const png_byte* row)
    {
        const int channels = m_layout.channels;
        quint32* sum = m_sums.data();
        for (png_uint_32 x = 0; x < m_layout.width; x += m_factor) {
            const png_uint_32 end = std::min(x + m_factor, m_layout.width);
            for (const png_byte* pixel = row + size_t(x) * channels; pixel < row + size_t(end) * channels; pixel += channels) {
                // Each channel counts 255 times over, so a half-transparent
                // pixel is mixed with white without a division per pixel.
                const quint32 opacity = m_layout.alpha ? pixel[channels - 1] : 255;
                const quint32 paper = 255 * (255 - opacity);
                for (int c = 0; c < m_colours; ++c)
                    sum[c] += pixel[c] * opacity + paper;
            }
            sum += m_colours;
        }
        ++m_sourceRow;
        if (++m_rowsInBlock == m_factor || m_sourceRow == m_layout.height)
            writeBlockRow();
    }

private:
    void writeBlockRow()
    {
        uchar* line = m_picture.scanLine(m_outputRow++);
        const quint32* sum = m_sums.data();
        for (int x = 0; x < m_picture.width(); ++x, sum += m_colours) {
            const quint32 columns = std::min(m_factor, m_layout.width - png_uint_32(x) * m_factor);
            const quint32 weight = columns * m_rowsInBlock * 255;
            const auto average = [&](int c) { return int((sum[c] + weight / 2) / weight); };
            if (m_colours == 3)
                reinterpret_cast<QRgb*>(line)[x] = qRgb(average(0), average(1), average(2));
            else
                line[x] = uchar(average(0));
        }
        std::fill(m_sums.begin(), m_sums.end(), 0);
        m_rowsInBlock = 0;
    }

    const RowLayout m_layout;
    const png_uint_32 m_factor;
    const int m_colours;
    QImage m_picture;
    std::vector<quint32> m_sums;
    png_uint_32 m_sourceRow = 0;
    png_uint_32 m_rowsInBlock = 0;
    int m_outputRow = 0;
};

bool readRows(png_structp png, png_bytep row, BoxReducer* reducer)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    for (png_uint_32 y = 0; y < reducer->rows(); ++y) {
        png_read_row(png, row, nullptr);
        reducer->addRow(row);
    }
    // A file cut off after its last row, or with a damaged end, is refused
    // like any other cut-off file.
    png_read_end(png, nullptr);
    return true;
}

class PngReadStruct {
public:
    PngReadStruct()
        : png(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, stopReading, ignoreWarning))
        , info(png ? png_create_info_struct(png) : nullptr)
    {
    }
    ~PngReadStruct() { png_destroy_read_struct(&png, &info, nullptr); }
    PngReadStruct(const PngReadStruct&) = delete;
    PngReadStruct& operator=(const PngReadStruct&) = delete;

    png_structp png;
    png_infop info;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
} // namespace

QImage readReducedPng(const QString& path, int factor)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(QFile::encodeName(path).constData(), "rb"));
    PngReadStruct read;
    if (!file || !read.info || factor < 1)
        return {};
    png_init_io(read.png, file.get());
    RowLayout layout;
    if (!readLayout(read.png, read.info, &layout))
        return {};
    std::vector<png_byte> row(layout.rowBytes);
    BoxReducer reducer(layout, factor);
    if (!reducer.ready() || !readRows(read.png, row.data(), &reducer))
        return {};
    return reducer.take();
}
