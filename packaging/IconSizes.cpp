// Writes the program's icon at the hicolor theme's sizes from the 64 x 64
// picture, as FOLDER/NxN/apps/rimbano.png:
//   icon-sizes PICTURE FOLDER SIZE...
// Sizes that are whole multiples of the picture's repeat its pixels, so the
// pixel drawing stays sharp; smaller ones are reduced smoothly.
#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon-sizes PICTURE FOLDER SIZE...\n");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull() || picture.width() != picture.height()) {
        std::fprintf(stderr, "icon-sizes: %s is not a square picture\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "icon-sizes: %s is not a size\n", argv[i]);
            return 2;
        }
        const bool repeated = size % picture.width() == 0;
        const QImage icon = picture.scaled(size, size, Qt::IgnoreAspectRatio,
                                           repeated ? Qt::FastTransformation : Qt::SmoothTransformation);
        const QString folder = QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("%1x%1/apps").arg(size));
        if (!QDir().mkpath(folder) || !icon.save(QDir(folder).filePath(QStringLiteral("rimbano.png")), "PNG")) {
            std::fprintf(stderr, "icon-sizes: cannot write the %d px icon in %s\n", size, qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
