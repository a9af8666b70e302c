#pragma once

#include <QString>

#include <optional>

// The real size of one canvas pixel, for lengths and areas in metres. Off by
// default: then nothing the program draws or says changes.
class PlanScale {
public:
    static constexpr int MaxCentimetresPerPixel = 100;

    int centimetresPerPixel() const { return m_centimetres; }
    bool isOn() const { return m_centimetres > 0; }
    // 0 switches the scale off; anything outside 0..100 is refused.
    bool set(int centimetresPerPixel);

    double metres(double pixels) const { return pixels * m_centimetres / 100.0; }
    double squareMetres(qint64 pixels) const;

    // "3,45 m": two decimals and a decimal comma, as Dutch users write it.
    static QString metresText(double metres);
    static QString areaText(double squareMetres);

    // Kept in its own small file beside the settings file (ScaleFile).
    static QString fileName() { return QStringLiteral("Rimbano-schaal.ini"); }

private:
    int m_centimetres = 0;
};
