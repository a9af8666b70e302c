#pragma once

#include "plan/ToolKind.h"

#include <QString>

// What the palette shows for one tool button: the heading caption, the hint for
// the information line, and which library pictures fill the option strip
// (option i, counted from 1, shows library picture optionBase + i).
struct ToolEntry {
    ToolKind kind = ToolKind::None;
    QString caption;
    QString info;
    int optionCount = 0;
    int optionBase = 0;
};

// The palette's buttons, numbered 1..ToolCount in reading order.
constexpr int ToolCount = 20;

// The tool of button `index` (1..ToolCount); no tool for anything else.
ToolKind toolOfButton(int index);

// The entry of the button for `tool`; an empty entry for a tool without a button.
const ToolEntry& toolEntry(ToolKind tool);

// What one use of `tool` on a floor is called where Undo and Opnieuw tell
// what they did: "lijn", "deur".
QString changeName(ToolKind tool);
