#include "fileio/SaveDrawing.h"

#include "bmp2jpeg/Bmp2Jpeg.h"
#include "core/AppContext.h"
#include "fileio/WaitCursor.h"
#include "plan/Plan.h"
#include "image/BmpFile.h"
#include "image/FloorStrips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString TemporaryName = QStringLiteral("mydummy.bmp");

// A file marked read-only is refused rather than replaced. Only the file's
// own permission bits count: the administrator may write anything.
bool isReadOnlyFile(const QString& path)
{
    const QFileInfo info(path);
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.exists() && info.isFile() && !(info.permissions() & anyWrite);
}
} // namespace

SaveDrawing::SaveDrawing(AppContext& context, const Plan& plan)
    : m_context(context)
    , m_plan(plan)
{
}

QString SaveDrawing::failureText(const QString& path)
{
    return QStringLiteral("Fout bij het saven naar ") + QDir::toNativeSeparators(path) + QLatin1Char('!');
}

QStringList SaveDrawing::temporaryFolderFiles() const
{
    return QDir(m_context.folders.writableFolder()).entryList(QDir::Files);
}

void SaveDrawing::saveFloors(int count)
{
    if (count < 1 || count > 3)
        return;
    const bool asJpg = m_context.settings.saveAsJpg;
    const QString target = m_context.prompts.saveFileName(asJpg ? QStringLiteral("Jpg format (*.jpg)")
                                                                : QStringLiteral("Bitmap format (*.bmp)"));
    if (target.isEmpty())
        return;
    if (isReadOnlyFile(target)) {
        m_context.prompts.message(failureText(target));
        return;
    }

    Outcome outcome = Outcome::Saved;
    QString failedPath = target;
    {
        const WaitCursor wait;
        // A picture of its own: saving changes no floor and leaves Undo as it was.
        const std::array<QImage, 3> images{m_plan.floor(1).image, m_plan.floor(2).image,
                                           m_plan.floor(3).image};
        const QImage composite = composeFloors(images, count, m_plan.canvasWidth());
        if (asJpg)
            outcome = writeJpg(composite, target, &failedPath);
        else if (!writeBmp24(composite, target))
            outcome = Outcome::Failed;
    }
    if (outcome == Outcome::TemporaryMissing)
        m_context.prompts.message(QStringLiteral("Fout bij het saven naar JPG!"));
    else if (outcome == Outcome::Failed)
        m_context.prompts.message(failureText(failedPath));
}

SaveDrawing::Outcome SaveDrawing::writeJpg(const QImage& composite, const QString& target, QString* failedPath) const
{
    const QString temporary = QDir(m_context.folders.writableFolder()).filePath(TemporaryName);
    if (!writeScratchBmp24(composite, temporary)) {
        *failedPath = temporary;
        return Outcome::Failed;
    }
    // The converter is handed the file only when the folder lists it under
    // exactly the name it was written as.
    if (!temporaryFolderFiles().contains(TemporaryName, Qt::CaseSensitive))
        return Outcome::TemporaryMissing;
    const bool converted = BmpToJpeg(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData(),
                                     short(m_context.settings.jpgQuality));
    QFile::remove(temporary);
    return converted ? Outcome::Saved : Outcome::Failed;
}
