#include "bmp2jpeg/BmpPixels.h"

#include <cstdio>
#include <memory>

namespace {
// The largest side a JPEG file can describe.
constexpr std::int64_t MaxSide = 65500;
// Far beyond any drawing; a file claiming more is not read at all.
constexpr long MaxFileBytes = 256L * 1024 * 1024;

std::uint32_t get16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8;
}

std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return get16(b, at) | get16(b, at + 2) << 16;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
} // namespace

const std::uint8_t* BmpPixels::row(int y) const
{
    const int stored = bottomUp ? height - 1 - y : y;
    return file.data() + offset + rowBytes * std::size_t(stored);
}

std::optional<BmpPixels> parseBmp24(std::vector<std::uint8_t> file)
{
    constexpr std::size_t HeadersSize = 14 + 40;
    if (file.size() < HeadersSize || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::uint32_t offset = get32(file, 10);
    const std::uint32_t headerSize = get32(file, 14);
    const std::int64_t width = std::int32_t(get32(file, 18));
    const std::int64_t signedHeight = std::int32_t(get32(file, 22));
    const std::uint32_t planes = get16(file, 26);
    const std::uint32_t bitsPerPixel = get16(file, 28);
    const std::uint32_t compression = get32(file, 30);

    // Header sizes of the Windows 3, 4 and 5 bitmap headers.
    if (headerSize != 40 && headerSize != 108 && headerSize != 124)
        return std::nullopt;
    if (planes != 1 || bitsPerPixel != 24 || compression != 0)
        return std::nullopt;
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width < 1 || width > MaxSide || height < 1 || height > MaxSide)
        return std::nullopt;
    const std::uint64_t rowBytes = (std::uint64_t(width) * 3 + 3) & ~std::uint64_t(3);
    if (offset < 14 + std::uint64_t(headerSize) || offset + rowBytes * std::uint64_t(height) > file.size())
        return std::nullopt;

    BmpPixels pixels;
    pixels.width = int(width);
    pixels.height = int(height);
    pixels.offset = offset;
    pixels.rowBytes = std::size_t(rowBytes);
    pixels.bottomUp = signedHeight > 0;
    pixels.file = std::move(file);
    return pixels;
}

std::optional<BmpPixels> readBmp24(const std::string& path)
{
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(path.c_str(), "rb"));
    if (!in || std::fseek(in.get(), 0, SEEK_END) != 0)
        return std::nullopt;
    const long size = std::ftell(in.get());
    if (size < 0 || size > MaxFileBytes || std::fseek(in.get(), 0, SEEK_SET) != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), in.get()) != bytes.size())
        return std::nullopt;
    return parseBmp24(std::move(bytes));
}
