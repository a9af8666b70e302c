#include "fileio/LoadDrawing.h"

#include "core/AppContext.h"
#include "fileio/WaitCursor.h"
#include "plan/Plan.h"
#include "image/FloorStrips.h"
#include "image/PictureReader.h"
#include "image/Twips.h"

#include <QDir>

#include <optional>

LoadDrawing::LoadDrawing(AppContext& context, Plan& plan, std::function<void()> floorsChanged)
    : m_context(context)
    , m_plan(plan)
    , m_floorsChanged(std::move(floorsChanged))
{
}

QString LoadDrawing::fileFilter()
{
    // The file dialog matches these without regard to case, so "PLAN.JPG" is
    // offered too. The second pattern has always lacked its dot; "*bmp" still
    // finds every bitmap.
    return QStringLiteral("Dorvelin (*.Jpg, *.Bmp) (*.jpg *bmp)");
}

QString LoadDrawing::loadedText(int floorCount)
{
    switch (floorCount) {
    case 1: return QStringLiteral("Begane grond geladen.");
    case 2: return QStringLiteral("Begane grond en 1e verdieping geladen.");
    case 3: return QStringLiteral("Begane grond, 1e en 2e verdieping geladen.");
    }
    return {};
}

QString LoadDrawing::widthMismatchText(int suggestedWidth)
{
    return QStringLiteral(".Fout bij het laden... stel de breedte van het tekenveld in op ")
           + QString::number(suggestedWidth) + QStringLiteral(" pixels, onder Extra / Configuratie...");
}

void LoadDrawing::load()
{
    const QString path = m_context.prompts.openFileName(fileFilter());
    if (path.isEmpty())
        return;
    loadFile(path);
}

void LoadDrawing::loadFile(const QString& path)
{
    std::optional<QImage> picture;
    {
        const WaitCursor wait;
        picture = readPicture(path);
    }
    if (!picture) {
        m_context.prompts.message(QStringLiteral("Fout bij het laden van ") + QDir::toNativeSeparators(path)
                                  + QLatin1Char('!'));
        return;
    }
    if (picture->height() != CanvasHeight) {
        m_context.prompts.message(QStringLiteral("Geen geldig formaat!"));
        return;
    }
    const int stripWidth = m_plan.canvasWidth();
    const int count = floorCountForWidth(picture->width(), stripWidth);
    // The width is checked before any floor is touched, so a picture that
    // does not fit costs the user nothing that was on screen.
    if (count == 0) {
        m_context.playSound(QStringLiteral("fout.wav"));
        m_context.showInfoText(widthMismatchText(suggestedCanvasWidth(picture->width())));
        return;
    }
    m_plan.history().record({1, 2, 3}, QStringLiteral("tekening laden"), [&] {
        for (int k = 1; k <= 3; ++k) {
            Floor& floor = m_plan.floor(k);
            if (k <= count)
                floor.setPicture(cutStrip(*picture, k, stripWidth));
            else
                floor.clear();
        }
    });
    m_floorsChanged();
    m_context.showInfoText(loadedText(count));
}
