#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Reads a picture file of any format Qt knows (BMP, JPG, GIF, ICO, PNG) as
// 32-bit RGB. The header is never trusted: a picture that claims an absurd
// size, or a truncated or corrupt file, gives nullopt instead of a crash.
std::optional<QImage> readPicture(const QString& path);

// The largest side a picture may claim before it is refused unread.
constexpr int MaxPictureSide = 16384;
