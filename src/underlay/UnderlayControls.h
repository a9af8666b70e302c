#pragma once

#include "plan/UnderlayFile.h"
#include "underlay/UnderlayReader.h"

#include <QObject>
#include <QPointF>

#include <array>
#include <functional>

class AppContext;
class CanvasWidget;
class Plan;
class PlanScale;
class UnderlayMouse;

// What the user does with the paper plans under the floors: choose one for the
// floor shown, take it away, make it lighter or darker, calibrate it on a known
// length, straighten it and shift it. Each change is kept beside the scale
// file at once, so a restart finds the plans as they were left.
class UnderlayControls : public QObject {
    Q_OBJECT
public:
    // Asked when a calibration needs a plan scale and there is none: shows the
    // scale choice with `suggestion` centimetres per pixel; true once one is set.
    using AskScale = std::function<bool(int suggestion)>;

    UnderlayControls(AppContext& context, Plan& plan, const PlanScale& scale,
                     const std::array<CanvasWidget*, 3>& canvases, AskScale askScale, QObject* parent = nullptr);

    // Reads the kept choices and their pictures; one message names every
    // floor whose file cannot be read, and those floors go on without.
    void restore();

    // The floor shown gets the plan in `path` (`page` for a PDF), fitted to
    // the canvas; false, with a message, when it cannot be read.
    bool choose(const QString& path, int page = 1);
    // Asks for a file (and for a PDF with several pages, which page), then as choose().
    void chooseFile();
    void remove();
    void setStrength(int percent);
    void moveBy(QPointF distance);
    // The next two clicks on the shown floor mark a known length, then its
    // metres are asked; the plan is scaled so that length is true.
    void startCalibration();
    // The next two clicks mark a wall that should be level or plumb.
    void startStraightening();
    void stopPicking();

    // Measures the two picked points against `metresText` and scales the plan.
    bool calibrate(int floor, QPointF first, QPointF second, const QString& metresText);
    bool straighten(int floor, QPointF first, QPointF second);

    // A line for the dialog: what lies under the floor shown.
    QString describeShownFloor() const;
    int shownStrength() const;

signals:
    // Something of the floor shown changed that the dialog shows.
    void changed();

private:
    enum class Picking { Nothing, Calibration, Straightening };

    void startPicking(Picking what, const QString& firstHint);
    void pointsPicked(int floor, QPointF first, QPointF second);
    UnderlaySource readWithHourglass(const QString& path, int page);
    // The floor shown gets the plan read from `path`; a message when there is none.
    bool install(const QString& path, int page, const UnderlaySource& source);
    // After a change of `floor`'s plan: shown, written to the file, told to the window.
    void keep(int floor);
    void show(int floor);
    UnderlayFile::Floors floors();
    bool save();
    bool shownFloorHasPlan();

    AppContext& m_context;
    Plan& m_plan;
    const PlanScale& m_scale;
    std::array<CanvasWidget*, 3> m_canvases;
    AskScale m_askScale;
    UnderlayMouse* m_mouse = nullptr;
    Picking m_picking = Picking::Nothing;
    bool m_saveFailureTold = false;
};
