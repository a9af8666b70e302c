#include "ScriptedPrompts.h"

#include <QtTest>

bool ScriptedPrompts::askYesNo(const QString& title, const QString& text)
{
    questions << title + QLatin1Char('|') + text;
    if (yesNoAnswers.isEmpty()) {
        qWarning("Unexpected question: %s", qPrintable(questions.last()));
        return false;
    }
    return yesNoAnswers.dequeue();
}

void ScriptedPrompts::message(const QString& text)
{
    messages << text;
}

std::optional<QString> ScriptedPrompts::askText(const QString& prompt, const QString&)
{
    inputPrompts << prompt;
    if (textAnswers.isEmpty()) {
        qWarning("Unexpected input box: %s", qPrintable(prompt));
        return std::nullopt;
    }
    return textAnswers.dequeue();
}

QString ScriptedPrompts::openFileName(const QString& filter)
{
    fileFilters << filter;
    return openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
}

QString ScriptedPrompts::saveFileName(const QString& filter)
{
    fileFilters << filter;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
}

bool ScriptedPrompts::allAnswersUsed() const
{
    return yesNoAnswers.isEmpty() && textAnswers.isEmpty() && openAnswers.isEmpty() && saveAnswers.isEmpty();
}
