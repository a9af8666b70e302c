#pragma once

#include "image/Twips.h"

#include <QString>
#include <QtGlobal>

// The values every window of the program reads and changes. One instance is
// owned by the application and handed by reference to whoever needs it.
struct Algemeen {
    // Floor shown and drawn on: 1 ground floor, 2 first floor, 3 second floor.
    quint8 CurrentFloor = 1;
    // 0 no tool, 1..20 the tool button last clicked, 30 the imported icon.
    quint8 CurrentTool = 0;

    int ColorRed = 0;
    int ColorGreen = 0;
    int ColorBlue = 0;

    qint32 EraserSize = 10;
    bool SoundOn = true;
    bool SaveAsJpg = true;
    // Twips added to the canvas's base width of 5250 twips (350 px).
    qint32 CanvasExtraWidth = 0;

    bool MagnifierOn = false;
    qint32 MagnifierZoom = 2;
    bool MagnifierCoordsOn = false;
    // 0 arrow, 2 cross over the canvas.
    quint8 PointerShape = 0;
    // Raster operation for placing pictures, kept as the hexadecimal literal text.
    QString RasterOpText = QStringLiteral("&H8800C6");
    quint8 JpgQuality = 100;

    // Tool palette.
    qint16 OptionCount = 0;
    qint32 OptionBase = 0;
    quint8 ChosenOption = 0;
    quint8 ArrowStyle = 1;
    qint16 MagnifierShift = 0;

    // Pointer engine.
    float StartX = 0;
    float StartY = 0;
    float LastX = 0;
    qint32 LastY = 0;

    // Size in twips of the picture last read from a file, and its path.
    qint32 PictureWidth = 0;
    qint32 PictureHeight = 0;
    QString OpenFileName;

    // First line of the settings file, carried through unchanged.
    QString ReservedText = QStringLiteral("Rimbano");

    // Folder that holds the settings file, help.txt, sounds/ and examples/.
    QString ProgramFolder;
    // Where the settings file and the temporary JPG file are written: the
    // program folder, unless it cannot be written (an installed program).
    QString WritableFolder;

    QString writableFolder() const { return WritableFolder.isEmpty() ? ProgramFolder : WritableFolder; }

    int canvasWidth() const { return canvasWidthFor(CanvasExtraWidth); }
};
