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
        for (const char* option : {"--export-pdf", "--help", "-h", "--version", "-v"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

int run(const QStringList& arguments, const QString& programFolder, QTextStream& out, QTextStream& err)
{
    const CommandLineOptions options;
    QCommandLineParser parser;
    options.addTo(parser);
    if (!parser.parse(arguments))
        return fail(err, BadArguments, parser.errorText());
    if (parser.isSet(options.help)) {
        out << parser.helpText();
        return Done;
    }
    if (parser.isSet(options.version)) {
        out << versionLine() << Qt::endl;
        return Done;
    }
    // Only a print to scale uses it; without --scale it would be silently ignored.
    if (parser.isSet(options.centimetres) && !parser.isSet(options.scale))
        return fail(err, BadArguments, QStringLiteral("--cm-per-pixel hoort bij --scale; geef ook --scale 1:N op."));
    if (!parser.isSet(options.output) || parser.value(options.output).isEmpty())
        return fail(err, BadArguments, QStringLiteral("geef met --output aan welk PDF-bestand geschreven moet worden."));

    // The settings and the scale are read where the window keeps them: beside
    // the program, or in the user's folder when the program's cannot be written.
    const QString settingsFolder = writableFolderFor(programFolder);
    int canvasWidth = configuredCanvasWidth(settingsFolder);
    if (parser.isSet(options.canvasWidth)) {
        bool ok = false;
        canvasWidth = parser.value(options.canvasWidth).toInt(&ok);
        if (!ok || canvasWidth < BaseCanvasWidth || canvasWidth > MaxCanvasWidth)
            return fail(err, BadArguments, QStringLiteral("--canvas-width moet een getal van 350 t/m 470 zijn."));
    }

    ScaleExport::Choice toScale;
    if (parser.isSet(options.scale)) {
        const auto refused = ScaleExport::choose(
            parser.value(options.scale),
            parser.isSet(options.centimetres) ? std::optional<QString>(parser.value(options.centimetres)) : std::nullopt,
            ScaleFile::path(settingsFolder), toScale);
        if (refused)
            return fail(err, refused->code, refused->message);
    }

    const QString drawing = parser.value(options.exportPdf);
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

    if (parser.isSet(options.scale)) {
        const ScaleExport::Outcome outcome = ScaleExport::write(toScale, *picture, floors, canvasWidth,
                                                                parser.value(options.title), parser.value(options.output));
        return outcome.code == Done ? Done : fail(err, outcome.code, outcome.message);
    }

    PageContents page;
    page.title = parser.value(options.title);
    page.floorCount = floors;
    for (int k = 1; k <= 3; ++k)
        page.floors[size_t(k - 1)] = cutStrip(*picture, k, canvasWidth);
    page.withDate = parser.isSet(options.date);
    page.printedAt = QDateTime::currentDateTime();
    QString error;
    if (!writePdfPage(page, parser.value(options.output), &error))
        return fail(err, OutputNotWritten, error);
    return Done;
}

} // namespace ExportCommand
