#pragma once

#include <QString>

// The version as the start window shows it: four numbers, major, minor, build
// and revision, in plain decimal joined by dots; "Error" when the given version
// cannot be read as one.
QString VersionText(const QString& builtVersion);

// The version this executable was built with.
QString programVersionText();

// The start window's welcome text: the attribution lines, an empty line, the
// platform line and the version line, each ended by CR LF.
QString welcomeText(const QString& versionText);
