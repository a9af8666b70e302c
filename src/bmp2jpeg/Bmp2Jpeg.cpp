#include "bmp2jpeg/Bmp2Jpeg.h"

#include "bmp2jpeg/BmpPixels.h"

#include <csetjmp>
#include <cstdio>
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

// Only plain values live in this frame, so the jump skips no destructor.
bool compress(const BmpPixels& bmp, std::FILE* out, int quality, JSAMPLE* rowBuffer)
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
    info.image_width = JDIMENSION(bmp.width);
    info.image_height = JDIMENSION(bmp.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
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
    while (info.next_scanline < info.image_height) {
        const std::uint8_t* in = bmp.row(int(info.next_scanline));
        for (int x = 0; x < bmp.width; ++x) {
            rowBuffer[3 * x] = in[3 * x + 2];
            rowBuffer[3 * x + 1] = in[3 * x + 1];
            rowBuffer[3 * x + 2] = in[3 * x];
        }
        JSAMPROW rows[1] = {rowBuffer};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
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
    const std::optional<BmpPixels> bmp = readBmp24(bmpPath);
    if (!bmp)
        return false;
    const int clamped = quality < 0 ? 0 : quality > 100 ? 100 : quality;

    std::string temporary;
    const int fd = createTemporaryBeside(jpgPath, temporary);
    if (fd < 0)
        return false;
    std::FILE* out = fdopen(fd, "wb");
    if (!out) {
        close(fd);
        unlink(temporary.c_str());
        return false;
    }
    std::vector<JSAMPLE> rowBuffer(std::size_t(bmp->width) * 3);
    bool written = compress(*bmp, out, clamped, rowBuffer.data());
    written = std::fflush(out) == 0 && written;
    written = fsync(fileno(out)) == 0 && written;
    written = std::fclose(out) == 0 && written;
    if (!written || std::rename(temporary.c_str(), jpgPath) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
