#include "app/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

QWidget* QtPrompts::owner() const
{
    // Dialogs opened from a modal dialog belong to that dialog, not to the main window.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_owner;
}

bool QtPrompts::askYesNo(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Rimbano"), text, QMessageBox::Ok, owner());
    box.exec();
}

std::optional<QString> QtPrompts::askText(const QString& prompt, const QString& title)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

QString QtPrompts::openFileName(const QString& filter)
{
    return QFileDialog::getOpenFileName(owner(), QString(), QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString QtPrompts::saveFileName(const QString& filter)
{
    // No default suffix: the name is used exactly as the user typed it.
    return QFileDialog::getSaveFileName(owner(), QString(), QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}
