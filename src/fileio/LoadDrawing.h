#pragma once

#include <QString>

#include <functional>

struct AppContext;
class Plan;

// File > Load: a JPG or BMP picture of one to three floors side by side is
// cut back into the floors by its width.
class LoadDrawing {
public:
    // `floorsChanged` repaints the canvases after their pictures were replaced.
    LoadDrawing(AppContext& context, Plan& plan, std::function<void()> floorsChanged);

    void load();
    // Loads the picture at `path` as if it had been chosen in the dialog.
    void loadFile(const QString& path);

    static QString fileFilter();
    static QString loadedText(int floorCount);
    static QString widthMismatchText(int suggestedWidth);

private:
    AppContext& m_context;
    Plan& m_plan;
    std::function<void()> m_floorsChanged;
};
