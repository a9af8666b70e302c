#include "printing/PdfExport.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

bool writePdfPage(const PageContents& page, const QString& target, QString* error)
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
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);

    QPainter painter;
    bool written = painter.begin(&printer);
    if (written) {
        // The painter's origin is the printable area's top-left corner.
        const QRect printable(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
        PageComposer::paint(painter, printer, printable, page);
        written = painter.end();
    }
    if (written) {
        pdf.seek(0);
        written = out.write(pdf.readAll()) > 0 && out.commit();
    }
    if (!written && error)
        *error = cannotWrite;
    return written;
}
