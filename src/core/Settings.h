#pragma once

#include <QRgb>
#include <QString>
#include <QtGlobal>

// What the user sets and the program keeps from one run to the next: the
// settings file's values, read at start-up, changed by the menus and the
// configuration, written at Exit.
struct Settings {
    // First line of the settings file, carried through unchanged.
    QString reservedText = QStringLiteral("Rimbano");

    // The drawing colour of freehand, spray, fill and the border.
    int drawingRed = 0;
    int drawingGreen = 0;
    int drawingBlue = 0;

    bool saveAsJpg = true;
    bool soundOn = true;
    // Twips added to the canvas's base width of 5250 twips (350 px).
    qint32 canvasExtraWidth = 0;
    // Not in the settings file: every JPG is saved at this quality.
    quint8 jpgQuality = 100;

    QRgb drawingColour() const { return qRgb(drawingRed, drawingGreen, drawingBlue); }
};
