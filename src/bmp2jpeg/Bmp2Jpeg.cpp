#include "bmp2jpeg/Bmp2Jpeg.h"

#include "bmp2jpeg/BmpLayout.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>

namespace {
// libjpeg reports a fatal error by calling error_exit, which by default ends
// the whole program; ours jumps back into compress() instead.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

void staySilent(j_common_ptr) {}

// Far beyond any drawing; a larger file is not read at all.
constexpr std::uint64_t MaxFileBytes = 256ULL * 1024 * 1024;
// Rows read from the bitmap at a time: a few tens of kB that stay in the
// processor's cache, instead of the whole file in fresh memory.
constexpr int StripRows = 16;

// The open bitmap file and where its pixels lie.
struct BmpSource {
    int fd = -1;
    BmpLayout layout;
};

std::optional<BmpLayout> readLayout(int fd)
{
    struct stat status {};
    std::uint8_t headers[BmpLayout::HeadersSize];
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || std::uint64_t(status.st_size) > MaxFileBytes
        || pread(fd, headers, sizeof headers, 0) != ssize_t(sizeof headers))
        return std::nullopt;
    return parseBmp24(headers, std::uint64_t(status.st_size));
}

// Reads `count` rows from row `top` down into `strip` and points `rows` at
// them, top row first. The bitmap's rows lie next to each other in the file,
// in one order or the other, so they come in one read.
bool readStrip(const BmpSource& in, int top, int count, std::uint8_t* strip, JSAMPROW* rows)
{
    const BmpLayout& layout = in.layout;
    const size_t bytes = size_t(layout.rowBytes) * size_t(count);
    const std::uint64_t start = layout.rowOffset(layout.bottomUp ? top + count - 1 : top);
    if (pread(in.fd, strip, bytes, off_t(start)) != ssize_t(bytes))
        return false;
    for (int i = 0; i < count; ++i)
        rows[i] = strip + layout.rowBytes * size_t(layout.bottomUp ? count - 1 - i : i);
    return true;
}

// Only plain values live in this frame, so the jump skips no destructor.
bool compress(const BmpSource& in, std::FILE* out, int quality, std::uint8_t* strip)
{
    jpeg_compress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpBack;
    error.manager.output_message = staySilent;
    if (setjmp(error.back)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = JDIMENSION(in.layout.width);
    info.image_height = JDIMENSION(in.layout.height);
    info.input_components = 3;
    // The bitmap's own order of the channels: no row is copied to swap them.
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Red, green and blue are coded as they are, each at full resolution:
    // thin coloured lines would bleed at 4:2:0, and the detour through YCbCr
    // alone moves saturated colours by up to three steps.
    jpeg_set_colorspace(&info, JCS_RGB);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.dct_method = JDCT_ISLOW;
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    JSAMPROW rows[StripRows];
    bool complete = true;
    while (complete && info.next_scanline < info.image_height) {
        const int top = int(info.next_scanline);
        const int count = std::min(StripRows, in.layout.height - top);
        complete = readStrip(in, top, count, strip, rows);
        for (int done = 0; complete && done < count;)
            done += int(jpeg_write_scanlines(&info, rows + done, JDIMENSION(count - done)));
    }
    if (complete)
        jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return complete;
}

// A new file beside `target` with the permissions a newly created file gets.
int createTemporaryBeside(const std::string& target, std::string& temporary)
{
    temporary = target + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return -1;
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    return fd;
}
} // namespace

bool BmpToJpeg(const char* bmpPath, const char* jpgPath, short quality)
{
    if (!bmpPath || !jpgPath || !*jpgPath)
        return false;
    BmpSource in;
    in.fd = open(bmpPath, O_RDONLY | O_CLOEXEC);
    if (in.fd < 0)
        return false;
    const std::optional<BmpLayout> layout = readLayout(in.fd);
    if (!layout) {
        close(in.fd);
        return false;
    }
    in.layout = *layout;
    const int clamped = quality < 0 ? 0 : quality > 100 ? 100 : quality;

    std::string temporary;
    const int fd = createTemporaryBeside(jpgPath, temporary);
    std::FILE* out = fd < 0 ? nullptr : fdopen(fd, "wb");
    if (!out) {
        if (fd >= 0) {
            close(fd);
            unlink(temporary.c_str());
        }
        close(in.fd);
        return false;
    }
    std::vector<std::uint8_t> strip(size_t(in.layout.rowBytes) * StripRows);
    bool written = compress(in, out, clamped, strip.data());
    close(in.fd);
    written = std::fflush(out) == 0 && written;
    written = fsync(fileno(out)) == 0 && written;
    written = std::fclose(out) == 0 && written;
    if (!written || std::rename(temporary.c_str(), jpgPath) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
