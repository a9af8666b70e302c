#pragma once

#include <QImage>

#include <array>

// The built-in plan symbols, line samples and arrow samples, addressed by their
// fixed index 0..150. Indices without a picture are simply empty.
class PictureLibrary {
public:
    static constexpr int LastIndex = 150;

    // Reads every picture from the resources :/library/NNN.png.
    PictureLibrary();

    bool has(int index) const;
    // ARGB32; a null image for an empty or out-of-range index.
    QImage picture(int index) const;

private:
    std::array<QImage, LastIndex + 1> m_pictures;
};
