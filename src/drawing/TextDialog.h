#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>

#include <array>
#include <optional>

struct AppContext;
class CanvasWidget;
class Plan;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The sizes a typed font size may take.
constexpr int SmallestTextSize = 1;
constexpr int LargestTextSize = 200;

// A typed font size as a whole number of points, or nullopt when it is none
// or lies outside 1..200.
std::optional<int> textSizeFrom(const QString& typed);

// The text dialog: asks for the text to place, its size, style and colour, and
// hands them to the current floor and its text preview on "Transfer".
// Created fresh for every opening and deleted when it closes.
class TextDialog : public QDialog {
    Q_OBJECT
public:
    struct Target {
        AppContext& context;
        Plan& plan;
        std::array<QLabel*, 2> headings;
        std::array<CanvasWidget*, 3> canvases;
    };

    TextDialog(Target target, QWidget* parent);

    QImage paletteImage() const { return m_palette; }

    // A press at `at` in the palette picks the colour of the pixel there.
    void pickColour(QPoint at);
    void transferText();

    void done(int result) override;

private:
    QColor chosenColour() const;

    Target m_target;
    QImage m_palette;
    QLabel* m_colourLabel = nullptr;
    QComboBox* m_size = nullptr;
    std::array<QCheckBox*, 3> m_style{};
    QLineEdit* m_text = nullptr;
    QPushButton* m_transfer = nullptr;
};
