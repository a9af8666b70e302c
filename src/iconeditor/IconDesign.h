#pragma once

#include "iconeditor/IconEditor.h"
#include "iconeditor/IconEditorCommands.h"

#include <QDialog>

#include <array>

class IconGrid;
class IconPalette;
class QLabel;
class QToolButton;
struct AppContext;

// The icon editor's window: the button row, the enlarged grid, the preview at
// true size, the palette, the drawing colour and the cell under the pointer.
// Every opening starts from a white icon and a black drawing colour.
class IconDesign : public QDialog {
    Q_OBJECT
public:
    IconDesign(AppContext& context, QWidget* parent = nullptr);

    IconEditor& editor() { return m_editor; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildButtons();
    void showIcon();
    void showColour(QRgb colour);
    void enableButtons(bool enabled);

    IconEditor m_editor;
    IconEditorCommands m_commands;
    IconGrid* m_grid = nullptr;
    QLabel* m_preview = nullptr;
    IconPalette* m_palette = nullptr;
    QLabel* m_colour = nullptr;
    QLabel* m_coords = nullptr;
    std::array<QToolButton*, IconEditorCommands::Count> m_buttons{};
};

// Extra > Icon Editor: the opening sound, then the editor until it is closed.
void openIconEditor(AppContext& context, QWidget* parent);
