#pragma once

#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <optional>

// Where a traced paper plan lies on the canvas: how large, how turned and how
// far shifted its own pixels show. Pure arithmetic, so the calibration can be
// checked to the fraction of a pixel.
struct UnderlayPlacement {
    // The limits a placement read from a file must keep to.
    static constexpr double MinScale = 1e-4;
    static constexpr double MaxScale = 100.0;
    static constexpr double MaxOffset = 1e6;

    double scale = 1.0;   // canvas pixels per pixel of the paper plan
    double angle = 0.0;   // degrees, clockwise as on screen
    QPointF offset;       // where the plan's top-left corner lands on the canvas

    bool isValid() const;
    // From the plan's own pixels to canvas pixels.
    QTransform transform() const;

    // Shows all of a plan `source` pixels large, level and centred on `canvas`.
    void fit(QSizeF source, QSize canvas);
    // Scales about `first` so that the canvas distance from `first` to
    // `second` becomes `canvasPixels`; false when the points coincide.
    bool calibrate(QPointF first, QPointF second, double canvasPixels);
    // Turns about the middle of the two points so that the line through them
    // lies level, or plumb when it is nearer to plumb; false when they coincide.
    bool straighten(QPointF first, QPointF second);
    void moveBy(QPointF distance) { offset += distance; }

    // "4,50", "4.50", " 4 " as metres; nothing for text that is no positive length.
    static std::optional<double> readMetres(const QString& text);
    // The whole centimetres per canvas pixel at which a plan of `source`
    // pixels, `metresPerPixel` metres each, just fits on `canvas`.
    static int fittingCentimetresPerPixel(QSizeF source, double metresPerPixel, QSize canvas);
};
