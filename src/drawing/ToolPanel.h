#pragma once

#include "drawing/ToolTable.h"

#include <QFrame>

#include <array>

class QLabel;
class QScrollBar;
class QToolButton;

// The tool panel: twenty tool buttons, the eraser-size row and the strip of
// ten option images for the chosen tool.
class ToolPanel : public QFrame {
    Q_OBJECT
public:
    explicit ToolPanel(QWidget* parent);

    QLabel* optionImage(int index) const { return m_options[size_t(index - 1)]; }
    QLabel* eraserBackdrop() const { return m_gumBack; }
    QScrollBar* eraserSizeBar() const { return m_gumScroll; }
    QLabel* eraserSizeLabel() const { return m_gumLabel; }

signals:
    void toolClicked(ToolKind tool);
    void optionClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QToolButton*, ToolCount> m_tools{};
    std::array<QLabel*, 10> m_options{};
    QLabel* m_gumBack = nullptr;
    QScrollBar* m_gumScroll = nullptr;
    QLabel* m_gumLabel = nullptr;
};
