#pragma once

#include <QString>

#include <array>

class QAction;
struct ToolChoice;

// Bewerken > Object plaatsen: which raster operation every symbol placement
// and the library overview use. Exactly one of the six entries is checked.
class RasterModeMenu {
public:
    static constexpr int ModeCount = 6;

    RasterModeMenu(ToolChoice& tools, const std::array<QAction*, ModeCount>& entries);

    // The raster operation text of entry k (1..6); empty for anything else.
    static QString modeText(int k);

    // Entry k becomes the raster mode and carries the only check mark.
    void choose(int k);

private:
    ToolChoice& m_tools;
    std::array<QAction*, ModeCount> m_entries;
};
