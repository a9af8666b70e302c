#include "printing/ScalePrintDialog.h"

#include "plan/PlanScale.h"
#include "plan/Plan.h"
#include "printing/PrintJob.h"
#include "printing/ScalePageComposer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Each page turns the paper its own way: a new orientation holds from the
// page that follows.
bool sendPages(QPrinter& printer, const std::vector<ScalePage>& pages)
{
    const QPageLayout paper = printer.pageLayout();
    const auto turnFor = [&](const ScalePage& page) {
        printer.setPageOrientation(*ScalePageComposer::orientationFor(page, paper));
    };
    printer.setDocName(QStringLiteral("Rimbano"));
    printer.setCopyCount(1);
    turnFor(pages.front());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool sent = true;
    for (size_t i = 0; i < pages.size() && sent; ++i) {
        if (i > 0) {
            turnFor(pages[i]);
            sent = printer.newPage();
        }
        const QRect printable(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
        if (sent)
            ScalePageComposer::paint(painter, printer, printable, pages[i]);
    }
    return painter.end() && sent && printer.printerState() != QPrinter::Error;
}
} // namespace

ScalePrintDialog::ScalePrintDialog(const Plan& plan, int shownFloor, const PlanScale& scale, PrintJob& job,
                                   QWidget* parent)
    : QDialog(parent)
    , m_floorPictures(plan)
    , m_shownFloor(shownFloor)
    , m_scale(scale)
    , m_job(job)
{
    setWindowTitle(QStringLiteral(" Printen op schaal"));
    m_floorChoice = new QComboBox(this);
    m_floorChoice->addItems({QStringLiteral("Getoonde verdieping (") + Plan::floorName(shownFloor) + QLatin1Char(')'),
                        QStringLiteral("Alle verdiepingen, elk op een pagina")});
    m_ratio = new QComboBox(this);
    for (const int ratio : ScalePageComposer::Ratios)
        m_ratio->addItem(QStringLiteral("1:") + QString::number(ratio), ratio);
    m_ratio->setCurrentIndex(2);
    m_title = new QLineEdit(QStringLiteral("Titel pagina"), this);
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: rgb(160, 20, 80);"));
    const QString hint = QStringLiteral("1 pixel = ") + QString::number(scale.centimetresPerPixel())
        + QStringLiteral(" cm; de plattegrond wordt op ware schaal geprint.");
    m_message->setText(hint);
    // A refusal speaks of the choice it was given; a new choice takes it away.
    const auto showHint = [this, hint] { m_message->setText(hint); };
    connect(m_floorChoice, &QComboBox::currentIndexChanged, this, showHint);
    connect(m_ratio, &QComboBox::currentIndexChanged, this, showHint);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Verdieping:"), m_floorChoice);
    form->addRow(QStringLiteral("Schaal:"), m_ratio);
    form->addRow(QStringLiteral("Titel:"), m_title);
    auto* buttons = new QDialogButtonBox(this);
    m_print = buttons->addButton(QStringLiteral("Afdrukken"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Annuleren"), QDialogButtonBox::RejectRole);
    connect(m_print, &QPushButton::clicked, this, &ScalePrintDialog::printClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

void ScalePrintDialog::printClicked()
{
    const bool all = m_floorChoice->currentIndex() == 1;
    std::vector<ScalePage> pages;
    for (int f = all ? 1 : m_shownFloor; f <= (all ? 3 : m_shownFloor); ++f) {
        const QImage& picture = m_floorPictures.floor(f).image;
        // A floor nobody drew on gets no empty page.
        if (ScalePageComposer::drawnBox(picture).isEmpty())
            continue;
        pages.push_back({m_title->text(), Plan::floorName(f), picture, m_scale.centimetresPerPixel(),
                         m_ratio->currentData().toInt(), QDate::currentDate()});
    }
    if (pages.empty()) {
        m_message->setText(all ? QStringLiteral("Er is nog op geen verdieping iets getekend.")
                               : QStringLiteral("Op deze verdieping is nog niets getekend."));
        return;
    }
    const QPageLayout paper = m_job.printer().pageLayout();
    const QString refusal = ScalePageComposer::refusal(pages, paper);
    if (!refusal.isEmpty()) {
        m_message->setText(refusal);
        return;
    }
    if (m_job.printPages([&] { return sendPages(m_job.printer(), pages); }))
        accept();
}
