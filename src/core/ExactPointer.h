#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class QWindow;
class QWidget;

// Where the pointer really is. Above 100 % display scaling a device-independent
// pixel is several screen pixels wide, yet Qt hands widgets and QCursor::pos()
// positions rounded to whole device-independent pixels: a pointer on the right
// half of a canvas pixel is reported on the next one. Only the events that reach
// the windows themselves still carry the fraction; this watches them for the
// whole application and answers with the exact position of the event that Qt
// rounded, or with Qt's position where it knows no better one.
class ExactPointer : public QObject {
    Q_OBJECT
public:
    explicit ExactPointer(QObject* parent);

    // `reported` is a widget's event position; the result is the same point,
    // in the same widget's coordinates, before Qt rounded it.
    QPointF inWidget(const QWidget& widget, QPointF reported) const;
    // `reported` is a global position such as QCursor::pos().
    QPointF onScreen(QPointF reported) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWindow> m_window;
    QPointF m_inWindow;
    QPointF m_global;
};
