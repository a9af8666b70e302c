#pragma once

#include <QString>

class PlanScale;
struct GridSettings;

// `Rimbano-schaal.ini`, kept beside the settings file, which stays its five
// lines: the centimetres per pixel on the first line, the grid after it. A file
// from before the grid holds the first line only and still reads.
namespace ScaleFile {

QString path(const QString& folder);

// Reads what it can: an unreadable scale leaves the scale off, an unreadable
// grid entry its default. False when the file or its scale line cannot be read.
bool read(const QString& path, PlanScale& scale, GridSettings& grid);
// Replaces the file whole, or leaves it as it was.
bool write(const QString& path, const PlanScale& scale, const GridSettings& grid);

} // namespace ScaleFile
