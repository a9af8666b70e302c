// Furniture seen from above: a dining table with four chairs, a double bed
// and a three-seat sofa, large enough to recognise in a room.

#include "Art.h"
#include "Raster.h"

namespace art {

namespace {

QImage tableWithChairs()
{
    QImage image = blank(SymbolSize, SymbolSize);
    box(image, 7, 7, 24, 24);
    // A chair on each side: the seat, and its back as a bar away from the table.
    box(image, 11, 2, 20, 5);
    fillBox(image, 11, 0, 20, 1);
    box(image, 11, 26, 20, 29);
    fillBox(image, 11, 30, 20, 31);
    box(image, 2, 11, 5, 20);
    fillBox(image, 0, 11, 1, 20);
    box(image, 26, 11, 29, 20);
    fillBox(image, 30, 11, 31, 20);
    return image;
}

QImage doubleBed()
{
    QImage image = blank(SymbolSize, SymbolSize);
    box(image, 2, 0, 29, 31);                  // head end against the wall
    fillBox(image, 2, 0, 29, 1);
    roundBox(image, 4, 3, 14, 8, 2);           // pillows
    roundBox(image, 17, 3, 27, 8, 2);
    hline(image, 2, 29, 12);                   // folded-back sheet
    line(image, 2, 16, 6, 12);
    return image;
}

QImage sofa()
{
    QImage image = blank(SymbolSize, SymbolSize);
    roundBox(image, 0, 6, 31, 25, 2);          // frame
    hline(image, 4, 27, 11);                   // back rest
    vline(image, 4, 6, 25);                    // arms
    vline(image, 27, 6, 25);
    vline(image, 12, 11, 25);                  // three seat cushions
    vline(image, 19, 11, 25);
    return image;
}

} // namespace

void drawFurniture(Library& library)
{
    library[60] = tableWithChairs();
    library[61] = doubleBed();
    library[62] = sofa();
}

} // namespace art
