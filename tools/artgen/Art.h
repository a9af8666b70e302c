#pragma once

// What the generator makes and where each family of pictures is drawn.

#include <QImage>
#include <QString>
#include <map>

namespace art {

// Library pictures by their index; each 32 x 32 except the magnifier's 101 x 101.
using Library = std::map<int, QImage>;
// Other pictures by their file name without extension, e.g. "tool_01".
using Pictures = std::map<QString, QImage>;

inline constexpr int SymbolSize = 32;

void drawLineSamples(Library& library);   // 0-5 line widths, 9-11 dimension styles
void drawExtras(Library& library);        // 12-14 and 90: overview-only pictures
void drawSanitary(Library& library);      // 15-22
void drawKitchen(Library& library);       // 25-33
void drawDoors(Library& library);         // 40-49
void drawWindows(Library& library);       // 50-57
void drawFurniture(Library& library);     // 60-62
void drawArrows(Library& library);        // 80-89
void drawMagnifierIdle(Library& library); // 99
void drawWallPieces(Library& library);    // 100-125
void drawStairs(Library& library);        // 130-139

void drawToolButtons(const Library& library, Pictures& buttons); // tool_01 .. tool_20
void drawPanelButtons(Pictures& buttons); // clear_1..3, import, rotate, mirror
void drawEditorButtons(Pictures& buttons); // icon_01 .. icon_14
void drawPictures(const Library& library, Pictures& pictures); // welcome, config, rimbano

// The library enlarged with index labels, for looking the artwork over.
QImage contactSheet(const Library& library, int zoom);
// A small plan with doors, windows and wall pieces placed as the program
// places them, enlarged twice, for checking how the symbols meet the walls.
QImage demoPlan(const Library& library);

} // namespace art
