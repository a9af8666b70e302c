#pragma once

#include "core/Prompts.h"

class QWidget;

// The real dialogs, owned by the window they belong to.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    bool askYesNo(const QString& title, const QString& text) override;
    void message(const QString& text) override;
    std::optional<QString> askText(const QString& prompt, const QString& title) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter) override;

private:
    QWidget* owner() const;
    QWidget* m_owner = nullptr;
};
