#pragma once

#include "Recorders.h"
#include "ScriptedPrompts.h"
#include "core/AppContext.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class MainWindow;

// The one fixture of every test that needs the program: a temporary program
// folder, scripted answers, recorded sounds and information line, and a main
// window built on them when the test asks for it. One per test, nothing shared.
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

    Settings settings;
    ProgramFolders folders;
    ScriptedPrompts prompts;
    RecordingWavePlayer sound;
    RecordingInfoLine info;
    // For parts tested without the main window.
    AppContext context{settings, folders, prompts, sound, info};

    // A dialog that deletes itself when it closes goes now.
    static void settle();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};
