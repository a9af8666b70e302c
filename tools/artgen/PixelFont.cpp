#include "PixelFont.h"

#include "Raster.h"

#include <array>
#include <map>

namespace art {

namespace {
using Glyph = std::array<const char*, GlyphHeight>;

const std::map<QChar, Glyph>& glyphs()
{
    static const std::map<QChar, Glyph> table{
        {u'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
        {u'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
        {u'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
        {u'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
        {u'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
        {u'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
        {u'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
        {u'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
        {u'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
        {u'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
        {u'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
        {u'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
        {u'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
        {u'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
        {u'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
        {u'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
        {u'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
        {u'b', {"#....", "#....", "####.", "#...#", "#...#", "#...#", "####."}},
        {u'c', {".....", ".....", ".###.", "#....", "#....", "#....", ".###."}},
    };
    return table;
}
} // namespace

int textWidth(const QString& text, int scale)
{
    return text.isEmpty() ? 0 : (int(text.size()) * (GlyphWidth + 1) - 1) * scale;
}

int drawText(QImage& image, int x, int y, const QString& text, QRgb colour, int scale)
{
    int left = x;
    for (const QChar ch : text) {
        const auto found = glyphs().find(ch);
        if (found == glyphs().end())
            qFatal("artgen: no glyph for '%s'", qPrintable(QString(ch)));
        for (int row = 0; row < GlyphHeight; ++row)
            for (int col = 0; col < GlyphWidth; ++col)
                if (found->second[size_t(row)][col] == '#')
                    fillBox(image, left + col * scale, y + row * scale, left + (col + 1) * scale - 1,
                            y + (row + 1) * scale - 1, colour);
        left += (GlyphWidth + 1) * scale;
    }
    return textWidth(text, scale);
}

} // namespace art
