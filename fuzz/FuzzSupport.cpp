#include "FuzzSupport.h"

#include "image/PictureReader.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <memory>

namespace {
std::unique_ptr<QTemporaryDir> scratch;
} // namespace

void startQt(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps pointers to argc and argv for the application's lifetime; the
    // fuzzer's own copies live as long as the process.
    static QGuiApplication* application = new QGuiApplication(*argc, *argv);
    Q_UNUSED(application);
    // Qt warns about every broken picture, and the fuzzer makes thousands a
    // second: writing them out costs time and fills the log, and a finding
    // is reported by the sanitizers or by FUZZ_CHECK, not by Qt's messages.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // As the program sets it at start-up.
    QImageReader::setAllocationLimit(256);
    // Each input goes to disk and back: in memory when the system offers a
    // folder there, as writing and truncating a file on a disk costs more than
    // reading the picture in it.
    const QString memory = QStringLiteral("/dev/shm");
    scratch = QFileInfo(memory).isWritable() ? std::make_unique<QTemporaryDir>(memory + QStringLiteral("/rimbano-fuzz-XXXXXX"))
                                             : std::make_unique<QTemporaryDir>();
    FUZZ_CHECK(scratch->isValid());
}

QString scratchPath(const char* name)
{
    return scratch->filePath(QLatin1String(name));
}

QString writeInputFile(const QByteArray& bytes, const char* suffix)
{
    const QString path = scratch->filePath(QStringLiteral("input") + QLatin1String(suffix));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    return path;
}

void checkPictureBounds(const QImage& picture)
{
    FUZZ_CHECK(picture.format() == QImage::Format_RGB32);
    FUZZ_CHECK(picture.width() >= 1 && picture.width() <= MaxPictureSide);
    FUZZ_CHECK(picture.height() >= 1 && picture.height() <= MaxPictureSide);
    FUZZ_CHECK(qint64(picture.width()) * picture.height() <= MaxPicturePixels);
}
