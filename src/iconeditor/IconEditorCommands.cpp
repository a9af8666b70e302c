#include "iconeditor/IconEditorCommands.h"

#include "core/AppContext.h"
#include "iconeditor/IconEditor.h"
#include "image/IconFile.h"
#include "image/IconOps.h"

#include <QFileInfo>

const QString IconEditorCommands::OpenFilter = QStringLiteral("Rimbano .rbn, Window Icons (*.rbn *.ico)");
const QString IconEditorCommands::SaveFilter = QStringLiteral("Rimbano .rbn (*.rbn)");

IconEditorCommands::IconEditorCommands(IconEditor& editor, AppContext& context)
    : m_editor(editor)
    , m_context(context)
{
}

void IconEditorCommands::run(int index)
{
    m_editor.setTool(index);
    switch (index) {
    case 1: newIcon(); break;
    case 2: load(); break;
    case 3: save(); break;
    case 4: border(); break;
    case 5: m_editor.changeIcon(rotateIconClockwise); break;
    case 6: m_editor.changeIcon(mirrorIcon); break;
    case 7: fill(); break;
    case 8: m_editor.changeIcon(shiftIconLeft); break;
    case 9: m_editor.changeIcon(shiftIconRight); break;
    case 10: m_editor.changeIcon(shiftIconUp); break;
    case 11: m_editor.changeIcon(shiftIconDown); break;
    case 12: m_editor.changeIcon(negateIcon); break;
    case 13: circle(); break;
    case 14: m_editor.startColourPick(); break;
    }
}

void IconEditorCommands::newIcon()
{
    if (m_context.prompts.askYesNo(QStringLiteral(" Nieuw"), QStringLiteral("Wilt u een nieuw Icon ontwerpen ? ")))
        m_editor.clear();
}

void IconEditorCommands::load()
{
    const QString path = m_context.prompts.openFileName(OpenFilter);
    if (path.isEmpty())
        return;
    const std::optional<QImage> picture = readIconPicture(path);
    if (!picture)
        return;
    m_editor.setIcon(*picture);
    m_editor.setCaption(IconEditor::DefaultCaption + QStringLiteral(" / ") + QFileInfo(path).fileName());
}

void IconEditorCommands::save()
{
    const QString path = m_context.prompts.saveFileName(SaveFilter);
    if (path.isEmpty())
        return;
    // A failed save must not pass for a saved icon: the user would close the
    // editor and lose the design.
    if (!writeIconFile(m_editor.icon(), path))
        m_context.prompts.message(QStringLiteral("Het icon kan niet worden opgeslagen als ") + path);
}

std::optional<int> IconEditorCommands::askSize(const QString& prompt, int low)
{
    const std::optional<QString> answer = m_context.prompts.askText(prompt);
    if (!answer)
        return std::nullopt;
    // Anything that is not a whole number (empty, letters) draws nothing.
    bool isNumber = false;
    const int n = answer->trimmed().toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    if (n < low || n > IconCentre) {
        m_context.prompts.message(QStringLiteral("Only numbers between 1..17"));
        return std::nullopt;
    }
    return n;
}

void IconEditorCommands::border()
{
    const std::optional<int> n = askSize(QStringLiteral("Geef de lengte van de rechthoek (0..17)\r\n"
                                                        "waarvan 0 het kleinst is en 17 het grootst."),
                                         0);
    if (n)
        m_editor.changeIcon(drawIconBorder, *n);
}

void IconEditorCommands::circle()
{
    const std::optional<int> n = askSize(QStringLiteral("Geef de diameter van de circel (1..17)\r\n"
                                                        "waarvan 1 het kleinst is en 17 het grootst."),
                                         1);
    if (n)
        m_editor.changeIcon(drawIconCircle, *n);
}

void IconEditorCommands::fill()
{
    if (m_context.prompts.askYesNo(QStringLiteral(" Fill"), QStringLiteral("Wilt u het Icon vullen met de vulkleur? ")))
        m_editor.fill();
}
