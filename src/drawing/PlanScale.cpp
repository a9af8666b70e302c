#include "drawing/PlanScale.h"

#include <QFile>
#include <QSaveFile>

bool PlanScale::set(int centimetresPerPixel)
{
    if (centimetresPerPixel < 0 || centimetresPerPixel > MaxCentimetresPerPixel)
        return false;
    m_centimetres = centimetresPerPixel;
    return true;
}

double PlanScale::squareMetres(qint64 pixels) const
{
    const double side = m_centimetres / 100.0;
    return double(pixels) * side * side;
}

QString PlanScale::metresText(double metres)
{
    return QString::number(metres, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" m");
}

QString PlanScale::areaText(double squareMetres)
{
    return QStringLiteral("Oppervlakte: ")
        + QString::number(squareMetres, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" m²");
}

bool PlanScale::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool ok = false;
    const int value = file.read(64).trimmed().toInt(&ok);
    return ok && set(value);
}

bool PlanScale::write(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QByteArray::number(m_centimetres) + "\r\n");
    return file.commit();
}
