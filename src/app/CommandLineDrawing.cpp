#include "app/CommandLineDrawing.h"

#include "app/MainWindow.h"
#include "app/ProgramOptions.h"

#include <QCommandLineParser>

namespace CommandLineDrawing {

std::optional<QStringList> filesIn(const QStringList& arguments, QString& error)
{
    const CommandLineOptions options;
    QCommandLineParser parser;
    options.addTo(parser);
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    return parser.positionalArguments();
}

QString oneAtATimeText()
{
    return QStringLiteral("Rimbano laadt één tekening tegelijk; er is niets geladen.");
}

void open(MainWindow& window, const QStringList& files)
{
    if (files.isEmpty())
        return;
    if (files.size() > 1) {
        window.context().prompts.message(oneAtATimeText());
        return;
    }
    window.loadDrawing(files.first());
}

} // namespace CommandLineDrawing
