#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// Where the program keeps its files: the executable's folder, unless
// --program-folder DIR names another (tests, portable use).
QString programFolderFrom(const QStringList& arguments, const QString& executableFolder);

// The program folder when a file can be created in it, else the user's
// configuration folder (created when missing).
QString writableFolderFor(const QString& programFolder);

// Every option of the command line with the Dutch words `rimbano --help` shows:
// the window and the work without a window read them with the same parser, so
// the help never lists an option one of them would refuse.
struct CommandLineOptions {
    CommandLineOptions();
    // Gives `parser` these options and the drawing argument.
    void addTo(QCommandLineParser& parser) const;

    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption exportPdf;
    QCommandLineOption output;
    QCommandLineOption title;
    QCommandLineOption date;
    QCommandLineOption canvasWidth;
    QCommandLineOption programFolder;
    QCommandLineOption scale;
    QCommandLineOption centimetres;
};

// The line `rimbano --version` prints.
QString versionLine();
