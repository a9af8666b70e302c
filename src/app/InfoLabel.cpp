#include "app/InfoLabel.h"

InfoLabel::InfoLabel(QWidget* parent) : QLabel(parent)
{
    showInfoText(QStringLiteral("-"));
}

void InfoLabel::showInfoText(const QString& message)
{
    const InfoText shown = infoTextFor(message);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, shown.colour);
    setPalette(pal);
    setText(shown.text);
}
