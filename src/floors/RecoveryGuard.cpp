#include "floors/RecoveryGuard.h"

#include "core/AppContext.h"
#include "floors/CanvasWidget.h"
#include "plan/Plan.h"
#include "plan/RecoveryWatcher.h"
#include "image/Twips.h"

RecoveryGuard::RecoveryGuard(AppContext& context, Plan& plan, std::array<CanvasWidget*, 3> canvases,
                             std::function<void()> applyCanvasWidth, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_plan(plan)
    , m_canvases(canvases)
    , m_applyCanvasWidth(std::move(applyCanvasWidth))
{
}

RecoveryGuard::~RecoveryGuard() = default;

void RecoveryGuard::start()
{
    if (m_watcher)
        return;
    const RecoveryShelf shelf(RecoveryShelf::defaultFolder());
    // The newest copy left by a program that no longer runs is offered first;
    // "Nee" removes it and offers the next. After a restore the older ones
    // stay as they are, for a later start to offer.
    std::unique_ptr<RecoveryShelf::Claim> restored;
    std::optional<RecoveredFloors> floors;
    for (auto& orphan : shelf.claimOrphans()) {
        const bool restore = m_context.prompts.askYesNo(
            QStringLiteral(" Herstellen"),
            QStringLiteral("Rimbano is de vorige keer niet via Exit afgesloten.\r\n"
                           "Wilt u de tekening van toen terugzetten?"));
        floors = restore ? orphan->store().load() : std::nullopt;
        if (floors) {
            restored = std::move(orphan);
            break;
        }
        if (restore)
            m_context.prompts.message(QStringLiteral("De bewaarde tekening kan niet worden gelezen."));
        orphan->remove();
    }
    m_ownCopy = shelf.claimNew();
    m_watcher = std::make_unique<RecoveryWatcher>(m_plan, m_ownCopy->store());
    m_watcher->onWriteFailure([this] {
        m_context.showInfoText(QStringLiteral(".Let op: er kan geen herstelkopie van de tekening worden bewaard."));
    });
    if (floors) {
        restoreFloors(*floors);
        // The old copy goes only once this run's own copy holds the drawing.
        if (m_watcher->flush())
            restored->remove();
    }
}

void RecoveryGuard::restoreFloors(const RecoveredFloors& floors)
{
    // A width chosen in Configuratie reaches Rimbano.ini only at Exit, so after
    // a crash this run may have started at another width: the canvas takes the
    // copy's first, so what was shown is shown and what was hidden waits again.
    // A width no canvas can have is left alone; the canvas keeps its own.
    const int width = floors.shownWidth;
    if (width >= BaseCanvasWidth && width <= MaxCanvasWidth && width != m_plan.canvasWidth()) {
        m_context.settings.canvasExtraWidth = (width - BaseCanvasWidth) * TwipsPerPixel;
        m_applyCanvasWidth();
    }
    for (int f = 1; f <= 3; ++f) {
        m_plan.floor(f).setWholePicture(floors.wholePictures[size_t(f - 1)]);
        m_canvases[size_t(f - 1)]->update();
    }
}

void RecoveryGuard::confirmedExit()
{
    if (!m_watcher)
        return;
    m_watcher->stop();
    m_ownCopy->remove();
}
