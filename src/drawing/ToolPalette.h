#pragma once

#include "plan/ToolKind.h"

#include <QObject>

#include <array>
#include <functional>

struct AppContext;
class CanvasWidget;
class Plan;
class PictureLibrary;
class QCheckBox;
class QLabel;
class ToolPanel;

// What happens when the user clicks a tool button or an option image: the
// panel is reset, the tool recorded, its heading, hint and options shown.
class ToolPalette : public QObject {
    Q_OBJECT
public:
    struct Controls {
        ToolPanel& panel;
        QCheckBox& lineStyle;
        std::array<QLabel*, 2> headings;
        std::array<CanvasWidget*, 3> canvases;
    };

    // `openTextDialog` shows the text tool's dialog; it must not block the caller.
    ToolPalette(AppContext& context, Plan& plan, const PictureLibrary& library, Controls controls,
                std::function<void()> openTextDialog, QObject* parent = nullptr);

    void selectTool(ToolKind tool);
    void chooseOption(int index);

private:
    void resetPanel();
    void showOptions(int count, int base);
    void showLibraryOverview();
    void setHeadings(const QString& caption);

    AppContext& m_context;
    Plan& m_plan;
    const PictureLibrary& m_library;
    Controls m_controls;
    std::function<void()> m_openTextDialog;
};
