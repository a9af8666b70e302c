#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

struct AppContext;
class Plan;

// File > Save: one, two or three floors side by side in one JPG or BMP file.
class SaveDrawing {
public:
    SaveDrawing(AppContext& context, const Plan& plan);
    virtual ~SaveDrawing() = default;

    // Saves the first `count` floors (1..3) under a name the user chooses.
    void saveFloors(int count);

    static QString failureText(const QString& path);

protected:
    // The names of the plain files in the folder the temporary bitmap is
    // written to: the program folder, or where an installed program writes.
    virtual QStringList temporaryFolderFiles() const;

private:
    enum class Outcome { Saved, Failed, TemporaryMissing };
    Outcome writeJpg(const QImage& composite, const QString& target, QString* failedPath) const;

    AppContext& m_context;
    const Plan& m_plan;
};
