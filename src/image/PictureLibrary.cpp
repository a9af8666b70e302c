#include "image/PictureLibrary.h"

#include <QFile>
#include <QString>

PictureLibrary::PictureLibrary()
{
    for (int i = 0; i <= LastIndex; ++i) {
        const QString name = QStringLiteral(":/library/%1.png").arg(i, 3, 10, QLatin1Char('0'));
        if (!QFile::exists(name))
            continue;
        const QImage image(name);
        if (!image.isNull())
            m_pictures[size_t(i)] = image.convertToFormat(QImage::Format_ARGB32);
    }
}

bool PictureLibrary::has(int index) const
{
    return index >= 0 && index <= LastIndex && !m_pictures[size_t(index)].isNull();
}

QImage PictureLibrary::picture(int index) const
{
    return has(index) ? m_pictures[size_t(index)] : QImage();
}
