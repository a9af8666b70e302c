#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The pixels of a 24-bit uncompressed BMP file, kept as the file stores them.
struct BmpPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> file;
    std::size_t offset = 0;
    std::size_t rowBytes = 0;
    bool bottomUp = true;

    // Row `y` counted from the top, pixels as blue, green, red.
    const std::uint8_t* row(int y) const;
};

// Reads a BMP file after checking every header field it relies on; nullopt for
// anything but a complete 24-bit uncompressed bitmap of a sane size.
std::optional<BmpPixels> readBmp24(const std::string& path);

// The same for the file's bytes.
std::optional<BmpPixels> parseBmp24(std::vector<std::uint8_t> file);
