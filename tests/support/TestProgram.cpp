#include "TestProgram.h"

#include "app/MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

TestProgram::TestProgram()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("sounds"));
    QDir(m_dir.path()).mkpath(QStringLiteral("examples"));
    folders.program = m_dir.path();
    // The recovery copy lives in the user's data folder: keep it inside this test's folder.
    qputenv("XDG_DATA_HOME", QDir(m_dir.path()).filePath(QStringLiteral("data")).toLocal8Bit());
}

TestProgram::~TestProgram() = default;

QString TestProgram::path(const QString& name) const
{
    return QDir(m_dir.path()).filePath(name);
}

void TestProgram::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TestProgram::readFile(const QString& name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

MainWindow& TestProgram::start()
{
    m_window = std::make_unique<MainWindow>(settings, folders, prompts, sound);
    return *m_window;
}

void TestProgram::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
