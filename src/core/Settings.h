#pragma once

#include "image/SettingsFile.h"

#include <QRgb>
#include <QtGlobal>

// What the user sets and the program keeps from one run to the next: the
// settings file's values, read at start-up, changed by the menus and the
// configuration, written at Exit.
struct Settings : SettingsRecord {
    // Not in the settings file: every JPG is saved at this quality.
    quint8 jpgQuality = 100;

    // The drawing colour of freehand, spray, fill and the border.
    QRgb drawingColour() const { return qRgb(red, green, blue); }
};
