// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/photomemory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include <malloc.h>
#include <sys/mman.h>

namespace kalvora {

namespace {

// The largest block the heap keeps (larger ones are mapped and unmapped each time).
constexpr std::size_t kKeptBlock = 32 << 20;
// A thread's heap grows in one reservation of 64 MB; what is reserved stays inside it.
constexpr qint64 kLargestReserve = 56 << 20;
constexpr std::size_t kReservePiece = 24 << 20;
constexpr std::uintptr_t kHugePage = 2 << 20;

// Asks for huge pages over the whole huge pages inside [start, start + size), then puts every
// page of the range in place, a huge page's worth at a time: placing holds the process's
// memory map, which the window's thread may be waiting for. A system without these calls
// touches each page instead.
void placePages(char *start, std::size_t size)
{
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1);
    const auto last = (reinterpret_cast<std::uintptr_t>(start) + size) & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
    const auto pageSize = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto from = (reinterpret_cast<std::uintptr_t>(start) + pageSize - 1) & ~(pageSize - 1);
    const auto to = (reinterpret_cast<std::uintptr_t>(start) + size) & ~(pageSize - 1);
    for (std::uintptr_t at = from; at < to; at += kHugePage) {
        const std::size_t step = std::min<std::uintptr_t>(kHugePage, to - at);
#ifdef MADV_POPULATE_WRITE
        if (madvise(reinterpret_cast<void *>(at), step, MADV_POPULATE_WRITE) == 0)
            continue;
#endif
        std::memset(reinterpret_cast<void *>(at), 0, step);
    }
}

} // namespace

void keepPhotoMemory()
{
    // A photo's coefficients take some 36 MB in a few large allocations, and its file and the
    // result some megabytes more. By default the C library gives each such block back to the
    // system when it is freed and the next photo's arrays then fault in and clear fresh pages,
    // which measured a third of the block path's time. Keeping blocks of up to 32 MB (the
    // library's ceiling) in the heap, and trimming only beyond 128 MB, lets each worker reuse
    // its memory from photo to photo.
    static std::once_flag allocatorSet;
    std::call_once(allocatorSet, [] {
        mallopt(M_MMAP_THRESHOLD, int(kKeptBlock));
        mallopt(M_TRIM_THRESHOLD, 128 << 20);
    });
}

void reservePhotoMemory(qint64 bytes)
{
    // Kept memory serves from the second photo on; the first still met fresh pages, one
    // fault each, some 12,000 for a 12-megapixel photo on the block path. On a virtual
    // machine a fault measured 10 to 15 microseconds, more than the rest of the photo's work.
    // Allocated, placed and freed again, the memory stays in the thread's heap (see
    // keepPhotoMemory) for the photo's buffers.
    thread_local qint64 reserved = 0;
    if (std::min(bytes, kLargestReserve) <= reserved)
        return;
    // A quarter more, so that the next photo, a little larger, finds its memory in place too.
    bytes = std::min(bytes + bytes / 4, kLargestReserve);
    keepPhotoMemory();
    std::vector<char *> pieces;
    for (qint64 placed = 0; placed < bytes;) {
        const std::size_t size = std::min(kReservePiece, std::size_t(bytes - placed));
        auto *piece = static_cast<char *>(std::malloc(size));
        if (!piece)
            break;
        placePages(piece, size);
        pieces.push_back(piece);
        placed += qint64(size);
    }
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it)
        std::free(*it);
    reserved = bytes;
}

} // namespace kalvora
