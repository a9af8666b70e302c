#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Where the pixels of a 24-bit uncompressed BMP file lie, from its headers.
struct BmpLayout {
    // The bytes both headers take; the layout is read from these alone.
    static constexpr std::size_t HeadersSize = 14 + 40;

    int width = 0;
    int height = 0;
    std::uint64_t offset = 0;
    std::uint64_t rowBytes = 0;
    bool bottomUp = true;

    // Where row `y`, counted from the top, starts in the file. Its pixels are
    // blue, green, red.
    std::uint64_t rowOffset(int y) const;
};

// Checks every header field the layout relies on against a file of
// `fileSize` bytes that starts with `headers` (HeadersSize bytes); nullopt for
// anything but a complete 24-bit uncompressed bitmap of a sane size.
std::optional<BmpLayout> parseBmp24(const std::uint8_t* headers, std::uint64_t fileSize);
