#include "printing/PdfExport.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

QPageLayout pdfPageLayout(QPageLayout::Orientation orientation)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QPageLayout layout = printer.pageLayout();
    layout.setPageSize(QPageSize(QPageSize::A4));
    layout.setOrientation(orientation);
    return layout;
}

bool writePdf(const QString& target, const std::vector<QPageLayout>& pages,
              const std::function<void(QPainter&, QPrinter&, const QRect& printable, int index)>& paintPage,
              QString* error)
{
    const QString cannotWrite = QStringLiteral("Het PDF-bestand ") + QDir::toNativeSeparators(target)
        + QStringLiteral(" kan niet worden geschreven.");
    QSaveFile out(target);
    QTemporaryFile pdf(QDir::temp().filePath(QStringLiteral("rimbano-XXXXXX.pdf")));
    if (!out.open(QIODevice::WriteOnly) || !pdf.open()) {
        if (error)
            *error = cannotWrite;
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf.fileName());
    printer.setDocName(QStringLiteral("Rimbano"));
    printer.setPageLayout(pages.front());

    QPainter painter;
    bool written = painter.begin(&printer);
    for (size_t index = 0; index < pages.size() && written; ++index) {
        if (index > 0) {
            // A new layout takes effect with the page that follows.
            printer.setPageLayout(pages[index]);
            written = printer.newPage();
        }
        // The painter's origin is the printable area's top-left corner.
        const QRect printable(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
        if (written)
            paintPage(painter, printer, printable, int(index));
    }
    written = painter.isActive() && painter.end() && written;
    if (written) {
        pdf.seek(0);
        written = out.write(pdf.readAll()) > 0 && out.commit();
    }
    if (!written && error)
        *error = cannotWrite;
    return written;
}

bool writePdfPage(const PageContents& page, const QString& target, QString* error)
{
    return writePdf(target, {pdfPageLayout(QPageLayout::Landscape)},
                    [&page](QPainter& painter, QPrinter& printer, const QRect& printable, int) {
                        PageComposer::paint(painter, printer, printable, page);
                    },
                    error);
}
