#include "floors/RecoveryGuard.h"

#include "core/AppContext.h"
#include "floors/CanvasWidget.h"
#include "plan/Plan.h"
#include "plan/RecoveryWatcher.h"
#include "image/Twips.h"

#include <algorithm>

RecoveryGuard::RecoveryGuard(AppContext& context, Plan& floors, std::array<CanvasWidget*, 3> canvases,
                             std::function<void()> applyCanvasWidth, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_floors(floors)
    , m_canvases(canvases)
    , m_applyCanvasWidth(std::move(applyCanvasWidth))
{
}

RecoveryGuard::~RecoveryGuard() = default;

void RecoveryGuard::start()
{
    if (m_watcher)
        return;
    const RecoveryStore store(RecoveryStore::defaultFolder());
    if (store.exists()) {
        const bool restore = m_context.prompts.askYesNo(
            QStringLiteral(" Herstellen"),
            QStringLiteral("Rimbano is de vorige keer niet via Exit afgesloten.\r\n"
                           "Wilt u de tekening van toen terugzetten?"));
        const auto floors = restore ? store.load() : std::nullopt;
        if (floors) {
            restoreFloors(*floors);
        } else {
            if (restore)
                m_context.prompts.message(QStringLiteral("De bewaarde tekening kan niet worden gelezen."));
            store.remove();
        }
    }
    // Watching starts only now, so the old copy is never overwritten before the user chose.
    m_watcher = std::make_unique<RecoveryWatcher>(m_floors, store);
    m_watcher->onWriteFailure([this] {
        m_context.ShowInfoText(QStringLiteral(".Let op: er kan geen herstelkopie van de tekening worden bewaard."));
    });
}

void RecoveryGuard::restoreFloors(const std::array<QImage, 3>& floors)
{
    // Each picture is as wide as the canvas it was taken from. A width chosen in
    // Configuratie reaches Rimbano.ini only at Exit, so after a crash this run may
    // have started narrower: take the copy's width first, or its right side is cut.
    // The widest floor counts, should a crash have stopped the copy between floors.
    // A width no canvas can have is left alone; the canvas keeps its own.
    const int width = std::max({floors[0].width(), floors[1].width(), floors[2].width()});
    if (width >= BaseCanvasWidth && width <= MaxCanvasWidth && width != m_floors.canvasWidth()) {
        m_context.settings.canvasExtraWidth = (width - BaseCanvasWidth) * TwipsPerPixel;
        m_applyCanvasWidth();
    }
    for (int f = 1; f <= 3; ++f) {
        m_floors.floor(f).setPicture(floors[size_t(f - 1)]);
        m_canvases[size_t(f - 1)]->update();
    }
}

void RecoveryGuard::confirmedExit()
{
    if (m_watcher)
        m_watcher->discard();
}
