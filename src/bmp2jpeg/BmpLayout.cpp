#include "bmp2jpeg/BmpLayout.h"

namespace {
// The largest side a JPEG file can describe.
constexpr std::int64_t MaxSide = 65500;

std::uint32_t get16(const std::uint8_t* b, std::size_t at)
{
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8;
}

std::uint32_t get32(const std::uint8_t* b, std::size_t at)
{
    return get16(b, at) | get16(b, at + 2) << 16;
}
} // namespace

std::uint64_t BmpLayout::rowOffset(int y) const
{
    const int stored = bottomUp ? height - 1 - y : y;
    return offset + rowBytes * std::uint64_t(stored);
}

std::optional<BmpLayout> parseBmp24(const std::uint8_t* headers, std::uint64_t fileSize)
{
    if (fileSize < BmpLayout::HeadersSize || headers[0] != 'B' || headers[1] != 'M')
        return std::nullopt;
    const std::uint32_t offset = get32(headers, 10);
    const std::uint32_t headerSize = get32(headers, 14);
    const std::int64_t width = std::int32_t(get32(headers, 18));
    const std::int64_t signedHeight = std::int32_t(get32(headers, 22));
    const std::uint32_t planes = get16(headers, 26);
    const std::uint32_t bitsPerPixel = get16(headers, 28);
    const std::uint32_t compression = get32(headers, 30);

    // Header sizes of the Windows 3, 4 and 5 bitmap headers.
    if (headerSize != 40 && headerSize != 108 && headerSize != 124)
        return std::nullopt;
    if (planes != 1 || bitsPerPixel != 24 || compression != 0)
        return std::nullopt;
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width < 1 || width > MaxSide || height < 1 || height > MaxSide)
        return std::nullopt;
    const std::uint64_t rowBytes = (std::uint64_t(width) * 3 + 3) & ~std::uint64_t(3);
    if (offset < 14 + std::uint64_t(headerSize) || offset + rowBytes * std::uint64_t(height) > fileSize)
        return std::nullopt;

    BmpLayout layout;
    layout.width = int(width);
    layout.height = int(height);
    layout.offset = offset;
    layout.rowBytes = rowBytes;
    layout.bottomUp = signedHeight > 0;
    return layout;
}
