// Rimbano's artwork generator: draws every picture the program carries (the
// symbol library, the button pictures and the decorative pictures) and writes
// them as PNG files under the assets folder, together with the resource file
// assets/images.qrc that embeds them. The same run always gives the same bytes.
//
// From the repository root:
//   cmake -S tools/artgen -B build-artgen && make -C build-artgen && ./build-artgen/artgen assets
//
// `--contact FILE` also writes the library enlarged four times with index
// labels, and `--demo FILE` a small plan with symbols placed on its walls as
// the program places them; both are for looking the artwork over and are not
// part of the assets.

#include "Art.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTextStream>

#include <cstdio>

namespace {

// The library indices the program's palette and overview expect, no more, no less.
QSet<int> expectedLibraryIndices()
{
    QSet<int> indices;
    const int ranges[][2] = {{0, 5}, {9, 22}, {25, 33}, {40, 57}, {60, 62}, {80, 90}, {99, 125}, {130, 139}};
    for (const auto& range : ranges)
        for (int i = range[0]; i <= range[1]; ++i)
            indices.insert(i);
    return indices;
}

void checkLibrary(const art::Library& library)
{
    QSet<int> made;
    for (const auto& [index, picture] : library) {
        made.insert(index);
        const int side = index == 99 ? 101 : art::SymbolSize;
        if (picture.width() != side || picture.height() != side)
            qFatal("artgen: library picture %d is %dx%d, not %dx%d", index, picture.width(), picture.height(),
                   side, side);
    }
    if (made != expectedLibraryIndices())
        qFatal("artgen: the library does not hold exactly the expected indices");
}

void save(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG"))
        qFatal("artgen: cannot write %s", qPrintable(path));
}

struct Section {
    QString prefix;
    QStringList files; // relative to the assets folder
};

void writeQrc(const QString& path, const QList<Section>& sections)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("artgen: cannot write %s", qPrintable(path));
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<!-- Written by tools/artgen; regenerate instead of editing. -->\n<RCC version=\"1.0\">\n";
    for (const Section& section : sections) {
        out << "<qresource prefix=\"/" << section.prefix << "\">\n";
        for (const QString& file : section.files)
            out << "    <file alias=\"" << QFileInfo(file).fileName() << "\">" << file << "</file>\n";
        out << "</qresource>\n";
    }
    out << "</RCC>\n";
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    QString contactPath, demoPath;
    bool usable = !args.isEmpty() && args.size() % 2 == 1;
    for (qsizetype i = 1; usable && i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--contact"))
            contactPath = args[i + 1];
        else if (args[i] == QLatin1String("--demo"))
            demoPath = args[i + 1];
        else
            usable = false;
    }
    if (!usable) {
        std::fprintf(stderr, "usage: artgen ASSETS_DIR [--contact SHEET.png] [--demo PLAN.png]\n");
        return 2;
    }
    const QDir assets(args[0]);

    art::Library library;
    art::drawLineSamples(library);
    art::drawExtras(library);
    art::drawSanitary(library);
    art::drawKitchen(library);
    art::drawDoors(library);
    art::drawWindows(library);
    art::drawFurniture(library);
    art::drawArrows(library);
    art::drawMagnifierIdle(library);
    art::drawWallPieces(library);
    art::drawStairs(library);
    checkLibrary(library);

    art::Pictures buttons;
    art::drawToolButtons(library, buttons);
    art::drawPanelButtons(buttons);
    art::drawEditorButtons(buttons);
    art::Pictures pictures;
    art::drawPictures(library, pictures);

    Section librarySection{"library", {}};
    for (const auto& [index, picture] : library) {
        const QString file = QStringLiteral("library/%1.png").arg(index, 3, 10, QLatin1Char('0'));
        save(picture, assets.filePath(file));
        librarySection.files << file;
    }
    Section buttonSection{"buttons", {}};
    for (const auto& [name, picture] : buttons) {
        const QString file = QStringLiteral("buttons/%1.png").arg(name);
        save(picture, assets.filePath(file));
        buttonSection.files << file;
    }
    Section pictureSection{"pictures", {}};
    for (const auto& [name, picture] : pictures) {
        const QString file = QStringLiteral("pictures/%1.png").arg(name);
        save(picture, assets.filePath(file));
        pictureSection.files << file;
    }
    writeQrc(assets.filePath("images.qrc"), {librarySection, buttonSection, pictureSection});

    if (!contactPath.isEmpty())
        save(art::contactSheet(library, 4), contactPath);
    if (!demoPath.isEmpty())
        save(art::demoPlan(library), demoPath);
    return 0;
}
