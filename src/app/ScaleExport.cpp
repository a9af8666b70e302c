#include "app/ScaleExport.h"

#include "app/ExportCommand.h"
#include "plan/GridSettings.h"
#include "plan/PlanScale.h"
#include "plan/ScaleFile.h"
#include "plan/Plan.h"
#include "image/FloorStrips.h"
#include "printing/PdfExport.h"
#include "printing/ScalePageComposer.h"

#include <QPrinter>

#include <algorithm>

std::optional<ScaleExport::Outcome> ScaleExport::choose(const QString& ratioText,
                                                        const std::optional<QString>& centimetresText,
                                                        const QString& scaleFile, Choice& choice)
{
    bool ok = ratioText.startsWith(QStringLiteral("1:"));
    choice.ratio = ok ? ratioText.mid(2).toInt(&ok) : 0;
    if (!ok || std::find(ScalePageComposer::Ratios.begin(), ScalePageComposer::Ratios.end(), choice.ratio)
            == ScalePageComposer::Ratios.end())
        return Outcome{ExportCommand::BadArguments, QStringLiteral("--scale moet 1:20, 1:50, 1:100 of 1:200 zijn.")};

    PlanScale scale;
    if (centimetresText) {
        choice.centimetresPerPixel = centimetresText->toInt(&ok);
        if (!ok || choice.centimetresPerPixel < 1 || choice.centimetresPerPixel > PlanScale::MaxCentimetresPerPixel)
            return Outcome{ExportCommand::BadArguments, QStringLiteral("--cm-per-pixel moet een getal van 1 t/m 100 zijn.")};
        return std::nullopt;
    }
    GridSettings grid;
    ScaleFile::read(scaleFile, scale, grid);
    if (!scale.isOn())
        return Outcome{ExportCommand::ScaleMissing,
                       QStringLiteral("er is geen schaal ingesteld; geef met --cm-per-pixel aan hoeveel centimeter "
                                      "één pixel is, of stel de schaal in bij Extra > Schaal...")};
    choice.centimetresPerPixel = scale.centimetresPerPixel();
    return std::nullopt;
}

ScaleExport::Outcome ScaleExport::write(const Choice& choice, const QImage& picture, int floorCount, int floorWidth,
                                        const QString& title, const QString& output)
{
    std::vector<ScalePage> pages;
    for (int f = 1; f <= floorCount; ++f) {
        const QImage floor = cutStrip(picture, f, floorWidth);
        if (!ScalePageComposer::drawnBox(floor).isEmpty())
            pages.push_back({title, Plan::floorName(f), floor, choice.centimetresPerPixel, choice.ratio,
                             QDate::currentDate()});
    }
    if (pages.empty())
        return {ExportCommand::NothingDrawn, QStringLiteral("er is op geen verdieping iets getekend.")};
    const QPageLayout paper = pdfPageLayout(QPageLayout::Portrait);
    // The sheet is always A4 here, so the hint about other paper is left out.
    const QString refusal = ScalePageComposer::refusal(pages, paper);
    if (!refusal.isEmpty())
        return {ExportCommand::PlanDoesNotFit, refusal.section(QLatin1Char('\n'), 0, 0)};
    std::vector<QPageLayout> layouts;
    for (const ScalePage& page : pages)
        layouts.push_back(pdfPageLayout(*ScalePageComposer::orientationFor(page, paper)));
    QString error;
    const bool written = writePdf(output, layouts,
                                  [&pages](QPainter& painter, QPrinter& printer, const QRect& printable, int index) {
                                      ScalePageComposer::paint(painter, printer, printable, pages[size_t(index)]);
                                  },
                                  &error);
    return written ? Outcome{ExportCommand::Done, {}} : Outcome{ExportCommand::OutputNotWritten, error};
}
