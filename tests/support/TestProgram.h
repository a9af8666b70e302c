#pragma once

#include "Recorders.h"
#include "ScriptedPrompts.h"
#include "shell/Algemeen.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class MainWindow;

// A temporary program folder with the program's sounds and help beside it, and
// a main window built on scripted answers: one per test, nothing shared.
class TestProgram {
public:
    TestProgram();
    ~TestProgram();

    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    // Builds the main window now (after the test has laid out its files).
    MainWindow& start();
    MainWindow& window() { return *m_window; }

    Algemeen state;
    ScriptedPrompts prompts;
    RecordingWavePlayer sound;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};
