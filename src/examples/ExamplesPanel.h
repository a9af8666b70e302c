#pragma once

#include "examples/ExampleList.h"

#include <QObject>

class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

// The examples browser at the top of the left panel: a preview of the chosen
// example, a bar to page through them, its name and a button to take it over.
class ExamplesPanel : public QObject {
    Q_OBJECT
public:
    ExamplesPanel(QWidget* frame, const QString& examplesFolder);

    const ExampleList& examples() const { return m_examples; }
    QScrollBar* exampleBar() const { return m_scroll; }
    QPushButton* takeOverButton() const { return m_transport; }

    // Shows example `index` in the preview and its name; an unreadable
    // picture leaves the old preview.
    void showExample(int index);

private:
    ExampleList m_examples;
    QLabel* m_preview = nullptr;
    QScrollBar* m_scroll = nullptr;
    QPushButton* m_transport = nullptr;
    QLabel* m_name = nullptr;
};
