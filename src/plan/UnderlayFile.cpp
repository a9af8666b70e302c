#include "plan/UnderlayFile.h"

#include "plan/Underlay.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSaveFile>

namespace {
// Short lines for three floors; anything longer is not ours.
constexpr qint64 MaxFileSize = 64 * 1024;

QByteArray number(double value)
{
    return QByteArray::number(value, 'g', 17);
}

// One floor's lines as read, without their floor line.
void readFloor(const QMap<QByteArray, QByteArray>& values, Underlay& underlay)
{
    underlay.forget();
    const QString file = QString::fromUtf8(values.value("bestand"));
    bool pageOk = false, scaleOk = false, angleOk = false, xOk = false, yOk = false, strengthOk = false;
    const int page = values.value("pagina").toInt(&pageOk);
    UnderlayPlacement placement;
    placement.scale = values.value("schaal").toDouble(&scaleOk);
    placement.angle = values.value("hoek").toDouble(&angleOk);
    placement.offset = QPointF(values.value("x").toDouble(&xOk), values.value("y").toDouble(&yOk));
    const int strength = values.value("sterkte").toInt(&strengthOk);
    if (file.isEmpty() || !pageOk || page < 1 || !scaleOk || !angleOk || !xOk || !yOk || !placement.isValid())
        return;
    underlay.file = file;
    underlay.page = page;
    underlay.placement = placement;
    // A strength out of range is not worth losing the calibration over.
    if (strengthOk)
        underlay.setStrength(strength);
}
} // namespace

QString UnderlayFile::path(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("Rimbano-onderlegger.ini"));
}

bool UnderlayFile::read(const QString& path, const Floors& floors)
{
    for (Underlay* underlay : floors)
        underlay->forget();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return false;
    int floor = 0;
    QMap<QByteArray, QByteArray> values;
    const auto finishFloor = [&] {
        if (floor >= 1 && floor <= 3)
            readFloor(values, *floors[size_t(floor - 1)]);
        values.clear();
    };
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = key == "bestand" ? line.mid(equals + 1) : line.mid(equals + 1).trimmed();
        if (key == "verdieping") {
            finishFloor();
            bool ok = false;
            floor = value.toInt(&ok);
            if (!ok)
                floor = 0;
        } else {
            values.insert(key, value);
        }
    }
    finishFloor();
    return true;
}

bool UnderlayFile::write(const QString& path, const Floors& floors)
{
    QByteArray text;
    for (int f = 1; f <= 3; ++f) {
        const Underlay& underlay = *floors[size_t(f - 1)];
        // A name with a line break in it could not be read back as one line.
        if (!underlay.isChosen() || underlay.file.contains(QLatin1Char('\n')) || underlay.file.contains(QLatin1Char('\r')))
            continue;
        const UnderlayPlacement& p = underlay.placement;
        text += "verdieping=" + QByteArray::number(f) + "\r\n";
        text += "bestand=" + underlay.file.toUtf8() + "\r\n";
        text += "pagina=" + QByteArray::number(underlay.page) + "\r\n";
        text += "schaal=" + number(p.scale) + "\r\n";
        text += "hoek=" + number(p.angle) + "\r\n";
        text += "x=" + number(p.offset.x()) + "\r\n";
        text += "y=" + number(p.offset.y()) + "\r\n";
        text += "sterkte=" + QByteArray::number(underlay.strength()) + "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return file.commit();
}
