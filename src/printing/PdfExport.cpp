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

bool writePdf(const QString& target, const QPageLayout& layout, int pageCount,
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
    printer.setPageLayout(layout);

    QPainter painter;
    bool written = painter.begin(&printer);
    if (written) {
        // The painter's origin is the printable area's top-left corner.
        const QRect printable(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
        for (int index = 0; index < pageCount && written; ++index) {
            if (index > 0)
                written = printer.newPage();
            paintPage(painter, printer, printable, index);
        }
        written = painter.end() && written;
    }
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
    return writePdf(target, pdfPageLayout(QPageLayout::Landscape), 1,
                    [&page](QPainter& painter, QPrinter& printer, const QRect& printable, int) {
                        PageComposer::paint(painter, printer, printable, page);
                    },
                    error);
}
