#pragma once

#include <QString>

#include <array>

class Underlay;

// `Rimbano-onderlegger.ini`, beside the scale file: for each floor with a paper
// plan under it, which file and page, and how large, turned, shifted and dark
// it shows. The settings file stays its five lines.
namespace UnderlayFile {

using Floors = std::array<Underlay*, 3>;

QString path(const QString& folder);

// Fills in what the file says of each floor; a floor it says nothing sound of
// is left with nothing chosen. False when the file cannot be read.
bool read(const QString& path, const Floors& floors);
// Replaces the file whole, or leaves it as it was.
bool write(const QString& path, const Floors& floors);

} // namespace UnderlayFile
