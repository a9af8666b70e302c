#pragma once

#include <QDir>
#include <QString>

// Where the program finds its own files and where it may write.
struct ProgramFolders {
    // Holds the settings file, help.txt, sounds/ and examples/.
    QString program;
    // Where the settings file and the temporary JPG file are written when the
    // program folder cannot be written (an installed program); empty: the
    // program folder itself.
    QString writable;

    QString programPath(const QString& name) const { return QDir(program).filePath(name); }
    QString writableFolder() const { return writable.isEmpty() ? program : writable; }
};
