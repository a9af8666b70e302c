#include "app/ProgramOptions.h"

#include "app/VersionText.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

QString programFolderFrom(const QStringList& arguments, const QString& executableFolder)
{
    const QString option = QStringLiteral("--program-folder");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size())
            return QDir(arguments[i + 1]).absolutePath();
        if (arguments[i].startsWith(option + QLatin1Char('=')))
            return QDir(arguments[i].mid(option.size() + 1)).absolutePath();
    }
    return executableFolder;
}

QString writableFolderFor(const QString& programFolder)
{
    // Asking for permissions is not enough (root, read-only mounts): try it.
    QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral("rimbano-probe-XXXXXX")));
    if (probe.open())
        return programFolder;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config;
}

CommandLineOptions::CommandLineOptions()
    : help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Toont deze opties."))
    , version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Toont het versienummer."))
    , exportPdf(QStringLiteral("export-pdf"),
                QStringLiteral("Maakt van een opgeslagen tekening (JPG of BMP) de afdrukpagina als PDF, zonder venster."),
                QStringLiteral("tekening"))
    , output(QStringLiteral("output"), QStringLiteral("Het PDF-bestand dat wordt geschreven."),
             QStringLiteral("bestand.pdf"))
    , title(QStringLiteral("title"), QStringLiteral("De titel boven aan de pagina."), QStringLiteral("tekst"),
            QStringLiteral("Titel pagina"))
    , date(QStringLiteral("date"), QStringLiteral("Drukt de datum en tijd onder aan de pagina af."))
    , canvasWidth(QStringLiteral("canvas-width"),
                  QStringLiteral("De breedte van een verdieping in pixels (350 t/m 470); anders die uit Rimbano.ini."),
                  QStringLiteral("pixels"))
    , programFolder(QStringLiteral("program-folder"), QStringLiteral("De programmamap."), QStringLiteral("map"))
    , scale(QStringLiteral("scale"),
            QStringLiteral("Print elke getekende verdieping op ware schaal op een eigen pagina: "
                           "1:20, 1:50, 1:100 of 1:200."),
            QStringLiteral("1:N"))
    , centimetres(QStringLiteral("cm-per-pixel"),
                  QStringLiteral("Bij --scale: hoeveel centimeter één pixel is (1 t/m 100); "
                                 "anders de schaal die in het programma is ingesteld."),
                  QStringLiteral("cm"))
{
}

void CommandLineOptions::addTo(QCommandLineParser& parser) const
{
    parser.setApplicationDescription(QStringLiteral("Rimbano: plattegronden tekenen.\n"
                                                    "Zonder --export-pdf, --help of --version opent het programma zijn venster."));
    parser.addOptions({help, version, exportPdf, output, title, date, canvasWidth, programFolder, scale, centimetres});
    parser.addPositionalArgument(QStringLiteral("tekening"),
                                 QStringLiteral("Een tekening (JPG of BMP) die het venster bij de start laadt, "
                                                "zoals File > Load."),
                                 QStringLiteral("[tekening]"));
}

QString versionLine()
{
    return QStringLiteral("Rimbano versie ") + programVersionText();
}
