#pragma once

#include "core/Prompts.h"

#include <QQueue>
#include <QString>
#include <QStringList>

// Hands the program answers prepared by a test and records every question,
// so no test ever waits on a modal dialog. A question without a prepared
// answer fails the test loudly instead of guessing.
class ScriptedPrompts : public Prompts {
public:
    QQueue<bool> yesNoAnswers;
    QQueue<std::optional<QString>> textAnswers;
    QQueue<QString> openAnswers;
    QQueue<QString> saveAnswers;

    // "title|text" for questions, the text for messages, the prompt for inputs.
    QStringList questions;
    QStringList messages;
    QStringList inputPrompts;
    QStringList fileFilters;

    bool askYesNo(const QString& title, const QString& text) override;
    void message(const QString& text) override;
    std::optional<QString> askText(const QString& prompt, const QString& title) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter) override;

    bool allAnswersUsed() const;
};
