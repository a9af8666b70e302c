#pragma once

// Shared by the tests of the paper plans under the floors: the drawing tools
// on three canvases with the plans' controls on top, wired as the main window
// wires them, and what a user reads off the screen.

#include "DrawingRig.h"
#include "PlanPage.h"

#include "floors/CanvasWidget.h"
#include "image/Primitives.h"
#include "image/TextStamp.h"
#include "image/Twips.h"
#include "plan/PlanScale.h"
#include "underlay/UnderlayControls.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

inline constexpr QRgb White = qRgb(255, 255, 255);

// The drawing tools on three canvases, with the paper plans' controls on top.
struct UnderlayRig : PointerRig {
    PlanScale scale;
    std::array<CanvasWidget*, 3> canvases{};
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QList<int> suggestions;
    int answerScale = 0; // what the scale question sets; 0 cancels it
    std::unique_ptr<UnderlayControls> controls;

    explicit UnderlayRig(int centimetres = 0)
    {
        scale.set(centimetres);
        engine.setScale(&scale);
        for (int f = 1; f <= 3; ++f) {
            canvases[size_t(f - 1)] = new CanvasWidget(f, plan.floor(f), window.get());
            CanvasWidget* canvas = canvases[size_t(f - 1)];
            canvas->resize(plan.floor(f).image.size());
            // Wired to the tools as the main window wires them.
            using Buttons = Qt::MouseButtons;
            QObject::connect(canvas, &CanvasWidget::pressed, [this](int floor, Buttons b, auto, QPointF at) { engine.press(floor, b, at); });
            QObject::connect(canvas, &CanvasWidget::moved, [this](int floor, Buttons b, auto, QPointF at) { engine.move(floor, b, at); });
            QObject::connect(canvas, &CanvasWidget::released, [this](int floor, Buttons b, auto, QPointF at) { engine.release(floor, b, at); });
        }
        controls = std::make_unique<UnderlayControls>(context, plan, scale, canvases, [this](int suggestion) {
            suggestions << suggestion;
            return answerScale > 0 && scale.set(answerScale);
        });
        window->show();
    }

    // What the canvas of `floor` shows.
    QImage screen(int floor = 1)
    {
        QImage shown(plan.floor(floor).image.size(), QImage::Format_RGB32);
        QPainter painter(&shown);
        canvases[size_t(floor - 1)]->renderPicture(painter, shown.rect());
        return shown;
    }

    void click(QPoint at) { QTest::mouseClick(canvases[0], Qt::LeftButton, Qt::NoModifier, at); }

    // Where the user sees the end of a length: the darkest pixel beside the
    // line on its end tick, near where `page` puts it.
    QPoint seenEnd(const PlanPage& page, QPointF onPage, bool level)
    {
        const QTransform toCanvas = page.turn * plan.underlay(1).placement.transform();
        const QPoint guess = toCanvas.map(onPage).toPoint();
        const QImage shown = screen();
        QPoint best = guess;
        int darkest = 256;
        for (int step = -4; step <= 4; ++step) {
            // Four pixels off the line itself, along the tick.
            const QPoint p = level ? QPoint(guess.x() + step, guess.y() - 4) : QPoint(guess.x() - 4, guess.y() + step);
            if (shown.rect().contains(p) && qRed(shown.pixel(p)) < darkest) {
                darkest = qRed(shown.pixel(p));
                best = level ? QPoint(p.x(), guess.y()) : QPoint(guess.x(), p.y());
            }
        }
        return best;
    }

    // Shifts the plan with the arrow keys' steps until `onPage` sits mid-canvas.
    void bringToMiddle(const PlanPage& page, QPointF onPage)
    {
        const QPointF at = (page.turn * plan.underlay(1).placement.transform()).map(onPage);
        const QPointF middle(plan.canvasWidth() / 2.0, CanvasHeight / 2.0);
        controls->moveBy(QPointF(std::round(middle.x() - at.x()), std::round(middle.y() - at.y())));
    }

    // The length the dimension tool writes for a drag from `from` to `to`:
    // its text read back from the picture against every candidate reading.
    double dimensionMetres(QPoint from, QPoint to, bool level)
    {
        // Drawn as the user does, along the length's line.
        (level ? to.ry() : to.rx()) = level ? from.y() : from.x();
        image().fill(White);
        plan.toolChoice.current = ToolKind::Dimension;
        plan.toolChoice.arrowStyle = 1;
        drag(from, {to});
        const QImage drawn = level ? image().copy(0, 0, image().width(), from.y() - 5) : image().copy(0, 0, from.x() - 4, image().height());
        const QImage text = drawn.copy(inkedArea(drawn));
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        for (int cm = 1; cm < 2000; ++cm) {
            QImage sample = filled(200, White, 40);
            drawText(sample, QPoint(10, 10), PlanScale::metresText(cm / 100.0), font, qRgb(0, 0, 0));
            if (sample.copy(inkedArea(sample)) == text)
                return cm / 100.0;
        }
        return -1;
    }

    // Calibrates on the page's reference by clicking its ends as a user does.
    void calibrateOnReference(const PlanPage& page)
    {
        bringToMiddle(page, page.reference.line.center());
        prompts.textAnswers.enqueue(QStringLiteral("10,00"));
        controls->startCalibration();
        click(seenEnd(page, page.reference.line.p1(), true));
        click(seenEnd(page, page.reference.line.p2(), true));
        QTRY_VERIFY(prompts.textAnswers.isEmpty());
    }
};

inline QString writePage(const QTemporaryDir& dir, const PlanPage& page)
{
    const QString path = dir.filePath(QStringLiteral("plan.png"));
    page.image.save(path);
    return path;
}
