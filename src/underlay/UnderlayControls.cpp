#include "underlay/UnderlayControls.h"

#include "core/AppContext.h"
#include "fileio/WaitCursor.h"
#include "floors/CanvasWidget.h"
#include "plan/Plan.h"
#include "plan/PlanScale.h"
#include "plan/UnderlayFile.h"
#include "underlay/UnderlayMouse.h"

#include <QFileInfo>
#include <QLineF>
#include <QTimer>

namespace {
QString floorWord(int floor)
{
    return Plan::floorName(floor).toLower();
}

// Said when two picked points coincide: they measure nothing and turn nothing.
const QString& twoPointsWanted()
{
    static const QString text = QStringLiteral("Klik twee verschillende punten op de onderlegger aan.");
    return text;
}
} // namespace

UnderlayControls::UnderlayControls(AppContext& context, Plan& plan, const PlanScale& scale,
                                   const std::array<CanvasWidget*, 3>& canvases, AskScale askScale, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_plan(plan)
    , m_scale(scale)
    , m_canvases(canvases)
    , m_askScale(std::move(askScale))
{
    for (int f = 1; f <= 3; ++f)
        m_canvases[size_t(f - 1)]->setUnderlay(&m_plan.underlay(f));
    m_mouse = new UnderlayMouse(
        m_canvases, [this](int floor) { return m_plan.underlay(floor).isShown(); }, this);
    connect(m_mouse, &UnderlayMouse::firstPointPicked, this,
            [this] { m_context.showInfoText(QStringLiteral("Klik nu op het tweede punt.")); });
    // Finished once the click is over: the questions that follow must not
    // open from inside the canvas's mouse handling.
    connect(m_mouse, &UnderlayMouse::pointsPicked, this, [this](int floor, QPointF first, QPointF second) {
        QTimer::singleShot(0, this, [this, floor, first, second] { pointsPicked(floor, first, second); });
    });
    connect(m_mouse, &UnderlayMouse::dragged, this, [this](int floor, QPointF distance) {
        m_plan.underlay(floor).placement.moveBy(distance);
        show(floor);
    });
    connect(m_mouse, &UnderlayMouse::dragFinished, this, [this] { save(); });
    // Clicks awaited on the floor left behind would never come.
    connect(m_mouse, &UnderlayMouse::floorShown, this, [this] {
        stopPicking();
        emit changed();
    });
}

void UnderlayControls::restore()
{
    const QString path = UnderlayFile::path(m_context.folders.writableFolder());
    if (!UnderlayFile::read(path, floors()))
        return;
    QStringList missing;
    {
        WaitCursor wait;
        for (int f = 1; f <= 3; ++f) {
            Underlay& underlay = m_plan.underlay(f);
            if (!underlay.isChosen())
                continue;
            const UnderlaySource source = UnderlayReader::read(underlay.file, underlay.page);
            if (source.picture.isNull())
                missing << QStringLiteral("de ") + floorWord(f) + QStringLiteral(": ") + underlay.file;
            else
                underlay.setPicture(source.picture, source.sourceSize);
            show(f);
        }
    }
    // The choice stays in the file, so the plan is back once its file is.
    if (!missing.isEmpty())
        m_context.prompts.message(QStringLiteral("De onderlegger kan niet worden gelezen voor ")
                                  + missing.join(QStringLiteral(", ")) + QStringLiteral(".\r\n")
                                  + QStringLiteral("Die verdieping gaat verder zonder onderlegger."));
    emit changed();
}

bool UnderlayControls::choose(const QString& path, int page)
{
    return install(path, page, readWithHourglass(path, page));
}

void UnderlayControls::chooseFile()
{
    stopPicking();
    const QString path = m_context.prompts.openFileName(UnderlayReader::fileFilter());
    if (path.isEmpty())
        return;
    // The first page tells how many there are; whatever the file is called,
    // only a PDF has more than one.
    UnderlaySource source = readWithHourglass(path, 1);
    int page = 1;
    if (source.pageCount > 1) {
        const std::optional<QString> answer = m_context.prompts.askText(
            QStringLiteral("Welke pagina (1 tot ") + QString::number(source.pageCount) + QStringLiteral(")?"),
            QStringLiteral(" Onderlegger"));
        if (!answer)
            return;
        bool ok = false;
        page = answer->trimmed().toInt(&ok);
        if (!ok || page < 1 || page > source.pageCount) {
            m_context.prompts.message(QStringLiteral("Typ een paginanummer van 1 tot ")
                                      + QString::number(source.pageCount) + QLatin1Char('.'));
            return;
        }
        if (page != 1)
            source = readWithHourglass(path, page);
    }
    install(path, page, source);
}

UnderlaySource UnderlayControls::readWithHourglass(const QString& path, int page)
{
    WaitCursor wait;
    return UnderlayReader::read(path, page);
}

bool UnderlayControls::install(const QString& path, int page, const UnderlaySource& source)
{
    if (source.picture.isNull()) {
        m_context.prompts.message(source.error);
        return false;
    }
    const int floor = m_plan.currentFloor();
    Underlay& underlay = m_plan.underlay(floor);
    const int strength = underlay.strength();
    underlay.forget();
    underlay.file = QFileInfo(path).absoluteFilePath();
    underlay.page = page;
    underlay.setStrength(strength);
    underlay.setPicture(source.picture, source.sourceSize);
    underlay.placement.fit(source.sourceSize, m_plan.floor(floor).image.size());
    keep(floor);
    return true;
}

void UnderlayControls::remove()
{
    stopPicking();
    const int floor = m_plan.currentFloor();
    m_plan.underlay(floor).forget();
    keep(floor);
}

void UnderlayControls::setStrength(int percent)
{
    const int floor = m_plan.currentFloor();
    Underlay& underlay = m_plan.underlay(floor);
    if (underlay.strength() == percent)
        return;
    underlay.setStrength(percent);
    show(floor);
    if (underlay.isChosen())
        save();
}

void UnderlayControls::moveBy(QPointF distance)
{
    const int floor = m_plan.currentFloor();
    if (!m_plan.underlay(floor).isShown())
        return;
    m_plan.underlay(floor).placement.moveBy(distance);
    show(floor);
    save();
}

bool UnderlayControls::shownFloorHasPlan()
{
    if (m_plan.underlay(m_plan.currentFloor()).isShown())
        return true;
    m_context.prompts.message(QStringLiteral("Kies eerst een onderlegger voor de ")
                              + floorWord(m_plan.currentFloor()) + QLatin1Char('.'));
    return false;
}

void UnderlayControls::startCalibration()
{
    startPicking(Picking::Calibration, QStringLiteral("Klik op het begin van een bekende maat op de onderlegger."));
}

void UnderlayControls::startStraightening()
{
    startPicking(Picking::Straightening,
                 QStringLiteral("Klik op het begin van een muur die recht hoort te staan."));
}

void UnderlayControls::startPicking(Picking what, const QString& firstHint)
{
    if (!shownFloorHasPlan())
        return;
    m_picking = what;
    m_mouse->pickTwoPoints(m_plan.currentFloor());
    m_context.showInfoText(firstHint);
}

void UnderlayControls::stopPicking()
{
    if (m_picking == Picking::Nothing)
        return;
    m_picking = Picking::Nothing;
    m_mouse->stopPicking();
    m_context.showInfoText(QString());
}

void UnderlayControls::pointsPicked(int floor, QPointF first, QPointF second)
{
    const Picking what = m_picking;
    m_picking = Picking::Nothing;
    m_context.showInfoText(QString());
    if (what == Picking::Straightening) {
        straighten(floor, first, second);
        return;
    }
    if (what != Picking::Calibration)
        return;
    const std::optional<QString> answer = m_context.prompts.askText(
        QStringLiteral("Hoeveel meter liggen deze twee punten uit elkaar?"), QStringLiteral(" Onderlegger"));
    if (answer)
        calibrate(floor, first, second, *answer);
}

bool UnderlayControls::calibrate(int floor, QPointF first, QPointF second, const QString& metresText)
{
    Underlay& underlay = m_plan.underlay(floor);
    const double shown = QLineF(first, second).length();
    if (!underlay.isShown() || shown < 1.0) {
        m_context.prompts.message(twoPointsWanted());
        return false;
    }
    const std::optional<double> metres = UnderlayPlacement::readMetres(metresText);
    if (!metres) {
        m_context.prompts.message(QStringLiteral("Typ een lengte in meters, bijvoorbeeld 4,50."));
        return false;
    }
    if (!m_scale.isOn()) {
        const double metresPerSourcePixel = *metres * underlay.placement.scale / shown;
        const int suggestion = UnderlayPlacement::fittingCentimetresPerPixel(
            underlay.sourceSize(), metresPerSourcePixel, m_plan.floor(floor).image.size());
        if (!m_askScale(suggestion) || !m_scale.isOn())
            return false;
    }
    if (!underlay.placement.calibrate(first, second, *metres * 100.0 / m_scale.centimetresPerPixel())) {
        m_context.prompts.message(QStringLiteral("Zo groot of zo klein kan de onderlegger niet worden getoond."));
        return false;
    }
    keep(floor);
    return true;
}

bool UnderlayControls::straighten(int floor, QPointF first, QPointF second)
{
    if (!m_plan.underlay(floor).placement.straighten(first, second)) {
        m_context.prompts.message(twoPointsWanted());
        return false;
    }
    keep(floor);
    return true;
}

QString UnderlayControls::describeShownFloor() const
{
    const int floor = m_plan.currentFloor();
    const Underlay& underlay = m_plan.underlay(floor);
    QString text = Plan::floorName(floor) + QStringLiteral(": ");
    if (!underlay.isChosen())
        return text + QStringLiteral("geen onderlegger");
    text += QFileInfo(underlay.file).fileName();
    if (underlay.file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        text += QStringLiteral(", pagina ") + QString::number(underlay.page);
    if (!underlay.isShown())
        text += QStringLiteral(" (niet te lezen)");
    return text;
}

int UnderlayControls::shownStrength() const
{
    return m_plan.underlay(m_plan.currentFloor()).strength();
}

void UnderlayControls::keep(int floor)
{
    show(floor);
    save();
    emit changed();
}

void UnderlayControls::show(int floor)
{
    m_plan.renderUnderlay(floor);
    m_canvases[size_t(floor - 1)]->update();
}

UnderlayFile::Floors UnderlayControls::floors()
{
    return {&m_plan.underlay(1), &m_plan.underlay(2), &m_plan.underlay(3)};
}

bool UnderlayControls::save()
{
    const QString path = UnderlayFile::path(m_context.folders.writableFolder());
    if (UnderlayFile::write(path, floors()))
        return true;
    // Once is enough: every arrow key would ask again.
    if (!m_saveFailureTold)
        m_context.prompts.message(QStringLiteral("De onderlegger kan niet worden bewaard in ") + path
                                  + QStringLiteral("."));
    m_saveFailureTold = true;
    return false;
}
