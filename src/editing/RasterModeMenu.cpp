#include "editing/RasterModeMenu.h"

#include "plan/ToolChoice.h"

#include <QAction>

RasterModeMenu::RasterModeMenu(ToolChoice& tools, const std::array<QAction*, ModeCount>& entries)
    : m_tools(tools)
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
    m_tools.rasterOpText = modeText(k);
    for (int j = 1; j <= ModeCount; ++j)
        m_entries[size_t(j - 1)]->setChecked(j == k);
}
