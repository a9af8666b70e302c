#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The help file as text: UTF-8, but a file that is not valid UTF-8 is taken
// as Windows-1252, so an older help file still shows its accents. A leading
// byte-order mark is dropped.
QString decodeHelpText(const QByteArray& bytes);

// The whole file, decoded; nullopt when it is missing or cannot be read.
std::optional<QString> readHelpText(const QString& path);
