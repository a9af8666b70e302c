#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Reads a picture file in one of the formats drawings, icons and examples come
// in (BMP, JPG, GIF, ICO, PNG) as 32-bit RGB. The header is never trusted: a
// picture that claims an absurd size, or a truncated or corrupt file, gives
// nullopt instead of a crash, and never costs more memory than the largest
// picture allowed.
std::optional<QImage> readPicture(const QString& path);
// The same for a file's bytes already in memory.
std::optional<QImage> decodePicture(const QByteArray& bytes);
// The same, but the picture as stored: its transparency is kept.
std::optional<QImage> readPictureKeepingAlpha(const QString& path);

// The largest side a picture may claim before it is refused unread.
constexpr int MaxPictureSide = 16384;
// The most pixels a picture may have: 64 MB at four bytes a pixel. The fuzz
// targets build with a lower bound: their inputs claim the largest size
// allowed as often as not, and each would fill 64 MB before failing to decode;
// the same checks refuse them, only sooner.
#ifdef RIMBANO_MAX_PICTURE_PIXELS
constexpr qint64 MaxPicturePixels = RIMBANO_MAX_PICTURE_PIXELS;
#else
constexpr qint64 MaxPicturePixels = qint64(4096) * 4096;
#endif
// No picture this program reads comes near this size on disk.
constexpr qint64 MaxPictureFileBytes = qint64(64) * 1024 * 1024;
