#include "core/PictureHeap.h"

#include <malloc.h>

namespace {
// Blocks below this come from the heap, so they can be reused; above it (a
// printer page at full resolution) they are mapped and unmapped on their own.
constexpr int MapThresholdBytes = 16 * 1024 * 1024;
// Free memory at the top of the heap up to this much stays with the program.
constexpr int TrimThresholdBytes = 32 * 1024 * 1024;
} // namespace

void keepFreedPictureMemory()
{
    mallopt(M_MMAP_THRESHOLD, MapThresholdBytes);
    mallopt(M_TRIM_THRESHOLD, TrimThresholdBytes);
}
