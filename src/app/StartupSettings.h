#pragma once

#include <QString>

struct Algemeen;

// Reads the settings file into the shared values. When the file is missing,
// cut short, or holds a value the window cannot take, the file is written
// anew from the values in effect and false is returned: the rest of the
// start-up that applies the settings is then skipped for this run.
bool readStartupSettings(Algemeen& state);

// Writes all five lines from the shared values; false when the file cannot be written.
bool writeSettings(const Algemeen& state);

QString settingsPath(const Algemeen& state);
