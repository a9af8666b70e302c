#pragma once

#include <QString>

struct ProgramFolders;
struct Settings;

// Reads the settings file into `settings`. When the file is missing, cut
// short, or holds a value the window cannot take, the file is written anew
// from the values in effect and false is returned: the rest of the start-up
// that applies the settings is then skipped for this run.
bool readStartupSettings(Settings& settings, const ProgramFolders& folders);

// Writes all five lines from `settings`; false when the file cannot be written.
bool writeSettings(const Settings& settings, const ProgramFolders& folders);

QString settingsPath(const ProgramFolders& folders);
