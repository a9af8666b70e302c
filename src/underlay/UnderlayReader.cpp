#include "underlay/UnderlayReader.h"

#include <QImageReader>

QString UnderlayReader::fileFilter()
{
    return QStringLiteral("Afbeeldingen en PDF (*.jpg *.jpeg *.png *.bmp *.pdf)");
}

UnderlaySource UnderlayReader::read(const QString& path, int)
{
    UnderlaySource source;
    QImageReader reader(path);
    source.sourceSize = reader.size();
    source.picture = reader.read();
    if (source.picture.isNull())
        source.error = QStringLiteral("Het bestand ") + path + QStringLiteral(" kan niet als onderlegger worden gelezen.");
    return source;
}
