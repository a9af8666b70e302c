// Writes the seed corpus of the fuzz targets: a few good files of each kind
// the program reads, files cut short, and headers that claim absurd sizes.
//   build-fuzz/make_corpus fuzz/corpus
// Files named found_* beside them are inputs the fuzzer once found trouble
// with, kept as they were so that every run tries them again.
#include "HostilePictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {
QDir corpus;

void write(const QString& target, const QString& name, const QByteArray& bytes)
{
    corpus.mkpath(target);
    QFile file(corpus.filePath(target + QLatin1Char('/') + name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

void writeAll(const QStringList& targets, const QString& name, const QByteArray& bytes)
{
    for (const QString& target : targets)
        write(target, name, bytes);
}

// Qt's encoder is trusted here: a seed it cannot write stops the run.
QByteArray encoded(const QImage& image, const char* format, int quality = -1, bool progressive = false)
{
    const QByteArray bytes = encodedPicture(image, format, quality, progressive);
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "cannot encode %s\n", format);
        std::exit(1);
    }
    return bytes;
}

QByteArray claiming(const QByteArray& jpeg, quint16 width, quint16 height)
{
    const QByteArray bytes = jpegClaiming(jpeg, width, height);
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "no frame header\n");
        std::exit(1);
    }
    return bytes;
}

// A plan-like picture: white with black walls and a coloured room.
QImage plan(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(20, 20, width - 40, height - 40);
    painter.drawLine(width / 2, 20, width / 2, height - 20);
    painter.fillRect(30, 30, width / 4, height / 4, QColor(200, 120, 40));
    return image;
}

// A black-and-white BMP at one bit per pixel: small even at a floor's size.
QByteArray bmp1Bit(const QImage& picture)
{
    const QImage mono = picture.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    const int stride = (mono.width() + 31) / 32 * 4;
    QByteArray out = bmpHeader(mono.width(), mono.height(), 1, 0, quint32(stride * mono.height()), 2);
    le32(out, 0x000000);
    le32(out, 0xffffff);
    for (int y = mono.height() - 1; y >= 0; --y)
        out.append(reinterpret_cast<const char*>(mono.constScanLine(y)), stride);
    return out;
}

// An 8-bit run-length coded BMP of white rows with a black band: a whole
// three-floor drawing in a few kilobytes.
QByteArray bmpRle8(int width, int height)
{
    QByteArray data;
    for (int y = 0; y < height; ++y) {
        const char colour = (y / 40) % 2 ? 1 : 0;
        for (int left = width; left > 0; left -= 255) {
            data.append(char(qMin(left, 255)));
            data.append(colour);
        }
        data.append('\0').append('\0'); // end of line
    }
    data.append('\0').append('\1'); // end of bitmap
    QByteArray out = bmpHeader(width, height, 8, 1, quint32(data.size()), 2);
    le32(out, 0xffffff);
    le32(out, 0x000000);
    return out + data;
}

void settingsSeeds()
{
    const QString t = QStringLiteral("settings");
    write(t, "first_run.ini", QByteArray("\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n"));
    write(t, "wide_silent_bmp.ini", QByteArray("\"Rimbano\"\r\n255,128,0\r\n#FALSE#\r\n#FALSE#\r\n1500\r\n"));
    write(t, "unix_line_ends.ini", QByteArray("\"Rimbano\"\n12,34,56\n#TRUE#\n#FALSE#\n300\n"));
    write(t, "numbers_for_switches.ini", QByteArray("\"Rimbano\"\r\n0,0,0\r\n-1\r\n0\r\n-300\r\n"));
    write(t, "blanks_and_lower_case.ini", QByteArray("  \"Rim bano\" ,\r\n 1, 2 ,3\r\n#true#\r\n#false#\r\n 1800\r\n"));
    write(t, "cut_short.ini", QByteArray("\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n"));
    write(t, "unclosed_quote.ini", QByteArray("\"Rimbano\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n"));
    write(t, "not_a_number.ini", QByteArray("\"Rimbano\"\r\n0,zero,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n"));
    write(t, "huge_numbers.ini", QByteArray("\"Rimbano\"\r\n99999999999,-2147483648,2147483647\r\n#TRUE#\r\n#TRUE#\r\n2147483647\r\n"));
    write(t, "empty.ini", {});
}

void pictureSeeds()
{
    const QStringList all{"drawing_loader", "icon_import", "icon_editor_loader"};
    const QStringList icons{"icon_import", "icon_editor_loader"};

    // Drawings as saving writes them, and near misses.
    const QByteArray oneFloor = bmp1Bit(plan(350, 455));
    write("drawing_loader", "floor_350x455.bmp", oneFloor);
    write("drawing_loader", "floors_700x455.jpg", encoded(plan(700, 455), "jpeg", 30));
    write("drawing_loader", "floors_1050x455_rle.bmp", bmpRle8(1050, 455));
    write("drawing_loader", "floor_450x455.png", encoded(plan(450, 455), "png"));
    write("drawing_loader", "wide_500x455.gif", gifClaiming(500, 455));
    write("drawing_loader", "low_350x400.bmp", bmp1Bit(plan(350, 400)));
    write("drawing_loader", "floor_cut_short.bmp", oneFloor.left(oneFloor.size() / 2));
    write("drawing_loader", "floor_progressive_350x455.jpg", encoded(plan(350, 455), "jpeg", 20, true));
    const QByteArray jpeg = encoded(plan(350, 455), "jpeg", 20);
    write("drawing_loader", "floor_cut_short.jpg", jpeg.left(jpeg.size() * 2 / 3));

    // Icons as the editor writes them (24-bit BMP), and other pictures.
    QImage icon(35, 35, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter(&icon).fillRect(5, 5, 25, 10, QColor(0, 0, 255));
    const QByteArray iconBmp = encoded(icon, "bmp");
    write("icon_import", "icon_35x35.rbn", iconBmp);
    write("icon_import", "icon_32x32.rbn", encoded(icon.copy(0, 0, 32, 32), "bmp"));
    write("icon_import", "icon_35x36.rbn", encoded(icon.copy(0, 0, 35, 36), "bmp"));
    writeAll(icons, "icon_cut_short.rbn", iconBmp.left(iconBmp.size() - 40));
    writeAll(icons, "icon_35x35.png", encoded(icon, "png"));
    writeAll(icons, "icon_35x35.jpg", encoded(icon, "jpeg", 50));
    write("icon_import", "icon_35x35.ico", encoded(icon, "ico"));
    QImage see(32, 32, QImage::Format_ARGB32);
    see.fill(Qt::transparent);
    QPainter(&see).fillRect(8, 8, 16, 16, QColor(255, 0, 0));
    write("icon_editor_loader", "icon_35x35.rbn", iconBmp);
    write("icon_editor_loader", "transparent_32x32.ico", encoded(see, "ico"));
    write("icon_editor_loader", "transparent_32x32.png", encoded(see, "png"));
    write("icon_editor_loader", "one_pixel.gif", gifClaiming(1, 1));

    // Headers that claim far more than the file holds, or nothing at all.
    writeAll(all, "bmp_claims_100000x100000.bmp", bmpClaiming(100000, 100000));
    writeAll(all, "bmp_claims_top_down_huge.bmp", bmpClaiming(100000, -100000));
    writeAll(all, "bmp_claims_zero_width.bmp", bmpHeader(0, 455, 24, 0, 0, 0));
    writeAll(all, "bmp_rle_claims_16000x16000.bmp", bmpRle8(1, 1).replace(18, 8, QByteArray("\x80\x3e\0\0\x80\x3e\0\0", 8)));
    writeAll(all, "png_claims_100000x100000.png", pngClaiming(100000, 100000));
    writeAll(all, "png_claims_16000x16000.png", pngClaiming(16000, 16000));
    writeAll(all, "png_claims_zero_height.png", pngClaiming(35, 0));
    writeAll(all, "gif_claims_65535x65535.gif", gifClaiming(65535, 65535));
    writeAll(all, "gif_claims_zero.gif", gifClaiming(0, 0));
    writeAll(all, "jpg_claims_65535x65535.jpg", claiming(encoded(icon, "jpeg", 50), 65535, 65535));
    writeAll(all, "jpg_claims_zero_width.jpg", claiming(encoded(icon, "jpeg", 50), 0, 35));
    writeAll(all, "jpg_progressive_claims_4096x4096.jpg", claiming(encoded(icon, "jpeg", 50, true), 4096, 4096));
    writeAll(all, "ico_bmp_claims_100000x100000.ico",
             icoHolding(bmpInfo(100000, 200000, 32, 0, 0) + QByteArray(64, '\0'), 0));
    writeAll(all, "ico_png_claims_100000x100000.ico", icoHolding(pngClaiming(100000, 100000), 0));
    writeAll(all, "ico_no_entries.ico", QByteArray("\0\0\1\0\0\0", 6));
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus <corpus folder>\n");
        return 2;
    }
    corpus = QDir(QString::fromLocal8Bit(argv[1]));
    settingsSeeds();
    pictureSeeds();
    return 0;
}
