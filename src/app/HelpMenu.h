#pragma once

#include <QObject>
#include <QString>

struct AppContext;
struct MainMenus;
class QPlainTextEdit;

// The Help menu: the help text shown over the canvas and hidden again, and
// the web page with more of the maker's software.
class HelpMenu : public QObject {
    Q_OBJECT
public:
    HelpMenu(AppContext& context, QPlainTextEdit& helpText, const MainMenus& menus, QObject* parent);

    // Shows help.txt from the program folder, read anew, or hides it.
    void toggleHelpText();
    void openMoreSoftware();

    static const QString SoftwarePage;

private:
    AppContext& m_context;
    QPlainTextEdit& m_text;
};
