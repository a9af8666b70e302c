#include "TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "drawing/DrawingControls.h"
#include "floors/CanvasWidget.h"

#include <QLabel>
#include <QPainter>
#include <QtTest>

namespace {
void drag(PointerEngine& engine, QPoint from, QPoint to)
{
    engine.press(1, Qt::LeftButton, from);
    engine.move(1, Qt::LeftButton, to);
    engine.release(1, Qt::LeftButton, to);
}

void drawRoom(MainWindow& window)
{
    // A closed black room with 100 x 50 white pixels inside.
    QImage& image = window.floors().floor(1).image;
    for (int x = 9; x <= 110; ++x) {
        image.setPixel(x, 9, qRgb(0, 0, 0));
        image.setPixel(x, 60, qRgb(0, 0, 0));
    }
    for (int y = 9; y <= 60; ++y) {
        image.setPixel(9, y, qRgb(0, 0, 0));
        image.setPixel(110, y, qRgb(0, 0, 0));
    }
}

// The box round every non-white pixel inside `area`.
QRect inkIn(const QImage& image, const QRect& area)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}
} // namespace

class TestScaleDrawing : public QObject {
    Q_OBJECT
private slots:
    void areaOfAFilledRoom_data()
    {
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<QString>("info");
        QTest::newRow("2 cm") << 2 << QStringLiteral("Oppervlakte: 2,00 m²");
        QTest::newRow("5 cm") << 5 << QStringLiteral("Oppervlakte: 12,50 m²");
    }

    void areaOfAFilledRoom()
    {
        QFETCH(int, centimetres);
        TestProgram program;
        MainWindow& window = program.start();
        window.scale().set(centimetres);
        drawRoom(window);
        program.state.CurrentTool = 8;
        program.state.ColorRed = 200;
        PointerEngine& engine = window.drawing().engine();
        engine.press(1, Qt::LeftButton, QPointF(50, 30));
        engine.release(1, Qt::LeftButton, QPointF(50, 30));
        QCOMPARE(window.floors().floor(1).image.pixel(50, 30), qRgb(200, 0, 0));
        QTEST(window.infoLabel()->text(), "info");
    }

    void rectangleSizeInMetres()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.scale().set(2);
        program.state.CurrentTool = 3;
        program.state.ChosenOption = 1;
        PointerEngine& engine = window.drawing().engine();
        engine.press(1, Qt::LeftButton, QPointF(10, 10));
        engine.move(1, Qt::LeftButton, QPointF(130, 90));
        QCOMPARE(window.infoLabel()->text(), QStringLiteral("Breedte = 120, Hoogte = 80  (2,40 m x 1,60 m)"));
    }

    void readOutInMetres()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.scale().set(2);
        emit window.Pic(1)->moved(1, Qt::NoButton, Qt::NoModifier, QPointF(120, 45));
        QCOMPARE(window.CoordLabel()->text(), QStringLiteral("X = 120 ,Y = 45\n2,40 m ; 0,90 m"));
        window.scale().set(0);
        emit window.Pic(1)->moved(1, Qt::NoButton, Qt::NoModifier, QPointF(121, 45));
        QCOMPARE(window.CoordLabel()->text(), QStringLiteral("X = 121 ,Y = 45"));
    }

    void scaleOffChangesNothing()
    {
        // The same strokes in a program that never had a scale, in one whose scale
        // was set and switched off again, and in one with the scale on: the first
        // two agree in pixels and texts, the third shows the strokes do measure.
        TestProgram never;
        TestProgram switchedOff;
        TestProgram on;
        switchedOff.start().scale().set(5);
        switchedOff.window().scale().set(0);
        on.start().scale().set(5);
        for (TestProgram* program : {&never, &switchedOff, &on}) {
            MainWindow& window = program == &never ? never.start() : program->window();
            drawRoom(window);
            program->state.CurrentTool = 4;
            drag(window.drawing().engine(), QPoint(20, 100), QPoint(200, 102));
            program->state.CurrentTool = 8;
            window.drawing().engine().press(1, Qt::LeftButton, QPointF(50, 30));
            emit window.Pic(1)->moved(1, Qt::NoButton, Qt::NoModifier, QPointF(120, 45));
        }
        const auto picture = [](TestProgram& p) { return p.window().floors().floor(1).image; };
        const auto texts = [](TestProgram& p) { return p.window().infoLabel()->text() + '|' + p.window().CoordLabel()->text(); };
        QCOMPARE(picture(switchedOff), picture(never));
        QCOMPARE(texts(switchedOff), texts(never));
        QCOMPARE(texts(never), QStringLiteral("Informatie...|X = 120 ,Y = 45"));
        QVERIFY(picture(on) != picture(never));
        QVERIFY(texts(on) != texts(never));
    }

    void dimensionLength_data()
    {
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("text");
        QTest::newRow("level, 5 cm") << 5 << QPoint(40, 200) << QPoint(109, 203) << QStringLiteral("3,45 m");
        QTest::newRow("level reversed, 2 cm") << 2 << QPoint(300, 100) << QPoint(100, 100) << QStringLiteral("4,00 m");
        QTest::newRow("plumb, 10 cm") << 10 << QPoint(200, 60) << QPoint(202, 360) << QStringLiteral("30,00 m");
    }

    void dimensionLength()
    {
        QFETCH(int, centimetres);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QString, text);
        TestProgram program;
        MainWindow& window = program.start();
        window.scale().set(centimetres);
        program.state.CurrentTool = 4;
        program.state.ArrowStyle = 1;
        drag(window.drawing().engine(), from, to);
        const QImage& image = window.floors().floor(1).image;

        // The text alone, printed the same way on white, tells its size.
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        QImage sample(200, 40, QImage::Format_RGB32);
        sample.fill(Qt::white);
        {
            QPainter painter(&sample);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(10, 30), text);
        }
        const QSize textSize = inkIn(sample, sample.rect()).size();
        QVERIFY(textSize.width() > 10);

        const bool level = from.y() == to.y() || std::abs(to.y() - from.y()) <= 5;
        QRect ink;
        if (level) {
            // Above the ticks, which reach 4 rows above the line, and centred on it.
            ink = inkIn(image, QRect(0, 0, image.width(), from.y() - 5));
            QCOMPARE(ink.size(), textSize);
            QVERIFY(std::abs(ink.center().x() - (from.x() + to.x()) / 2) <= 2);
            QVERIFY(ink.bottom() < from.y() - 4);
        } else {
            ink = inkIn(image, QRect(0, 0, from.x() - 4, image.height()));
            QCOMPARE(ink.size(), textSize);
            QVERIFY(std::abs(ink.center().y() - (from.y() + to.y()) / 2) <= 4);
            QVERIFY(ink.right() < from.x() - 4);
        }
    }
};

QTEST_MAIN(TestScaleDrawing)
#include "tst_scaledrawing.moc"
