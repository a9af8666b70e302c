#pragma once

#include <QString>

#include <optional>

// Every question the program asks the user goes through this interface, so
// tests can hand in scripted answers instead of blocking on a modal dialog.
class Prompts {
public:
    virtual ~Prompts() = default;

    // Yes/No box without icon, Yes the default. True for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // OK-only box without icon, titled with the program's name.
    virtual void message(const QString& text) = 0;
    // Input box; nullopt when cancelled.
    virtual std::optional<QString> askText(const QString& prompt, const QString& title = {}) = 0;
    // File dialogs take a Qt filter ("Desc (*.a *.b)"); an empty result means cancelled.
    virtual QString openFileName(const QString& filter) = 0;
    // Asks before overwriting an existing file; the name comes back exactly as typed.
    virtual QString saveFileName(const QString& filter) = 0;
};
