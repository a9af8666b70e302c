#include "editing/RasterModeMenu.h"

#include "core/Algemeen.h"

#include <QAction>

RasterModeMenu::RasterModeMenu(Algemeen& state, const std::array<QAction*, ModeCount>& entries)
    : m_state(state)
    , m_entries(entries)
{
}

QString RasterModeMenu::modeText(int k)
{
    static const char* const codes[ModeCount] = {"&H8800C6", "&HCC0020", "&HBB0226",
                                                 "&H330008", "&H660046", "&HEE0086"};
    if (k < 1 || k > ModeCount)
        return {};
    return QLatin1String(codes[k - 1]);
}

void RasterModeMenu::choose(int k)
{
    if (k < 1 || k > ModeCount)
        return;
    m_state.RasterOpText = modeText(k);
    for (int j = 1; j <= ModeCount; ++j)
        m_entries[size_t(j - 1)]->setChecked(j == k);
}
