#include "editing/IconImport.h"

#include "core/AppContext.h"
#include "core/WaitSeconds.h"
#include "editing/IconPanel.h"
#include "floors/CanvasWidget.h"
#include "plan/Plan.h"
#include "image/IconOps.h"
#include "image/PictureReader.h"

#include <QLabel>
#include <QPixmap>

namespace {
const QString PlaceHint = QStringLiteral("Klik vervolgens op het linker-icon voor plaatsing op het tekenveld.");
// A dot makes the information line show it as a warning.
const QString NoIconYet = QStringLiteral(".Eerst een icon importeren (File > Import Icons).");
} // namespace

IconImport::IconImport(AppContext& context, Plan& plan, IconPanel& panel, std::array<CanvasWidget*, 3> canvases,
                       QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_plan(plan)
    , m_panel(panel)
    , m_canvases(canvases)
{
}

void IconImport::importIcon()
{
    const QString path = m_context.prompts.openFileName(QStringLiteral("Rimbano (*.rbn)"));
    if (path.isEmpty())
        return;
    const std::optional<QImage> picture = readPicture(path);
    if (!picture)
        return;
    if (picture->size() != QSize(IconSide, IconSide)) {
        // A refused picture must not reach the icon: the shown icon stays the
        // one that turning, mirroring and placing work on.
        m_context.prompts.message(QStringLiteral("Geen geldig Rimbano icon!"));
        return;
    }
    m_plan.importedIcon = *picture;
    showIcon();
}

bool IconImport::refuseWithoutIcon()
{
    if (!m_plan.importedIcon.isNull())
        return false;
    m_context.showInfoText(NoIconYet);
    return true;
}

void IconImport::chooseIcon()
{
    if (refuseWithoutIcon())
        return;
    QLabel* image = m_panel.iconImage();
    image->setFrameStyle(QFrame::Box | QFrame::Plain);
    waitSeconds(0.2f);
    image->setFrameStyle(QFrame::NoFrame);

    m_plan.toolChoice.current = ToolKind::ImportedIcon;
    const int f = m_plan.currentFloor();
    Overlays& overlays = m_plan.floor(f).overlays;
    overlays.cursorImage = m_plan.importedIcon;
    overlays.cursorImageVisible = true;
    m_canvases[size_t(f - 1)]->update();
    m_context.showInfoText(QStringLiteral("Plaats nu het gekozen icon op het tekenveld."));
}

void IconImport::rotateImportedIcon()
{
    if (refuseWithoutIcon())
        return;
    m_context.showInfoText(PlaceHint);
    rotateIconClockwise(m_plan.importedIcon);
    showIcon();
}

void IconImport::mirrorImportedIcon()
{
    if (refuseWithoutIcon())
        return;
    m_context.showInfoText(PlaceHint);
    mirrorIcon(m_plan.importedIcon);
    showIcon();
}

void IconImport::showIcon()
{
    m_panel.iconImage()->setPixmap(QPixmap::fromImage(m_plan.importedIcon));
}
