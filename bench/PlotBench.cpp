// SPDX-License-Identifier: GPL-3.0-or-later
// The whole plot command, headless, against the bare loop of model evaluations it needs.
// Each case reports ns per sample; compare Plot/<mode>/<n> with SweepFloor/<n>, the least a
// sweep carrying both curves costs, and with Model/<mode>/<n>, the evaluations made one by one.
#include "ClassroomLesson.h"
#include "files/AtomicFile.h"
#include "model/CheckedFloat.h"
#include "model/Model.h"
#include "model/RunningSum.h"
#include "plot/Canvas.h"
#include "plot/CompletedPlot.h"
#include "plot/PlotCommand.h"
#include "plot/PlotData.h"
#include "plot/PlotDataWriter.h"
#include "plot/PlotPicture.h"
#include "plot/PlotRequest.h"
#include "plot/PlotSession.h"
#include "plot/Workers.h"

#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {
enum Mode { Connected = 0, Dotted = 1, Points = 2 };

// The main window's side of the command with nothing shown.
class BenchSink final : public PlotSink {
public:
    void setProgress(int percent) override { benchmark::DoNotOptimize(percent); }
};

// The classroom lesson over 0..6E15 Hz with n samples per sweep.
PlotRequest classroomRequest(std::int64_t samples) {
    PlotRequest r;
    r.decimalSeparator = QLatin1Char('.');
    r.fields = classroomLesson(r.decimalSeparator, "0", "6E15",
                               QString::number(6e15 / static_cast<double>(samples), 'g', 17));
    return r;
}

long maxResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_Plot(benchmark::State& state) {
    const auto mode = static_cast<Mode>(state.range(0));
    const std::int64_t samples = state.range(1);
    QImage image(473, 473, QImage::Format_RGB32);
    Canvas canvas(image);
    PlotRequest request = classroomRequest(samples);
    request.connected = mode != Points;
    request.dotted = mode == Dotted;
    BenchSink sink;
    PlotSession session;
    for (auto _ : state)
        runPlotCommand(request, sink, canvas, session);
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(samples) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["maxrss_kb"] = static_cast<double>(maxResidentKb());
}

// The plot of a long sweep on one core, and with its samples formed ahead on the others
// (two: the machine's cores, as many as there are). Wall time.
void BM_PlotCores(benchmark::State& state) {
    workers::setAllowed(state.range(0) > 1);
    const std::int64_t samples = state.range(1);
    QImage image(473, 473, QImage::Format_RGB32);
    Canvas canvas(image);
    const PlotRequest request = classroomRequest(samples);
    BenchSink sink;
    PlotSession session;
    for (auto _ : state)
        runPlotCommand(request, sink, canvas, session);
    workers::setAllowed(true);
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(samples) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The same evaluations the command makes: n'' and n per sample in the two scans and the
// two traces, and in the dotted mode n once more one step back.
void BM_Model(benchmark::State& state) {
    const auto mode = static_cast<Mode>(state.range(0));
    const std::int64_t samples = state.range(1);
    const TModelParams medium{3e15, 1e13, 1.6e-19, 1e28, 9.1e-31, 8.85e-12};
    const double step = 6e15 / static_cast<double>(samples);
    for (auto _ : state) {
        for (int pass = 0; pass < 2; ++pass) {
            for (double w = 0; w < 6e15; w += step)
                benchmark::DoNotOptimize(RefractionIm(medium, w));
            for (double w = 0; w < 6e15; w += step) {
                benchmark::DoNotOptimize(RefractionRe(medium, w));
                if (pass == 1 && mode == Dotted)
                    benchmark::DoNotOptimize(RefractionRe(medium, w - step));
            }
        }
    }
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(samples) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The same evaluations with the medium's constants formed once, no look at the
// floating-point flags, each value stored as a double. Not a floor: DoNotOptimize sends w
// and every value through memory; see BM_SweepFloor.
void BM_Floor(benchmark::State& state) {
    const auto mode = static_cast<Mode>(state.range(0));
    const std::int64_t samples = state.range(1);
    const ModelTerms terms = modelTerms({3e15, 1e13, 1.6e-19, 1e28, 9.1e-31, 8.85e-12});
    const double step = 6e15 / static_cast<double>(samples);
    const auto im = [&](double w) { return static_cast<double>(refractionImExtended(terms, w)); };
    const auto re = [&](double w) { return static_cast<double>(refractionReExtended(terms, w)); };
    for (auto _ : state) {
        for (int pass = 0; pass < 2; ++pass) {
            for (double w = 0; w < 6e15; w += step)
                benchmark::DoNotOptimize(im(w));
            for (double w = 0; w < 6e15; w += step) {
                benchmark::DoNotOptimize(re(w));
                if (pass == 1 && mode == Dotted)
                    benchmark::DoNotOptimize(re(w - step));
            }
        }
    }
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(samples) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The command line's export: the plot and its PNG alone, or with its SVG and PDF, which are
// drawn from the finished plot without sweeping again. Compare Export/0/n with Export/1/n.
void BM_Export(benchmark::State& state) {
    const bool vectors = state.range(0) != 0;
    const PlotRequest request = classroomRequest(state.range(1));
    QImage image(473, 473, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas canvas(image);
        BenchSink sink;
        PlotSession session;
        runPlotCommand(request, sink, canvas, session);
        const ShownPlot shown{image, session.onScreen(), &*session.complete};
        benchmark::DoNotOptimize(plotBytes(PlotFormat::Png, shown, {}));
        if (vectors) {
            benchmark::DoNotOptimize(plotBytes(PlotFormat::Svg, shown, {}));
            benchmark::DoNotOptimize(plotBytes(PlotFormat::Pdf, shown, {}));
        }
    }
}

/** One sweep of the range scan's kind over samples of the classroom medium: the running sum
    carried once, n'' and n evaluated at each sample and stored as doubles, their least and
    greatest kept in registers. */
struct FloorSweep {
    double lowIm = 0, highIm = 0, lowRe = 0, highRe = 0;

    void run(const ModelTerms& terms, double from, double step, std::int64_t samples) {
        double w = from;
        for (std::int64_t i = 0; i < samples; ++i) {
            const auto im = static_cast<double>(refractionImExtended(terms, w));
            const auto re = static_cast<double>(refractionReExtended(terms, w));
            lowIm = std::min(lowIm, im);
            highIm = std::max(highIm, im);
            lowRe = std::min(lowRe, re);
            highRe = std::max(highRe, re);
            w = fp::sumStored(w, step);
        }
    }
    void keep() {
        benchmark::DoNotOptimize(lowIm);
        benchmark::DoNotOptimize(highIm);
        benchmark::DoNotOptimize(lowRe);
        benchmark::DoNotOptimize(highRe);
    }
};

const TModelParams kClassroom{3e15, 1e13, 1.6e-19, 1e28, 9.1e-31, 8.85e-12};

// The floor of a plot in any mode: one sweep carrying the running sum and both curves'
// values, nothing forced through memory. Compare Plot/<mode>/<n> with SweepFloor/<n>.
void BM_SweepFloor(benchmark::State& state) {
    const std::int64_t samples = state.range(0);
    const ModelTerms terms = modelTerms(kClassroom);
    const double step = 6e15 / static_cast<double>(samples);
    for (auto _ : state) {
        FloorSweep sweep;
        sweep.run(terms, 0, step, samples);
        sweep.keep();
    }
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(samples) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The same sweep on one core or split in two halves on two, the second half starting at the
// sample fp::sampleAfter reaches without the sums before it: what a second core could
// give a sweep. Wall time.
void BM_SweepFloorCores(benchmark::State& state) {
    const auto cores = state.range(0);
    const std::int64_t samples = state.range(1);
    const ModelTerms terms = modelTerms(kClassroom);
    const double step = 6e15 / static_cast<double>(samples);
    const std::int64_t half = cores == 2 ? samples / 2 : samples;
    for (auto _ : state) {
        FloorSweep first, second;
        std::thread other;
        if (half < samples)
            other = std::thread([&] {
                const auto start = fp::sampleAfter(0, step, static_cast<std::uint64_t>(half));
                second.run(terms, start.value(), step, samples - half);
            });
        first.run(terms, 0, step, half);
        if (other.joinable())
            other.join();
        first.keep();
        second.keep();
    }
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(samples) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

/** The finished classroom plot, n samples per sweep. */
CompletedPlot classroomPlot(std::int64_t samples) {
    QImage image(473, 473, QImage::Format_RGB32);
    Canvas canvas(image);
    BenchSink sink;
    PlotSession session;
    runPlotCommand(classroomRequest(samples), sink, canvas, session);
    return session.complete.value();
}

// The CSV of a plot held whole against the CSV written a buffer at a time to a file (the
// null device); both format the same numbers.
void BM_CsvWhole(benchmark::State& state) {
    const CompletedPlot plot = classroomPlot(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(plotDataCsv(plot, QLatin1Char(',')).size());
    state.counters["ns_per_row"] = benchmark::Counter(
        static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_CsvStreamed(benchmark::State& state) {
    const CompletedPlot plot = classroomPlot(state.range(0));
    const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    for (auto _ : state)
        benchmark::DoNotOptimize(writePlotDataCsv(
            plot, QLatin1Char(','), [fd](QByteArrayView bytes) { return writeAll(fd, bytes); }));
    ::close(fd);
    state.counters["ns_per_row"] = benchmark::Counter(
        static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"samples"});
    for (std::int64_t n : {10'000, 100'000, 1'000'000})
        b->Args({n});
    b->Unit(benchmark::kMillisecond);
}

void modesAndSizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"mode", "samples"});
    for (int mode : {Connected, Dotted, Points})
        for (std::int64_t n : {10'000, 100'000, 1'000'000})
            b->Args({mode, n});
    b->Unit(benchmark::kMillisecond);
}
} // namespace

BENCHMARK(BM_Plot)->Apply(modesAndSizes)->UseRealTime();
BENCHMARK(BM_SweepFloor)->Apply(sizes);
BENCHMARK(BM_PlotCores)
    ->ArgNames({"cores", "samples"})
    ->ArgsProduct({{1, 2}, {1'000'000, 100'000'000}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_SweepFloorCores)
    ->ArgNames({"cores", "samples"})
    ->ArgsProduct({{1, 2}, {1'000'000, 100'000'000}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_CsvWhole)->ArgName("samples")->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvStreamed)->ArgName("samples")->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Model)->Apply(modesAndSizes);
BENCHMARK(BM_Floor)->Apply(modesAndSizes);
BENCHMARK(BM_Export)
    ->ArgNames({"vectors", "samples"})
    ->ArgsProduct({{0, 1}, {1'000'000, 10'000'000}})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
