// Kitchen units seen from above: each stands in a 60 cm counter run against
// a wall at the top. What a plan can show from above is drawn (the sink's
// bowl, the rings of a hob, the drum of a washing machine); closed boxes
// carry the short names Dutch plans write on them (KK fridge, VW dishwasher,
// OV oven, MW microwave). Things hanging above eye level are dashed.

#include "Art.h"
#include "PixelFont.h"
#include "Raster.h"

namespace art {

namespace {

// One counter unit: its outline and the front edge of the worktop.
QImage unit()
{
    QImage image = blank(SymbolSize, SymbolSize);
    box(image, 1, 1, 30, 28);
    return image;
}

QImage labelled(const QString& name)
{
    QImage image = unit();
    const int width = textWidth(name);
    drawText(image, 16 - (width + 1) / 2, 12, name, Ink);
    return image;
}

QImage sink()
{
    QImage image = unit();
    roundBox(image, 3, 4, 15, 25, 3);          // bowl
    circle(image, 9, 18, 1);
    fillBox(image, 8, 2, 10, 3);               // tap
    for (int y = 6; y <= 24; y += 3)           // draining board grooves
        hline(image, 19, 27, y);
    return image;
}

QImage hob()
{
    QImage image = unit();
    circle(image, 9, 9, 5);
    circle(image, 22, 9, 4);
    circle(image, 9, 21, 4);
    circle(image, 22, 21, 5);
    circle(image, 9, 9, 2);
    circle(image, 22, 21, 2);
    return image;
}

QImage washingMachine()
{
    QImage image = unit();
    circle(image, 15, 15, 10);
    circle(image, 15, 15, 7);
    hline(image, 3, 8, 3);                     // the powder drawer
    return image;
}

// The corner of an L-shaped worktop along two walls, the runs meeting in a
// mitre, open towards the units that continue it.
QImage counterCorner()
{
    QImage image = blank(SymbolSize, SymbolSize);
    hline(image, 1, 31, 1);
    vline(image, 1, 1, 31);
    hline(image, 20, 31, 20);
    vline(image, 20, 20, 31);
    line(image, 1, 1, 20, 20);
    return image;
}

QImage extractorHood()
{
    QImage image = blank(SymbolSize, SymbolSize);
    dashedLine(image, 2, 1, 29, 1, 3, 2);
    dashedLine(image, 29, 1, 29, 24, 3, 2);
    dashedLine(image, 29, 24, 2, 24, 3, 2);
    dashedLine(image, 2, 24, 2, 1, 3, 2);
    dashedLine(image, 2, 1, 29, 24, 3, 2);
    dashedLine(image, 29, 1, 2, 24, 3, 2);
    return image;
}

} // namespace

void drawKitchen(Library& library)
{
    library[25] = sink();
    library[26] = hob();
    library[27] = labelled(QStringLiteral("OV"));
    library[28] = labelled(QStringLiteral("KK"));
    library[29] = labelled(QStringLiteral("VW"));
    library[30] = washingMachine();
    library[31] = counterCorner();
    library[32] = extractorHood();
    library[33] = labelled(QStringLiteral("MW"));
}

} // namespace art
