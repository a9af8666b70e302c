#include "examples/ExamplesPanel.h"

#include "core/Geometry.h"
#include "image/PictureReader.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

ExamplesPanel::ExamplesPanel(QWidget* frame, const QString& examplesFolder)
    : QObject(frame)
    , m_examples(examplesFolder)
{
    placeTwips(makeBackdrop(frame, "examplePreviewBackdrop", PanelBackdrop), 120, 210, 1560, 2160);
    m_preview = new QLabel(frame);
    m_preview->setObjectName(QStringLiteral("examplePreview"));
    m_preview->setScaledContents(true);
    placeTwips(m_preview, 180, 270, 1440, 2040);

    placeTwips(makeBackdrop(frame, "exampleBarBackdrop", PanelBackdrop), 120, 2430, 1575, 330);
    m_scroll = new QScrollBar(Qt::Horizontal, frame);
    m_scroll->setObjectName(QStringLiteral("exampleBar"));
    placeTwips(m_scroll, 150, 2460, 1200, 270);
    m_transport = new QPushButton(QStringLiteral(">"), frame);
    m_transport->setObjectName(QStringLiteral("takeOverExampleButton"));
    m_transport->setToolTip(QStringLiteral(" Transporteer voorbeeld "));
    placeTwips(m_transport, 1350, 2460, 315, 270);

    m_name = new QLabel(frame);
    m_name->setObjectName(QStringLiteral("exampleNameLabel"));
    m_name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_name->setWordWrap(true);
    placeTwips(m_name, 135, 2820, 1560, 420);

    if (m_examples.count() > 0) {
        m_scroll->setRange(0, m_examples.count() - 1);
        showExample(0);
    } else {
        m_scroll->setRange(0, 1);
        m_name->setText(QStringLiteral("Geen voorbeelden..."));
    }
    connect(m_scroll, &QScrollBar::valueChanged, this, &ExamplesPanel::showExample);
}

void ExamplesPanel::showExample(int index)
{
    // With no examples the bar still offers a second position; it shows nothing new.
    if (index < 0 || index >= m_examples.count())
        return;
    m_name->setText(m_examples.displayName(index));
    if (const auto picture = readPicture(m_examples.path(index)))
        m_preview->setPixmap(QPixmap::fromImage(*picture));
}
