#pragma once

#include <QImage>
#include <QString>

#include <optional>

// An icon file is a plain 24-bit BMP of the 35 x 35 icon; no name, palette or
// mask of our own. It is written to a temporary file beside the target and
// renamed over it only when complete, so an existing file is either replaced
// whole or left as it was. On failure the reason goes to *error.
bool writeIconFile(const QImage& icon35, const QString& path, QString* error = nullptr);

// Reads any picture for the icon editor, as RGB32. Transparent parts (a
// Windows icon's background) come out white, the colour the editor's empty
// icon has, rather than the black their colour bytes usually hold.
std::optional<QImage> readIconPicture(const QString& path);
