#pragma once

#include <QString>

#include <array>

struct Algemeen;
class QAction;

// Bewerken > Object plaatsen: which raster operation every symbol placement
// and the library overview use. Exactly one of the six entries is checked.
class RasterModeMenu {
public:
    static constexpr int ModeCount = 6;

    RasterModeMenu(Algemeen& state, const std::array<QAction*, ModeCount>& entries);

    // The RasterOpText of entry k (1..6); empty for anything else.
    static QString modeText(int k);

    // Entry k becomes the raster mode and carries the only check mark.
    void choose(int k);

private:
    Algemeen& m_state;
    std::array<QAction*, ModeCount> m_entries;
};
