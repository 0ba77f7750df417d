// SPDX-License-Identifier: GPL-3.0-or-later
// The samples of the range sweep kept for the curves: their frequencies and both values, so
// that the traces read them instead of forming the running sum and the model again.
#pragma once

#include "Sweep.h"

#include <cstddef>
#include <cstdlib>
#include <vector>

/** Each sample's frequency, n'' and n as the range sweep formed them, and the running sum
    after the last: kept while every chunk of the sweep is clean, for sweeps of at most
    kMaxSamples (some 64 MB); otherwise dropped, and the curves evaluate the model again.
    Its room stays for the next plot of the window, which is then spared asking the system
    for fresh memory; a copy starts empty. */
class SampleTape {
    /** Room in pages of 2 MB where the system has them: a tape of millions of samples is
        then touched in a few pages rather than thousands, each a fault to the system. */
    template <typename T> struct LargePages {
        using value_type = T;
        LargePages() = default;
        template <typename U> LargePages(const LargePages<U>&) {}
        T* allocate(std::size_t n) { return static_cast<T*>(allocateLarge(n * sizeof(T))); }
        void deallocate(T* p, std::size_t) { std::free(p); }
        bool operator==(const LargePages&) const { return true; }
    };
    static void* allocateLarge(std::size_t bytes);
    using Samples = std::vector<double, LargePages<double>>;

public:
    SampleTape() = default;
    SampleTape(const SampleTape&) {}
    SampleTape& operator=(const SampleTape&) {
        drop();
        return *this;
    }

    static constexpr std::size_t kMaxSamples = (std::size_t{64} << 20) / (3 * sizeof(double));

    /** Starts keeping the samples of a sweep from `from` to `to` by `step`, unless it
        would be too long. */
    void begin(double from, double to, double step);

    bool complete() const { return m_complete; }
    /** The most samples kept; tests lower it to have the curves evaluate the model. */
    static void setSampleLimit(std::size_t samples) { s_sampleLimit = samples; }
    /** The samples can no longer be kept (a chunk was not clean). */
    void drop();
    /** Keeps a clean chunk's samples, n'' in chunk.v and n in re. */
    void keep(const SampleChunk& chunk, const double* re);
    /** The sweep ended with the running sum next. */
    void end(double next) { m_next = next; }

    std::size_t size() const { return m_w.size(); }
    const double* frequencies() const { return m_w.data(); }
    const double* re() const { return m_re.data(); }

    /** Reads the samples of one curve from the tape's start, a chunk at a time. */
    class Reader {
    public:
        /** The samples' n'' (im) or n. */
        Reader(const SampleTape& tape, bool im)
            : m_w(tape.m_w), m_v(im ? tape.m_im : tape.m_re), m_next(tape.m_next) {}

        /** The chunk the sweep would fill from the next sample while below end: the same
            samples, the same count and the same sum after them. */
        void fill(SampleChunk& chunk, double end) {
            const std::size_t size = m_w.size();
            chunk.w = m_w.data() + m_at;
            chunk.v = m_v.data() + m_at;
            chunk.count = chunkLength(chunk.w, size - m_at, end);
            m_at += static_cast<std::size_t>(chunk.count);
            chunk.next = m_at < size ? m_w[m_at] : m_next;
            chunk.clean = true;
        }

        /** Where the chunk's first sample lies on the tape. */
        std::size_t at(const SampleChunk& chunk) const {
            return static_cast<std::size_t>(chunk.w - m_w.data());
        }

    private:
        const Samples& m_w;
        const Samples& m_v;
        double m_next;
        std::size_t m_at = 0;
    };

private:
    Samples m_w, m_im, m_re;
    double m_next = 0;
    bool m_complete = false;
    static inline std::size_t s_sampleLimit = kMaxSamples;
};
