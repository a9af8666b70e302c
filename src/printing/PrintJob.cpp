#include "printing/PrintJob.h"

#include "core/AppContext.h"
#include "printing/PageComposer.h"
#include "printing/PrinterSystem.h"

#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {
const QString DialogTitle = QStringLiteral(" Printen");
const QString PdfFilter = QStringLiteral("PDF-bestand (*.pdf)");

// The pointer over every window of the program. There is only ever one such
// override, so repeated print jobs do not pile them up.
void setApplicationPointer(Qt::CursorShape shape)
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(shape);
    else
        QGuiApplication::setOverrideCursor(shape);
}
} // namespace

std::optional<int> copiesFromText(const QString& text)
{
    bool ok = false;
    const int copies = text.trimmed().toInt(&ok, 10);
    if (!ok || copies < 1 || copies > 999)
        return std::nullopt;
    return copies;
}

PrintJob::PrintJob(AppContext& context, PrinterSystem& system, QPrinter& printer)
    : m_context(context)
    , m_system(system)
    , m_printer(printer)
{
}

bool PrintJob::print(const PrintRequest& request, const std::array<QImage, 3>& floors,
                     const std::function<void()>& showProgress)
{
    const std::optional<int> copies = copiesFromText(request.copiesText);
    if (!copies) {
        m_context.prompts.message(QStringLiteral("Vul bij Copy's een heel getal van 1 tot en met 999 in."));
        return false;
    }

    return printPages([&] { return sendPage(request, *copies, floors, showProgress); });
}

bool PrintJob::printPages(const std::function<bool()>& send)
{
    if (m_system.printerInstalled()) {
        // An empty file name puts the printer back on the system's printer.
        m_printer.setOutputFileName(QString());
        if (send())
            return true;
        m_context.prompts.message(QStringLiteral("Het afdrukken is mislukt; er is niets afgedrukt."));
        return false;
    }

    const QString target = choosePdfFile();
    if (target.isEmpty())
        return false;
    // The target is replaced in one step at the end, so a failure on the way
    // leaves an existing file as it was; a folder that cannot take it is found
    // out before the job starts.
    QSaveFile out(target);
    QTemporaryFile page(QDir::temp().filePath(QStringLiteral("rimbano-XXXXXX.pdf")));
    const QString cannotWrite = QStringLiteral("Het PDF-bestand ") + QDir::toNativeSeparators(target)
        + QStringLiteral(" kan niet worden geschreven.");
    if (!out.open(QIODevice::WriteOnly) || !page.open()) {
        m_context.prompts.message(cannotWrite);
        return false;
    }
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(page.fileName());
    bool written = send();
    if (written) {
        // The printer wrote the file by its name; read it back through the open handle.
        page.seek(0);
        written = out.write(page.readAll()) > 0 && out.commit();
    }
    if (!written)
        m_context.prompts.message(cannotWrite);
    return written;
}

QString PrintJob::choosePdfFile()
{
    if (!m_context.prompts.askYesNo(DialogTitle, QStringLiteral("Er is geen printer geïnstalleerd.\n"
                                                               "Wilt u de pagina als PDF-bestand opslaan?")))
        return {};
    QString name = m_context.prompts.saveFileName(PdfFilter);
    if (name.isEmpty() || name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return name;
    name += QStringLiteral(".pdf");
    // The save question only asked about the name as it was typed.
    if (QFileInfo::exists(name)
        && !m_context.prompts.askYesNo(DialogTitle, QStringLiteral("Het bestand ") + QDir::toNativeSeparators(name)
                                                        + QStringLiteral(" bestaat al.\nWilt u het vervangen?")))
        return {};
    return name;
}

bool PrintJob::sendPage(const PrintRequest& request, int copies, const std::array<QImage, 3>& floors,
                        const std::function<void()>& showProgress)
{
    setApplicationPointer(Qt::WaitCursor);
    m_printer.setDocName(QStringLiteral("Rimbano"));
    m_printer.setPageOrientation(QPageLayout::Landscape);
    m_printer.setCopyCount(copies);

    QPainter painter;
    bool sent = painter.begin(&m_printer);
    if (sent) {
        PageContents page{request.title, request.floorCount, floors, request.withDate,
                          QDateTime::currentDateTime()};
        // The painter's origin is the printable area's top-left corner.
        const QRect printable(QPoint(0, 0), m_printer.pageLayout().paintRectPixels(m_printer.resolution()).size());
        PageComposer::paint(painter, m_printer, printable, page);
        if (showProgress)
            showProgress();
        sent = painter.end() && m_printer.printerState() != QPrinter::Error;
    }
    setApplicationPointer(Qt::ArrowCursor);
    return sent;
}
