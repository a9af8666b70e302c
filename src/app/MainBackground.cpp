#include "app/MainBackground.h"

#include "image/Twips.h"

#include <QPainter>

void MainBackground::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    for (const int y : {105, 630, 1155})
        painter.drawLine(0, px(y), px(9600), px(y));
}
