#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

// Shared by every fuzz target: Qt started once per process, the input as
// bytes, and a check that stops the run with a message when a rule the
// program relies on does not hold for some input.

// A GUI application on the offscreen platform, so that the image plugins and
// fonts are found as in the program. Called from LLVMFuzzerInitialize.
void startQt(int* argc, char*** argv);

inline QByteArray inputBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A path in a folder of the fuzzer's own, removed when the process ends.
QString scratchPath(const char* name);

// The bytes as a file on disk, for readers that take a path. The file is
// rewritten for every input; its name ends in `suffix`.
QString writeInputFile(const QByteArray& bytes, const char* suffix);

// What every picture reader promises: 32-bit RGB within the size bounds.
void checkPictureBounds(const QImage& picture);

#define FUZZ_CHECK(condition)                                                                 \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (false)
