#pragma once

#include <QObject>

struct AppContext;
class Plan;
class PlanScale;
class PrintCommands;
class QAction;
class QWidget;

// Extra > "Printen op schaal...": only to be chosen while the plan has a scale;
// without one the item says where to set it.
class ScalePrintCommand : public QObject {
    Q_OBJECT
public:
    ScalePrintCommand(AppContext& context, const Plan& plan, const PlanScale& scale, PrintCommands& printing,
                      QAction& menuItem, QWidget* owner);

    // Enables the menu item as the scale is now; call after each change of scale.
    void scaleChanged();
    // Shows the dialog until it closes, or tells where the scale is set.
    void open();

private:
    AppContext& m_context;
    const Plan& m_plan;
    const PlanScale& m_scale;
    PrintCommands& m_printing;
    QAction& m_item;
    QWidget* m_owner;
};
