#include "underlay/UnderlayReader.h"

#include "image/PictureChecks.h"
#include "underlay/JpegScans.h"
#include "underlay/ReducedPng.h"

#include <QFile>
#include <QImageReader>
#include <QPdfDocument>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {
using UnderlayReader::MaxPixels;

// What a header may claim before the file is refused unread: a scan of an
// A1 sheet at 600 dpi (14032 × 19866) stays well below both.
constexpr qint64 MaxClaimedSide = 40'000;
constexpr qint64 MaxClaimedPixels = 500'000'000;
// What a read may hold at once: the picture and what the decoder keeps besides.
constexpr qint64 ReadBudgetBytes = 50 * 1024 * 1024;
// A PDF page has no pixels of its own; it counts as printed at this resolution.
constexpr double PdfDotsPerInch = 300.0;

QString unreadableMessage(const QString& path)
{
    return QStringLiteral("Het bestand ") + path + QStringLiteral(" kan niet als onderlegger worden gelezen.");
}

QString tooLargeMessage(const QString& path)
{
    return QStringLiteral("Het bestand ") + path
           + QStringLiteral(" is te groot om als onderlegger te gebruiken; bewaar het als JPG of PNG.");
}

UnderlaySource refused(const QString& message, int pageCount = 1)
{
    UnderlaySource source;
    source.pageCount = pageCount;
    source.error = message;
    return source;
}

bool claimsTooMuch(double width, double height)
{
    return width > MaxClaimedSide || height > MaxClaimedSide || width * height > double(MaxClaimedPixels);
}

qint64 pixelsOf(QSize size)
{
    return qint64(size.width()) * size.height();
}

// The size of the picture kept when each block of `factor` × `factor` pixels becomes one.
QSize reducedBy(QSize size, int factor)
{
    return QSize((size.width() + factor - 1) / factor, (size.height() + factor - 1) / factor);
}

// Qt's limit on what a decoder may allocate is one setting for the whole
// program; for the length of a read it is lowered to what an underlay may
// hold, in case a decoder makes a larger picture than its header said.
class AllocationLimit {
public:
    AllocationLimit()
        : m_saved(QImageReader::allocationLimit())
    {
        constexpr int bound = 48; // megabytes: MaxPixels at four bytes and a little room
        if (m_saved == 0 || m_saved > bound)
            QImageReader::setAllocationLimit(bound);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(m_saved); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    const int m_saved;
};

// Qt's JPEG and BMP decoders make up whatever a cut-off file lacks and report
// success, and libpng sets aside what a chunk claims before reading it. The
// file's structure is walked first, through a mapping of the file: its pages
// are only lent for the walk and are gone again before the decoding starts.
template <typename Check>
bool wholeFile(const QString& path, Check complete)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    uchar* data = file.map(0, file.size());
    if (!data)
        return false;
    const bool whole = complete(QByteArray::fromRawData(reinterpret_cast<const char*>(data), file.size()));
    file.unmap(data);
    return whole;
}

// An underlay lies under the drawing as on white paper: what a picture leaves
// transparent is white, and every picture ends up grey or 32-bit RGB.
void layOnWhite(QImage& picture)
{
    if (!picture.hasAlphaChannel()) {
        if (picture.format() == QImage::Format_Grayscale16)
            picture.convertTo(QImage::Format_Grayscale8);
        else if (picture.format() != QImage::Format_Grayscale8)
            picture.convertTo(QImage::Format_RGB32);
        return;
    }
    picture.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int paper = 255 - qAlpha(line[x]);
            line[x] = qRgb(qRed(line[x]) + paper, qGreen(line[x]) + paper, qBlue(line[x]) + paper);
        }
    }
    // Every pixel is opaque now: the same bytes are a 32-bit RGB picture.
    picture.reinterpretAsFormat(QImage::Format_RGB32);
}

UnderlaySource decoded(QImageReader& reader, const QString& path, QSize sourceSize)
{
    const AllocationLimit limit;
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        return refused(unreadableMessage(path));
    layOnWhite(picture);
    UnderlaySource source;
    source.picture = std::move(picture);
    source.sourceSize = sourceSize;
    return source;
}

// A picture decoded whole, as long as whole it fits.
UnderlaySource readWhole(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isEmpty())
        return refused(unreadableMessage(path));
    if (pixelsOf(size) > MaxPixels)
        return refused(tooLargeMessage(path));
    if (qstrcmp(format, "bmp") == 0 && !wholeFile(path, bmpDataComplete))
        return refused(unreadableMessage(path));
    return decoded(reader, path, size);
}

// libjpeg scales by 1/2, 1/4 and 1/8 inside its inverse DCT, so the whole
// picture never exists in memory; Qt passes such a scale on to it when the
// size asked for is that fraction of the part of the picture asked for.
UnderlaySource readJpeg(const QString& path)
{
    QImageReader reader(path, "jpeg");
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isEmpty())
        return refused(unreadableMessage(path));
    if (claimsTooMuch(size.width(), size.height()))
        return refused(tooLargeMessage(path));
    qint64 buffered = 0;
    const auto inspect = [&buffered](const QByteArray& bytes) {
        buffered = jpegBufferedCoefficientBytes(bytes);
        return jpegDataComplete(bytes);
    };
    if (!wholeFile(path, inspect))
        return refused(unreadableMessage(path));
    // Within the claimed bounds an eighth always fits.
    int denominator = 1;
    while (pixelsOf(reducedBy(size, denominator)) > MaxPixels)
        denominator *= 2;
    // A progressive scan of 70 million pixels would need 200 MB of coefficients.
    if (buffered + pixelsOf(reducedBy(size, denominator)) * 4 > ReadBudgetBytes)
        return refused(tooLargeMessage(path));
    if (denominator > 1) {
        // Whole blocks only: the last few columns and rows of a side that is
        // no multiple of the denominator are left out. Asked for a size that
        // is not an exact fraction, Qt would decode larger and resample the
        // whole picture by a fraction of a pixel: a second picture in memory
        // and every thin line smeared.
        const QSize whole(size.width() / denominator * denominator, size.height() / denominator * denominator);
        reader.setClipRect(QRect(QPoint(0, 0), whole));
        reader.setScaledSize(QSize(whole.width() / denominator, whole.height() / denominator));
    }
    return decoded(reader, path, size);
}

// A PNG's header chunk, read before libpng or Qt is given the file.
struct PngHeader {
    qint64 width = 0;
    qint64 height = 0;
    int bitDepth = 0;
    bool interlaced = false;
};

PngHeader pngHeader(const QByteArray& head)
{
    PngHeader header;
    if (head.size() >= 29 && head.mid(12, 4) == "IHDR") {
        header.width = qFromBigEndian<quint32>(head.constData() + 16);
        header.height = qFromBigEndian<quint32>(head.constData() + 20);
        header.bitDepth = quint8(head[24]);
        header.interlaced = head[28] != 0;
    }
    return header;
}

UnderlaySource readPng(const QString& path, const QByteArray& head)
{
    const PngHeader header = pngHeader(head);
    if (header.width <= 0 || header.height <= 0)
        return refused(unreadableMessage(path));
    if (claimsTooMuch(double(header.width), double(header.height)))
        return refused(tooLargeMessage(path));
    const QSize size(int(header.width), int(header.height));
    // Qt decodes 16 bits a channel into 8 bytes a pixel; those count double.
    if (pixelsOf(size) * (header.bitDepth == 16 ? 2 : 1) <= MaxPixels) {
        if (!wholeFile(path, pngDataComplete))
            return refused(unreadableMessage(path));
        QImageReader reader(path, "png");
        reader.setAutoTransform(false);
        return decoded(reader, path, size);
    }
    if (header.interlaced)
        return refused(tooLargeMessage(path));
    int factor = 1;
    while (pixelsOf(reducedBy(size, factor)) > MaxPixels)
        ++factor;
    UnderlaySource source;
    source.picture = readReducedPng(path, factor);
    if (source.picture.isNull())
        return refused(unreadableMessage(path));
    source.sourceSize = size;
    return source;
}

UnderlaySource readPdf(const QString& path, int page)
{
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() < 1)
        return refused(unreadableMessage(path));
    const int pageCount = document.pageCount();
    if (page < 1 || page > pageCount)
        return refused(QStringLiteral("Deze PDF heeft geen pagina ") + QString::number(page) + QStringLiteral("."), pageCount);
    const QSizeF size = document.pagePointSize(page - 1) * (PdfDotsPerInch / 72.0);
    if (!(size.width() >= 1 && size.height() >= 1))
        return refused(unreadableMessage(path), pageCount);
    if (claimsTooMuch(size.width(), size.height()))
        return refused(tooLargeMessage(path), pageCount);
    const double scale = std::min(1.0, std::sqrt(double(MaxPixels) / (size.width() * size.height())));
    const QSize target(std::max(1, int(size.width() * scale)), std::max(1, int(size.height() * scale)));
    // Annotations too: a plan's remarks and markings belong on the paper.
    QPdfDocumentRenderOptions options;
    options.setRenderFlags(QPdfDocumentRenderOptions::RenderFlag::Annotations);
    QImage picture = document.render(page - 1, target, options);
    if (picture.isNull())
        return refused(unreadableMessage(path), pageCount);
    layOnWhite(picture);
    UnderlaySource source;
    source.picture = std::move(picture);
    source.sourceSize = size;
    source.pageCount = pageCount;
    return source;
}

// The decoder is chosen by how the file starts, never by its name; only
// formats a scan or a drawing program writes are given to a decoder at all.
const char* otherFormatOf(const QByteArray& head)
{
    if (head.startsWith("BM"))
        return "bmp";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return "gif";
    if (head.startsWith(QByteArrayView("II*\0", 4)) || head.startsWith(QByteArrayView("MM\0*", 4)))
        return "tiff";
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        return "webp";
    return nullptr;
}
} // namespace

QString UnderlayReader::fileFilter()
{
    return QStringLiteral("Afbeeldingen en PDF (*.jpg *.jpeg *.png *.bmp *.pdf)");
}

UnderlaySource UnderlayReader::read(const QString& path, int page)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(unreadableMessage(path));
    // A PDF may have up to a kilobyte of anything before its signature.
    const QByteArray head = file.read(1024);
    file.close();
    if (head.startsWith("\xff\xd8\xff"))
        return readJpeg(path);
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return readPng(path, head);
    if (head.contains("%PDF-"))
        return readPdf(path, page);
    if (const char* format = otherFormatOf(head))
        return readWhole(path, format);
    return refused(unreadableMessage(path));
}
