#pragma once

// A generated scan of a paper plan: an A4 page at 300 dpi of a plan drawn at
// 1:100, with a printed 10,00 m reference and three other known lengths, each
// a line between two end ticks, as builders' drawings give their dimensions.

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QTransform>

struct PlanPage {
    static constexpr double PixelsPerMetre = 300 / 2.54; // 1 cm on paper is 1 m
    static constexpr int TickHalf = 40;

    struct Length {
        QLineF line; // on the page, before any turn
        double metres;
    };
    QImage image;
    QTransform turn; // from the unturned page to `image`
    Length reference;
    QList<Length> lengths;

    // The page, turned `degrees` clockwise about its centre as a crooked scan is.
    static PlanPage make(double degrees = 0)
    {
        PlanPage page;
        const auto length = [](QPointF from, double metres, bool level) {
            const QPointF to = from + (level ? QPointF(metres * PixelsPerMetre, 0) : QPointF(0, metres * PixelsPerMetre));
            return Length{QLineF(from, to), metres};
        };
        page.reference = length({300, 500}, 10.0, true);
        page.lengths = {length({400, 1200}, 4.5, true), length({1800, 1000}, 3.6, false),
                        length({500, 2400}, 6.3, true)};

        QImage flat(2480, 3508, QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.setPen(QPen(Qt::black, 8));
        painter.drawRect(QRectF(300, 1500, 8 * PixelsPerMetre, 6 * PixelsPerMetre)); // walls
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(40);
        painter.setFont(font);
        for (const Length& l : QList<Length>{page.reference} + page.lengths) {
            painter.setPen(QPen(Qt::black, 3));
            painter.drawLine(l.line);
            const QPointF across = QLineF(l.line).normalVector().unitVector().p2() - l.line.p1();
            for (const QPointF end : {l.line.p1(), l.line.p2()})
                painter.drawLine(end - across * TickHalf, end + across * TickHalf);
            painter.drawText(l.line.center() + QPointF(10, -20), QString::number(l.metres, 'f', 2).replace('.', ',') + " m");
        }
        painter.end();

        page.turn.translate(flat.width() / 2.0, flat.height() / 2.0);
        page.turn.rotate(degrees);
        page.turn.translate(-flat.width() / 2.0, -flat.height() / 2.0);
        page.image = QImage(flat.size(), QImage::Format_RGB32);
        page.image.fill(Qt::white);
        QPainter turned(&page.image);
        turned.setRenderHint(QPainter::SmoothPixmapTransform);
        turned.setTransform(page.turn);
        turned.drawImage(0, 0, flat);
        return page;
    }
};
