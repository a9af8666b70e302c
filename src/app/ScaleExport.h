#pragma once

#include <QImage>
#include <QString>

#include <optional>

// The command line's `--scale 1:N [--cm-per-pixel N]`: the floors of a saved
// drawing printed to scale into a PDF file, one floor a page, as Extra >
// "Printen op schaal..." prints them.
namespace ScaleExport {

struct Choice {
    int ratio = 0;
    int centimetresPerPixel = 0;
};

// What the options ask for, or why not: the exit code and the message.
struct Outcome {
    int code = 0;
    QString message;
};

// Reads `--scale` and `--cm-per-pixel`; without the latter, the scale kept in
// `scaleFile` beside the settings. Refuses with an Outcome when either is bad
// or there is no scale at all.
std::optional<Outcome> choose(const QString& ratioText, const std::optional<QString>& centimetresText,
                              const QString& scaleFile, Choice& choice);

// Writes one page for each of the `floorCount` floors (of `floorWidth` pixels)
// that holds a drawing.
Outcome write(const Choice& choice, const QImage& picture, int floorCount, int floorWidth, const QString& title,
              const QString& output);

} // namespace ScaleExport
