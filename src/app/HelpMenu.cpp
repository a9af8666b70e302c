#include "app/HelpMenu.h"

#include "app/HelpText.h"
#include "app/MainMenus.h"
#include "core/AppContext.h"

#include <QAction>
#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QUrl>

const QString HelpMenu::SoftwarePage = QStringLiteral("https://rimbano.nl/software");

HelpMenu::HelpMenu(AppContext& context, QPlainTextEdit& helpText, const MainMenus& menus, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_text(helpText)
{
    // Nothing reads the help text back, so typing in it would only mislead.
    m_text.setReadOnly(true);
    connect(menus.help, &QAction::triggered, this, &HelpMenu::toggleHelpText);
    connect(menus.moreSoftware, &QAction::triggered, this, &HelpMenu::openMoreSoftware);
}

void HelpMenu::toggleHelpText()
{
    m_context.playSound(QStringLiteral("space.wav"));
    if (!m_text.isHidden()) {
        m_text.hide();
        return;
    }
    const std::optional<QString> help = readHelpText(m_context.programPath(QStringLiteral("help.txt")));
    if (!help) {
        m_context.prompts.message(QStringLiteral("Kan bestand [Help.txt] niet vinden!"));
        return;
    }
    QString text = *help;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_text.setPlainText(text);
    // The canvases were made after the help area; it must lie above them.
    m_text.raise();
    m_text.show();
}

void HelpMenu::openMoreSoftware()
{
    QDesktopServices::openUrl(QUrl(SoftwarePage));
}
