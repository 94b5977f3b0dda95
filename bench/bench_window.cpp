// How long the window's "Расчет" handler keeps the event thread, on inputs where the layer
// advisor works hardest, and on an ordinary one. The whole handler is timed: reading the fields,
// the calculation, the picture, the labels, starting the advice. AdviceShown times the whole
// way to the advice in the window, event loop included.
// Run: build/bench/bench_window
#include "app/SDIMAIN.h"
#include "app/waitforadvice.h"
#include "tests/app/fakedesktop.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

struct Load {
    const char *length, *width, *height, *palletLength, *palletWidth, *overhang;
};

const Load Loads[] = {
    {"410", "310", "100", "1200", "800", "0"}, // an ordinary load: the advisor proves it at once
    {"7", "3", "100", "43", "26", "0"},        // the classic hard layer: 53 bundles, proven late
    {"89", "75", "150", "1200", "800", "30"},  // many bundles a layer, overhangs to advise on
    {"65", "23", "100", "491", "250", "0"},    // among the slowest of 150 generated hard layers
};

void Fill(TSDIAppForm& form, const Load& load) {
    form.MaskEdit1->setText(load.length);
    form.MaskEdit2->setText(load.width);
    form.MaskEdit3->setText(load.height);
    form.MaskEdit4->setText(load.palletLength);
    form.MaskEdit5->setText(load.palletWidth);
    form.MaskEdit7->setText(load.overhang);
    form.MaskEdit8->setText(load.overhang);
}

// A minute only keeps a broken build from hanging the benchmark.
constexpr int AdviceTimeoutMs = 60'000;

void CalculateHandler(benchmark::State& state) {
    FakeDesktop desktop;
    TSDIAppForm form(desktop, {});
    Fill(form, Loads[state.range(0)]);
    for (auto _ : state) {
        form.Button1Click();
        // The worker finishes outside the timing, so that it never competes with the next run.
        state.PauseTiming();
        WaitForAdvice(form, AdviceTimeoutMs);
        state.ResumeTiming();
    }
    if (!desktop.errors.isEmpty())
        state.SkipWithError(desktop.errors.join('\n').toStdString().c_str());
}
BENCHMARK(CalculateHandler)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

void AdviceShown(benchmark::State& state) {
    FakeDesktop desktop;
    TSDIAppForm form(desktop, {});
    Fill(form, Loads[state.range(0)]);
    for (auto _ : state) {
        form.Button1Click();
        WaitForAdvice(form, AdviceTimeoutMs);
    }
    if (!desktop.errors.isEmpty())
        state.SkipWithError(desktop.errors.join('\n').toStdString().c_str());
}
BENCHMARK(AdviceShown)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

// Closing the window straight after "Расчет": the search under way is cancelled and waited for.
void CloseWhileAdvising(benchmark::State& state) {
    FakeDesktop desktop;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<TSDIAppForm>(desktop, QStringList{});
        Fill(*form, Loads[state.range(0)]);
        form->Button1Click();
        state.ResumeTiming();
        form->close();
        form.reset();
    }
}
BENCHMARK(CloseWhileAdvising)->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
