#pragma once

#include <QString>

// What the palette shows for one tool button: the heading caption, the hint for
// the information line, and which library pictures fill the option strip
// (option i, counted from 1, shows library picture optionBase + i).
struct ToolEntry {
    QString caption;
    QString info;
    int optionCount = 0;
    int optionBase = 0;
};

constexpr int ToolCount = 20;

// The entry of tool button `index` (1..20); an empty entry for anything else.
const ToolEntry& toolEntry(int index);
