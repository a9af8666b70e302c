// Draws the example floor plans that ship in the program folder's examples/
// and writes each as a 350 x 455 JPG through the program's own converter, at
// the quality the program saves with. The same run gives the same pictures.
//
// From the repository root (the symbol library must have been generated):
//   cmake -S tools/examplegen -B build-examplegen && make -C build-examplegen && ./build-examplegen/examplegen assets/examples

#include "PlanSheet.h"
#include "Plans.h"

#include "bmp2jpeg/Bmp2Jpeg.h"
#include "image/BmpFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: examplegen EXAMPLES_DIR\n");
        return 2;
    }
    const QDir folder(args[1]);
    if (!QDir().mkpath(folder.path()))
        qFatal("examplegen: cannot make %s", qPrintable(folder.path()));

    const PictureLibrary library;
    const QString bitmap = folder.filePath(QStringLiteral("examplegen.bmp"));
    for (const ExamplePlan& plan : examplePlans()) {
        PlanSheet sheet(library);
        plan.draw(sheet);
        QString error;
        if (!writeBmp24(sheet.image(), bitmap, &error))
            qFatal("examplegen: cannot write %s: %s", qPrintable(bitmap), qPrintable(error));
        const QString target = folder.filePath(plan.fileName);
        if (!BmpToJpeg(QFile::encodeName(bitmap).constData(), QFile::encodeName(target).constData(), 100))
            qFatal("examplegen: cannot write %s", qPrintable(target));
        std::printf("%s\n", qPrintable(target));
    }
    QFile::remove(bitmap);
    return 0;
}
