// SPDX-License-Identifier: GPL-3.0-or-later
// The samples of a long sweep formed ahead on the machine's other cores.
#pragma once

#include "PlotState.h"
#include "Sweep.h"
#include "Workers.h"
#include "model/Model.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

/** A sweep's samples, each frequency with n'' and n, formed ahead in blocks by worker
    threads and taken in order. A block starts at the sample the running sum reaches after
    so many steps, found without the sums before it (fp::sampleAfter); within it the sums
    and values are formed as the sweep forms them. A block whose forming failed (a flag
    raised, a value that is no finite number) ends the stream there: the sweep forms its
    samples itself from that sample on, so that its error, and all it did before, are those
    of a sweep on one core. */
class SampleStream {
public:
    /** Samples a block holds. */
    static constexpr std::uint64_t kBlock = 8192;

    /** Streams the sweep of PlotState's interval for the medium when it is long enough and
        the machine has more than one core; otherwise it is inactive from the start. */
    SampleStream(const TModelParams& medium, const TPlotState& state);
    ~SampleStream();
    SampleStream(const SampleStream&) = delete;
    SampleStream& operator=(const SampleStream&) = delete;

    /** Fills chunk with the next samples as a fill from them would below end: the same
        samples, count and next sum, n'' in the chunk and n at re. False when the stream has
        none to give there (inactive, or its next block failed): the sweep then forms the
        samples itself, and the stream stays inactive. */
    bool fill(SampleChunk& chunk, double end, const double*& re);

private:
    struct Block {
        std::vector<double> w, im, re;
        std::uint64_t index = 0;
        int count = 0;
        double next = 0;    ///< the running sum after the last sample
        bool last = false;  ///< the sweep ends in this block
        bool clean = false; ///< formed without a failed operation
        bool ready = false;
    };

    void work();
    void form(Block& block, std::uint64_t index) const;
    /** The block being read, once it is formed: by a worker, or by this thread, which forms
        blocks no worker has taken rather than wait. */
    Block& reading();
    /** Takes the next block to form and forms it, the lock released meanwhile; false when
        no block may be formed now. */
    bool formNext(std::unique_lock<std::mutex>& lock);
    /** The block being read is used up: its room goes to a later block. */
    void advance();
    void stop();

    ModelTerms m_terms;
    double m_from, m_to, m_step;
    bool m_active = false;

    std::mutex m_mutex;
    std::condition_variable m_formed; ///< a block is ready
    std::condition_variable m_freed;  ///< room for a block, or the end
    std::vector<Block> m_blocks;      ///< block k in m_blocks[k % size]
    std::uint64_t m_nextToForm = 0;   ///< guarded by m_mutex
    std::uint64_t m_reading = 0;      ///< guarded by m_mutex
    std::uint64_t m_end = UINT64_MAX; ///< no block after this one is needed; guarded
    bool m_stopping = false;          ///< guarded by m_mutex
    workers::Group m_workers;

    int m_at = 0; ///< the next sample of the block being read
    double m_re[SampleChunk::kCapacity];
};
