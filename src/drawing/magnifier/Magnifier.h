#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>

class ExactPointer;
class MagnifierView;
struct MagnifierOptions;
struct ToolChoice;

// Shows the screen round the pointer enlarged in the magnifier's view, on a
// 25 ms timer that runs as long as the main window; the ticks do nothing
// while the magnifier is switched off.
class Magnifier : public QObject {
    Q_OBJECT
public:
    // Reads the chosen tool to know whether to look where a symbol lands.
    Magnifier(MagnifierOptions& options, const ToolChoice& tools, MagnifierView& view, QObject* parent);

    void switchOn();
    // Stops the refreshing and shows the idle picture.
    void switchOff();
    // One refresh, when switched on: the pointer's surroundings, enlarged.
    void tick();

    const QTimer& timer() const { return m_timer; }
    // How far down and right of the pointer the enlarged area moves for the chosen tool.
    int shift() const;

    static constexpr int IntervalMs = 25;

private:
    void showIdlePicture();

    MagnifierOptions& m_options;
    const ToolChoice& m_tools;
    MagnifierView& m_view;
    QTimer m_timer;
    QImage m_idle;
    ExactPointer* m_pointer;
};
