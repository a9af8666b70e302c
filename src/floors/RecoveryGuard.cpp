#include "floors/RecoveryGuard.h"

#include "core/AppContext.h"
#include "floors/CanvasWidget.h"
#include "floors/Floors.h"
#include "floors/RecoveryWatcher.h"

RecoveryGuard::RecoveryGuard(AppContext& context, Floors& floors, std::array<CanvasWidget*, 3> canvases,
                             QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_floors(floors)
    , m_canvases(canvases)
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
            for (int f = 1; f <= 3; ++f) {
                m_floors.floor(f).setPicture((*floors)[size_t(f - 1)]);
                m_canvases[size_t(f - 1)]->update();
            }
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

void RecoveryGuard::confirmedExit()
{
    if (m_watcher)
        m_watcher->discard();
}
