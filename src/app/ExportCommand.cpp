#include "app/ExportCommand.h"

#include "app/ProgramOptions.h"
#include "app/ScaleExport.h"
#include "app/StartupSettings.h"
#include "core/ProgramFolders.h"
#include "plan/ScaleFile.h"
#include "image/FloorStrips.h"
#include "image/PictureReader.h"
#include "image/SettingsFile.h"
#include "image/Twips.h"
#include "printing/PdfExport.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstring>

namespace ExportCommand {

namespace {
// The canvas width the user set in the program, when no width is given; read
// through the window's own routine, from the folder the window keeps it in.
int configuredCanvasWidth(const QString& settingsFolder)
{
    ProgramFolders folders;
    folders.writable = settingsFolder;
    SettingsRecord settings;
    if (readSettingsFile(settingsPath(folders), settings) != SettingsReadResult::Complete)
        return BaseCanvasWidth;
    const int width = canvasWidthFor(settings.canvasExtraWidth);
    return width >= BaseCanvasWidth && width <= MaxCanvasWidth ? width : BaseCanvasWidth;
}

int fail(QTextStream& err, int code, const QString& message)
{
    err << "rimbano: " << message << Qt::endl;
    return code;
}
} // namespace

bool wanted(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export-pdf") == 0 || std::strcmp(argv[i], "--help") == 0
            || std::strcmp(argv[i], "-h") == 0)
            return true;
    }
    return false;
}

int run(const QStringList& arguments, const QString& programFolder, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Rimbano: plattegronden tekenen.\n"
                                                    "Zonder opties start het programma met zijn venster."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Toont deze opties."));
    const QCommandLineOption exportPdf(QStringLiteral("export-pdf"),
                                       QStringLiteral("Maakt van een opgeslagen tekening (JPG of BMP) de afdrukpagina als PDF, zonder venster."),
                                       QStringLiteral("tekening"));
    const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("Het PDF-bestand dat wordt geschreven."),
                                    QStringLiteral("bestand.pdf"));
    const QCommandLineOption title(QStringLiteral("title"), QStringLiteral("De titel boven aan de pagina."),
                                   QStringLiteral("tekst"), QStringLiteral("Titel pagina"));
    const QCommandLineOption date(QStringLiteral("date"), QStringLiteral("Drukt de datum en tijd onder aan de pagina af."));
    const QCommandLineOption width(QStringLiteral("canvas-width"),
                                   QStringLiteral("De breedte van een verdieping in pixels (350 t/m 470); "
                                                  "anders die uit Rimbano.ini."),
                                   QStringLiteral("pixels"));
    const QCommandLineOption folder(QStringLiteral("program-folder"), QStringLiteral("De programmamap."),
                                    QStringLiteral("map"));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Print elke getekende verdieping op ware schaal op een eigen pagina: "
                                                  "1:20, 1:50, 1:100 of 1:200."),
                                   QStringLiteral("1:N"));
    const QCommandLineOption centimetres(QStringLiteral("cm-per-pixel"),
                                         QStringLiteral("Bij --scale: hoeveel centimeter één pixel is (1 t/m 100); "
                                                        "anders de schaal die in het programma is ingesteld."),
                                         QStringLiteral("cm"));
    parser.addOptions({help, exportPdf, output, title, date, width, folder, scale, centimetres});

    if (!parser.parse(arguments))
        return fail(err, BadArguments, parser.errorText());
    if (parser.isSet(help)) {
        out << parser.helpText();
        return Done;
    }
    // Only a print to scale uses it; without --scale it would be silently ignored.
    if (parser.isSet(centimetres) && !parser.isSet(scale))
        return fail(err, BadArguments, QStringLiteral("--cm-per-pixel hoort bij --scale; geef ook --scale 1:N op."));
    if (!parser.isSet(output) || parser.value(output).isEmpty())
        return fail(err, BadArguments, QStringLiteral("geef met --output aan welk PDF-bestand geschreven moet worden."));

    // The settings and the scale are read where the window keeps them: beside
    // the program, or in the user's folder when the program's cannot be written.
    const QString settingsFolder = writableFolderFor(programFolder);
    int canvasWidth = configuredCanvasWidth(settingsFolder);
    if (parser.isSet(width)) {
        bool ok = false;
        canvasWidth = parser.value(width).toInt(&ok);
        if (!ok || canvasWidth < BaseCanvasWidth || canvasWidth > MaxCanvasWidth)
            return fail(err, BadArguments, QStringLiteral("--canvas-width moet een getal van 350 t/m 470 zijn."));
    }

    ScaleExport::Choice toScale;
    if (parser.isSet(scale)) {
        const auto refused = ScaleExport::choose(
            parser.value(scale),
            parser.isSet(centimetres) ? std::optional<QString>(parser.value(centimetres)) : std::nullopt,
            ScaleFile::path(settingsFolder), toScale);
        if (refused)
            return fail(err, refused->code, refused->message);
    }

    const QString drawing = parser.value(exportPdf);
    if (!QFileInfo(drawing).isFile())
        return fail(err, MissingDrawing, QStringLiteral("de tekening ") + drawing + QStringLiteral(" bestaat niet."));
    const auto picture = readPicture(drawing);
    if (!picture)
        return fail(err, UnreadablePicture, QStringLiteral("de tekening ") + drawing + QStringLiteral(" is geen leesbaar plaatje."));
    if (picture->height() != CanvasHeight)
        return fail(err, UnreadablePicture, QStringLiteral("Geen geldig formaat! De tekening is niet 455 pixels hoog."));
    const int floors = floorCountForWidth(picture->width(), canvasWidth);
    if (floors == 0)
        return fail(err, WidthFitsNoFloors, QStringLiteral("de breedte past niet bij een tekenveld van ")
                                           + QString::number(canvasWidth) + QStringLiteral(" pixels; gebruik --canvas-width ")
                                           + QString::number(suggestedCanvasWidth(picture->width())) + QLatin1Char('.'));

    if (parser.isSet(scale)) {
        const ScaleExport::Outcome outcome = ScaleExport::write(toScale, *picture, floors, canvasWidth,
                                                                parser.value(title), parser.value(output));
        return outcome.code == Done ? Done : fail(err, outcome.code, outcome.message);
    }

    PageContents page;
    page.title = parser.value(title);
    page.floorCount = floors;
    for (int k = 1; k <= 3; ++k)
        page.floors[size_t(k - 1)] = cutStrip(*picture, k, canvasWidth);
    page.withDate = parser.isSet(date);
    page.printedAt = QDateTime::currentDateTime();
    QString error;
    if (!writePdfPage(page, parser.value(output), &error))
        return fail(err, OutputNotWritten, error);
    return Done;
}

} // namespace ExportCommand
