#pragma once

#include <QColor>
#include <QString>

// The information line under the canvas. A text starting with a dot is a
// warning, shown without the dot in red; "-" brings back the idle text.
struct InfoText {
    QString text;
    QColor colour;
};

InfoText infoTextFor(const QString& message);

class InfoLine {
public:
    virtual ~InfoLine() = default;
    virtual void showInfoText(const QString& message) = 0;
};
