#pragma once

#include <QString>

#include <optional>

class IconEditor;
struct AppContext;

// The fourteen buttons of the icon editor, 1 New .. 14 Colorpicker, as
// behaviour on the editor's icon. Questions go through the program's prompts.
class IconEditorCommands {
public:
    static constexpr int Count = 14;

    IconEditorCommands(IconEditor& editor, AppContext& context);

    // A click on button `index`: it becomes the editor's tool, then runs.
    void run(int index);

    static const QString OpenFilter;
    static const QString SaveFilter;

private:
    void newIcon();
    void load();
    void save();
    void border();
    void circle();
    void fill();
    // The size typed for Border or Circle, when it is a number in low..17.
    std::optional<int> askSize(const QString& prompt, int low);

    IconEditor& m_editor;
    AppContext& m_context;
};
