#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>

struct Algemeen;
class ExactPointer;
class MagnifierView;

// Shows the screen round the pointer enlarged in the magnifier's view, on a
// 25 ms timer that runs as long as the main window; the ticks do nothing
// while the magnifier is switched off.
class Magnifier : public QObject {
    Q_OBJECT
public:
    Magnifier(Algemeen& state, MagnifierView& view, QObject* parent);

    void switchOn();
    // Stops the refreshing and shows the idle picture.
    void switchOff();
    // One refresh, when switched on: the pointer's surroundings, enlarged.
    void tick();

    const QTimer& timer() const { return m_timer; }

    static constexpr int IntervalMs = 25;

private:
    void showIdlePicture();

    Algemeen& m_state;
    MagnifierView& m_view;
    QTimer m_timer;
    QImage m_idle;
    ExactPointer* m_pointer;
};
