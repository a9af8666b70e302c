#pragma once

#include <QDialog>

#include <array>

class MainWindow;
struct MagnifierOptions;
struct Settings;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The configuration dialog: the save format, the magnifier's enlargement and
// cross hairs, and the canvas width. Every change takes effect at once on the
// settings, the magnifier and the main window; there is nothing to cancel.
class ConfigDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConfigDialog(MainWindow& main);


private:
    void buildControls();
    void zoomChanged(int value);
    void showZoom(int value);
    void hairsToggled(bool checked);
    void widthChanged(int value);

    MainWindow& m_main;
    Settings& m_settings;
    MagnifierOptions& m_magnifier;
    std::array<QRadioButton*, 2> m_format{};
    QScrollBar* m_zoom = nullptr;
    QLabel* m_zoomText = nullptr;
    QCheckBox* m_hairs = nullptr;
    QScrollBar* m_width = nullptr;
    QLabel* m_widthText = nullptr;
    QLabel* m_picture = nullptr;
    QPushButton* m_ok = nullptr;
};

// The width bar's position for an extra canvas width in twips: one step per
// 300 twips (20 pixels), rounded to the nearest step, halves to even.
int widthStepFor(int canvasExtraWidth);

// Menu Extra > Configuratie: the opening sound, then the dialog, modally.
void openConfigDialog(MainWindow& main);
