// SPDX-License-Identifier: GPL-3.0-or-later
// Two small costs of the plot command, each against another form in the same run: the
// running sum of the sweep as a dependent chain (the program's x87 sum against the SSE
// candidate of SseSum.h, and a far sample reached without the chain) and the frame's
// texts (20 texts on the plot's 473 x 473 surface, against a fresh font, metrics object
// and painter for each).
#include "SseSum.h"
#include "model/CheckedFloat.h"
#include "model/RunningSum.h"
#include "plot/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int kChain = 4096;

template <double (*Sum)(double, double)> void BM_SumChain(benchmark::State& state) {
    const double step = 6e15 / 1e6;
    for (auto _ : state) {
        double w = 0;
        benchmark::DoNotOptimize(w);
        for (int i = 0; i < kChain; ++i)
            w = Sum(w, step);
        benchmark::DoNotOptimize(w);
    }
    state.counters["ns_per_sum"] =
        benchmark::Counter(static_cast<double>(kChain) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The start of the second half of a 10^8-sample sweep of the classroom interval, reached
// without the 5 x 10^7 sums before it (model/RunningSum.h): what a second core waits for.
void BM_SampleAfter(benchmark::State& state) {
    const double step = 6e15 / 1e8;
    for (auto _ : state) {
        double from = 0;
        benchmark::DoNotOptimize(from);
        benchmark::DoNotOptimize(fp::sampleAfter(from, step, 50'000'000));
    }
}

// Texts like the frame's: the axis titles, the marker and ten value and scale labels each.
const QString& frameText(int i) {
    static const QString texts[] = {
        QStringLiteral("n(w) x10(-5)"), QStringLiteral("W,Гц x10(15)"),
        QStringLiteral("Wo"),           QStringLiteral("0,25"),
        QStringLiteral("1,5"),          QStringLiteral("-0,75"),
        QStringLiteral("12,5"),         QStringLiteral("3"),
    };
    return texts[i % 8];
}

// The text as a fresh font, metrics and painter draw it: the plain form.
void plainTextOut(QImage& image, int x, int y, const QString& text) {
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
    QPainter painter(&image);
    painter.fillRect(box, QColor(Qt::white));
    painter.setClipRect(box);
    painter.setFont(font);
    painter.setPen(QColor(Qt::black));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

void BM_TextOut20Plain(benchmark::State& state) {
    QImage image(473, 473, QImage::Format_RGB32);
    for (auto _ : state)
        for (int i = 0; i < 20; ++i)
            plainTextOut(image, 10 + 20 * (i % 10), 10 + 40 * i / 10, frameText(i));
}

void BM_TextOut20(benchmark::State& state) {
    QImage image(473, 473, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : state)
        for (int i = 0; i < 20; ++i)
            canvas.textOut(10 + 20 * (i % 10), 10 + 40 * i / 10, frameText(i));
}

// The same on a canvas made afresh, as a first plot after start-up would.
void BM_TextOut20FreshCanvas(benchmark::State& state) {
    QImage image(473, 473, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas canvas(image);
        for (int i = 0; i < 20; ++i)
            canvas.textOut(10 + 20 * (i % 10), 10 + 40 * i / 10, frameText(i));
    }
}

} // namespace

BENCHMARK(BM_SumChain<fp::sumStored>)->Name("SumChain/x87");
BENCHMARK(BM_SumChain<bench::sseSumStored>)->Name("SumChain/sse");
BENCHMARK(BM_SampleAfter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextOut20Plain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextOut20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextOut20FreshCanvas)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
