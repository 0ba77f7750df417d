// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleStream.h"

#include "model/CheckedFloat.h"
#include "model/RunningSum.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace {
/** Sweeps shorter than this many blocks are formed on one core: starting the workers would
    cost more than they give. */
constexpr long double kLeastBlocks = 4;
} // namespace

SampleStream::SampleStream(const TModelParams& medium, const TPlotState& state)
    : m_terms(modelTerms(medium)), m_from(state.FreqFrom), m_to(state.FreqTo),
      m_step(state.FreqStep) {
    const long double span = static_cast<long double>(m_to) - m_from;
    const long double samples = span > 0 && m_step > 0 ? span / m_step : 0;
    fp::clearPending();
    // This thread forms blocks too while it waits.
    const unsigned workers = workers::helpers();
    if (workers == 0 || !(samples >= kLeastBlocks * kBlock))
        return;
    try {
        m_blocks.resize(2 * (workers + 1) + 1);
        for (Block& b : m_blocks) {
            b.w.resize(kBlock);
            b.im.resize(kBlock);
            b.re.resize(kBlock);
        }
    } catch (const std::exception&) {
        // No room to be had: the sweep runs on this core alone.
        m_blocks.clear();
        return;
    }
    m_active = true;
    // Without a worker this thread forms every block itself, in turn.
    for (unsigned i = 0; i < workers; ++i)
        m_workers.start([this] { work(); });
}

SampleStream::~SampleStream() {
    stop();
}

void SampleStream::stop() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_freed.notify_all();
    m_workers.wait();
    m_active = false;
}

void SampleStream::work() {
    std::unique_lock lock(m_mutex);
    while (!m_stopping)
        if (!formNext(lock))
            m_freed.wait(lock);
}

bool SampleStream::formNext(std::unique_lock<std::mutex>& lock) {
    // The next block needs a free room, and the sweep must not have ended before it.
    if (!(m_nextToForm <= m_end && m_nextToForm < m_reading + m_blocks.size()))
        return false;
    const std::uint64_t index = m_nextToForm++;
    Block& block = m_blocks[index % m_blocks.size()];
    lock.unlock();
    form(block, index);
    lock.lock();
    block.index = index;
    block.ready = true;
    if (block.last || !block.clean)
        m_end = std::min(m_end, index);
    m_formed.notify_all();
    return true;
}

void SampleStream::form(Block& block, std::uint64_t index) const {
    block.count = 0;
    block.clean = false;
    block.last = false;
    double w = m_from;
    if (index > 0) {
        // The sample before the block tells whether the sweep reaches it.
        const auto before = fp::sampleAfter(m_from, m_step, index * kBlock - 1);
        if (!before)
            return;
        if (!(*before < m_to)) {
            block.clean = true;
            block.last = true;
            block.next = *before;
            return;
        }
        w = nextSample(*before, m_step);
    }
    if (!std::isfinite(w))
        return;
    fp::clearPending();
    bool clean = true;
    const int n =
        formSamples(w, m_to, m_step, static_cast<int>(kBlock), clean, [&](int i, double x) {
            const double v = static_cast<double>(refractionImExtended(m_terms, x));
            const double r = static_cast<double>(refractionReExtended(m_terms, x));
            block.w[i] = x;
            block.im[i] = v;
            block.re[i] = r;
            return std::isfinite(v) && std::isfinite(r);
        });
    if (!clean || fp::pending())
        return;
    block.count = n;
    block.next = w;
    block.last = !(w < m_to);
    block.clean = true;
}

SampleStream::Block& SampleStream::reading() {
    Block& block = m_blocks[m_reading % m_blocks.size()];
    std::unique_lock lock(m_mutex);
    // Rather than wait, this thread forms the next block no worker has taken yet.
    while (!(block.ready && block.index == m_reading))
        if (!formNext(lock))
            m_formed.wait(lock);
    return block;
}

void SampleStream::advance() {
    {
        const std::lock_guard lock(m_mutex);
        m_blocks[m_reading % m_blocks.size()].ready = false;
        ++m_reading;
    }
    m_freed.notify_all();
    m_at = 0;
}

bool SampleStream::fill(SampleChunk& chunk, double end, const double*& re) {
    if (!m_active)
        return false;
    Block* block = &reading();
    if (m_at == block->count && !block->last && block->clean) {
        advance();
        block = &reading();
    }
    if (!block->clean || m_at == block->count) {
        stop();
        return false;
    }
    // Most chunks lie within one block: they are read where the block holds them.
    int n = chunkLength(block->w.data() + m_at, static_cast<std::size_t>(block->count - m_at), end);
    const int i = m_at + n;
    const double after = i < block->count ? block->w[i] : block->next;
    if (i < block->count || block->last || n == SampleChunk::kCapacity || !(after < end)) {
        chunk.w = block->w.data() + m_at;
        chunk.v = block->im.data() + m_at;
        re = block->re.data() + m_at;
        chunk.count = n;
        chunk.next = after;
        chunk.clean = true;
        m_at = i;
        return true;
    }
    n = 0;
    double next;
    for (;;) {
        chunk.ownW[n] = block->w[m_at];
        chunk.ownV[n] = block->im[m_at];
        m_re[n] = block->re[m_at];
        ++n;
        ++m_at;
        next = m_at < block->count ? block->w[m_at] : block->next;
        if (!(next < end) || n == SampleChunk::kCapacity)
            break;
        if (m_at == block->count) {
            advance();
            block = &reading();
            // A failed block ends the chunk before it; the next fill leaves the sweep to
            // form its samples itself.
            if (!block->clean || block->count == 0)
                break;
        }
    }
    chunk.w = chunk.ownW;
    chunk.v = chunk.ownV;
    chunk.count = n;
    chunk.next = next;
    chunk.clean = true;
    re = m_re;
    return true;
}
