// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleTape.h"

#include "model/CheckedFloat.h"

#include <new>
#include <sys/mman.h>

void* SampleTape::allocateLarge(std::size_t bytes) {
    constexpr std::size_t kLarge = std::size_t{2} << 20;
    if (bytes < kLarge) {
        if (void* p = std::malloc(bytes > 0 ? bytes : 1))
            return p;
        throw std::bad_alloc();
    }
    const std::size_t rounded = (bytes + kLarge - 1) / kLarge * kLarge;
    void* p = std::aligned_alloc(kLarge, rounded);
    if (!p)
        throw std::bad_alloc();
    // Only advice: without large pages the room works as any other.
    madvise(p, rounded, MADV_HUGEPAGE);
    return p;
}

void SampleTape::begin(double from, double to, double step) {
    drop();
    // The samples the sweep will take, give or take the roundings of its sums.
    const long double span = static_cast<long double>(to) - from;
    const long double samples = span > 0 ? span / step + 2 : 1;
    fp::clearPending();
    const bool fits = samples <= static_cast<long double>(s_sampleLimit);
    const std::size_t needed = fits ? static_cast<std::size_t>(samples) : 0;
    // Room far larger than this plot needs goes back to the system.
    if (m_w.capacity() > 4 * needed + SampleChunk::kCapacity) {
        Samples().swap(m_w);
        Samples().swap(m_im);
        Samples().swap(m_re);
    }
    if (!fits)
        return;
    m_complete = true;
    try {
        m_w.reserve(needed);
        m_im.reserve(needed);
        m_re.reserve(needed);
    } catch (const std::bad_alloc&) {
        // No room: the curves evaluate the model again, as without a tape.
        drop();
    }
}

void SampleTape::drop() {
    m_complete = false;
    m_w.clear();
    m_im.clear();
    m_re.clear();
}

void SampleTape::keep(const SampleChunk& chunk, const double* re) {
    if (!m_complete)
        return;
    if (m_w.size() + static_cast<std::size_t>(chunk.count) > s_sampleLimit) {
        drop();
        return;
    }
    try {
        m_w.insert(m_w.end(), chunk.w, chunk.w + chunk.count);
        m_im.insert(m_im.end(), chunk.v, chunk.v + chunk.count);
        m_re.insert(m_re.end(), re, re + chunk.count);
    } catch (const std::bad_alloc&) {
        drop();
    }
}
