#include "plan/PlanScale.h"

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
