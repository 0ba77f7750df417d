// SPDX-License-Identifier: GPL-3.0-or-later
// The loop of every sweep (the two scans, the two curves, the data): the first sample
// always, then running sums below the end; and the progress the sweeps report.
#pragma once

#include "PlotRequest.h"
#include "PlotState.h"
#include "model/CheckedFloat.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

/** About this many samples lie between two questions to the sink whether the user
    asked to stop. */
inline constexpr int kSamplesPerStopCheck = 4096;

/** Ends the plot command where it stands when the user asked to stop it. */
struct PlotStopped {};

/** The end of the stretch of about kSamplesPerStopCheck samples that starts at frequency w,
    never beyond FreqTo; formed in extended precision and kept within the doubles, so that
    no floating-point flag is raised. */
inline double stretchEnd(double w, const TPlotState& PlotState) {
    const long double end = w + static_cast<long double>(kSamplesPerStopCheck) * PlotState.FreqStep;
    return static_cast<double>(
        std::clamp<long double>(end, -std::numeric_limits<double>::max(), PlotState.FreqTo));
}

/** Runs body once per sample with PlotState.SweepFreq at the sample's frequency; the
    frequency advances by the running sum of the step, stored as a double. Between two
    stretches of samples the sink is asked whether to stop (PlotStopped). */
template <typename Body> void sweep(PlotSink& sink, TPlotState& PlotState, Body&& body) {
    PlotState.SweepFreq = PlotState.FreqFrom;
    for (;;) {
        // The per-sample loop compares with the stretch's end as it would with FreqTo:
        // the question costs nothing per sample, and the samples are the same.
        const double end = stretchEnd(PlotState.SweepFreq, PlotState);
        do {
            body();
            PlotState.SweepFreq = fp::sumStored(PlotState.SweepFreq, PlotState.FreqStep);
        } while (PlotState.SweepFreq < end);
        if (!(PlotState.SweepFreq < PlotState.FreqTo))
            return;
        if (sink.stopRequested())
            throw PlotStopped();
    }
}

/** Samples of a sweep computed ahead of their use: their frequencies and values, formed
    without a look at the floating-point flags per sample, in the chunk's own room or kept
    elsewhere. */
struct SampleChunk {
    static constexpr int kCapacity = 512;
    SampleChunk() = default;
    SampleChunk(const SampleChunk&) = delete;
    SampleChunk& operator=(const SampleChunk&) = delete;

    double ownW[kCapacity]; ///< room for samples formed here
    double ownV[kCapacity];
    /** The samples are to be formed in the chunk's own room. */
    void own() {
        w = ownW;
        v = ownV;
    }
    const double* w = ownW; ///< the samples' frequencies
    const double* v = ownV; ///< and values
    int count = 0;
    double next = 0; ///< the running sum after the last sample
    /** No operation failed: every value and the next sum are finite numbers. */
    bool clean = true;
};

/** The running sum of the step without its overflow check: an overflow gives infinity. */
inline double nextSample(double w, double step) {
    return static_cast<double>(static_cast<long double>(w) + step);
}

/** The same samples as sweep(), computed a chunk at a time: fill(chunk, w, end) computes the
    samples from w while they lie below end (at most a chunk's capacity), then use(chunk)
    takes them. The floating-point flags are read once a chunk; when an operation failed in
    it, the chunk is done again sample by sample with exact(), which reads PlotState.SweepFreq
    and checks every operation, so that the error, the sample it stops at and all that was
    drawn and written before it are those of a sweep checked per sample. PlotState's
    SweepFreq and SweepValue are written at the end of each chunk. */
template <typename Fill, typename Use, typename Exact>
void sweepChunks(PlotSink& sink, TPlotState& PlotState, Fill&& fill, Use&& use, Exact&& exact) {
    SampleChunk chunk;
    double w = PlotState.FreqFrom;
    for (;;) {
        const double end = stretchEnd(w, PlotState);
        do {
            fp::clearPending();
            fill(chunk, w, end);
            if (chunk.clean && !fp::pending()) {
                use(chunk);
                w = chunk.next;
                PlotState.SweepFreq = w;
                PlotState.SweepValue = chunk.v[chunk.count - 1];
                continue;
            }
            PlotState.SweepFreq = w;
            for (int i = 0; i < chunk.count; ++i) {
                exact();
                PlotState.SweepFreq = fp::sumStored(PlotState.SweepFreq, PlotState.FreqStep);
            }
            w = PlotState.SweepFreq;
        } while (w < end);
        if (!(w < PlotState.FreqTo))
            return;
        if (sink.stopRequested())
            throw PlotStopped();
    }
}

/** How many of the samples at w[0] to w[available - 1] (available > 0) a chunk that ends
    below end takes: the first always, then those below end, at most a chunk's capacity.
    The sums never fall: when the last it may take lies below end, it takes them all. */
inline int chunkLength(const double* w, std::size_t available, double end) {
    const int most =
        static_cast<int>(std::min(available, static_cast<std::size_t>(SampleChunk::kCapacity)));
    if (w[most - 1] < end)
        return most;
    int n = 1;
    while (n < most && w[n] < end)
        ++n;
    return n;
}

/** Forms the samples from w while they lie below end, at most capacity of them:
    form(n, x) forms sample n at the sum x and says whether its values are finite numbers.
    Stops after a sample that is not clean. Returns how many were formed; w becomes the sum
    after the last, and clean says whether no operation failed. */
template <typename Form>
inline int formSamples(double& w, double end, double step, int capacity, bool& clean, Form&& form) {
    int n = 0;
    do {
        const bool finite = form(n, w);
        ++n;
        w = nextSample(w, step);
        // A failed operation leaves a value that is no finite number.
        clean = finite && std::isfinite(w);
    } while (clean && w < end && n < capacity);
    return n;
}

/** Fills a chunk with the values of one model, formed as the checked model forms them. */
template <typename Value>
inline void fillValues(SampleChunk& chunk, double w, double end, double step, Value value) {
    chunk.own();
    chunk.count =
        formSamples(w, end, step, SampleChunk::kCapacity, chunk.clean, [&](int n, double x) {
            const double v = value(x);
            chunk.ownW[n] = x;
            chunk.ownV[n] = v;
            return std::isfinite(v);
        });
    chunk.next = w;
}

/** Fills a chunk with the values of n'' by im, and those of n by re into res, formed as
    the checked model forms them; a failed operation of either leaves the chunk not clean. */
template <typename Im, typename Re>
inline void fillBoth(SampleChunk& chunk, double w, double end, double step, Im im, Re re,
                     double* res) {
    chunk.own();
    chunk.count =
        formSamples(w, end, step, SampleChunk::kCapacity, chunk.clean, [&](int n, double x) {
            const double v = im(x);
            const double r = re(x);
            chunk.ownW[n] = x;
            chunk.ownV[n] = v;
            res[n] = r;
            return std::isfinite(v) && std::isfinite(r);
        });
    chunk.next = w;
}

/** The one way every sweep of a model runs: fill(chunk, w, end) computes a chunk of samples
    ahead, unchecked; checked() evaluates the sample at PlotState.SweepFreq as the program
    checks it (throwing its error); use(chunk) takes the samples in either case, a chunk
    done again sample by sample coming as chunks of one sample. */
template <typename Fill, typename Checked, typename Use>
void sweepSamples(PlotSink& sink, TPlotState& PlotState, Fill&& fill, Checked&& checked,
                  Use&& use) {
    sweepChunks(sink, PlotState, std::forward<Fill>(fill), use, [&] {
        SampleChunk one;
        one.ownW[0] = PlotState.SweepFreq;
        one.ownV[0] = checked();
        one.count = 1;
        PlotState.SweepValue = one.v[0];
        use(one);
    });
}

/** The gauge and the status line of one sweep, touched only when what they show changes:
    the plot looks at the event queue only now and then, so each change is painted at once
    by the sink. The gauge climbs from 0 towards 100 during each sweep; the status line
    takes the sweep's text at its first sample, unless it has none. */
class SweepProgress {
public:
    SweepProgress(PlotSink& sink, const TPlotState& state, const QString* text)
        : m_sink(sink), m_state(state), m_text(text), m_textShown(!text) {}

    /** The sample at frequency w is done. */
    void sample(double w) {
        if (!m_textShown) {
            m_sink.setStatusText(*m_text);
            m_textShown = true;
        }
        const long double done = static_cast<long double>(w) - m_state.FreqFrom;
        if (done < m_unchangedBelow)
            return;
        fp::clearPending();
        const long double span = static_cast<long double>(m_state.FreqTo) - m_state.FreqFrom;
        // An interval of no width fails at its scales, never at the gauge.
        const int percent =
            span == 0 ? 0 : static_cast<int>(fp::round(fp::checked(done * 100 / span)));
        if (percent != m_percent) {
            m_sink.setProgress(percent);
            m_percent = percent;
        }
        // Below this offset the percentage still rounds to the same value: the exact
        // quotient is needed only near the next change (a thousandth of a percent early).
        if (span > 0)
            m_unchangedBelow = (percent + 0.5L - 0.001L) * span / 100;
    }

    /** The samples at the frequencies w[0] to w[count - 1], in the sweep's order, are done:
        what sample() does for each. As the sums only grow, the samples that still leave the
        gauge as it is are passed over in one search, not looked at one by one. */
    void samples(const double* w, int count) {
        const auto unchanged = [&](double x) {
            return static_cast<long double>(x) - m_state.FreqFrom < m_unchangedBelow;
        };
        const double* end = w + count;
        while (w != end) {
            // The samples before the first that may change the gauge change nothing.
            if (m_textShown) {
                if (unchanged(end[-1]))
                    return;
                w = std::partition_point(w, end, unchanged);
            }
            sample(*w++);
        }
    }

private:
    PlotSink& m_sink;
    const TPlotState& m_state;
    const QString* m_text;
    bool m_textShown;
    int m_percent = -1;
    long double m_unchangedBelow = -HUGE_VALL;
};

/** Passes a sweep's reports on to its sink, keeping the gauge's changes in percents and
    telling question() of each question whether to stop before it is asked: what a sweep
    that meets the same samples after it needs to report the same. */
class SweepRecorder final : public PlotSink {
public:
    SweepRecorder(PlotSink& sink, std::vector<int>& percents, std::function<void()> question)
        : m_sink(sink), m_percents(percents), m_question(std::move(question)) {}

    void showMessage(const QString& text) override { m_sink.showMessage(text); }
    void setRangeTexts(const QString& min, const QString& max) override {
        m_sink.setRangeTexts(min, max);
    }
    void setProgress(int percent) override {
        m_percents.push_back(percent);
        m_sink.setProgress(percent);
    }
    void setStatusText(const QString& text) override { m_sink.setStatusText(text); }
    bool stopRequested() override {
        m_question();
        return m_sink.stopRequested();
    }

private:
    PlotSink& m_sink;
    std::vector<int>& m_percents;
    std::function<void()> m_question;
};

/** Replays what a SweepRecorder kept: reach(q) for each question of the sweep, the sink
    asked whether to stop after each but the last, which stands for the sweep's end. */
template <typename Question, typename Reach>
void replayQuestions(PlotSink& sink, const std::vector<Question>& questions, Reach&& reach) {
    for (std::size_t i = 0; i + 1 < questions.size(); ++i) {
        reach(questions[i]);
        if (sink.stopRequested())
            throw PlotStopped();
    }
    reach(questions.back());
}
