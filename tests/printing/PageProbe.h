#pragma once

#include <QDir>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

// Small readers of rendered pages shared by the printing tests.
namespace PageProbe {

inline bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The smallest rectangle holding every pixel that `match` accepts; empty if none does.
inline QRect boundingBox(const QImage& image, const std::function<bool(QRgb)>& match)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (match(line[x]))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

inline bool rasteriserInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// Every page of a PDF file rendered at `dpi` by poppler's pdftoppm.
inline QList<QImage> rasterise(const QString& pdf, int dpi)
{
    QList<QImage> pages;
    QTemporaryDir dir;
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, dir.filePath(QStringLiteral("page"))});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return pages;
    QDir folder(dir.path());
    for (const QString& name : folder.entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name))
        pages << QImage(folder.filePath(name)).convertToFormat(QImage::Format_RGB32);
    return pages;
}

} // namespace PageProbe
