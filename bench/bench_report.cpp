// Time to write the one-page PDF report, from a finished calculation to the file renamed into
// place: the page composed, the 3D picture recorded and replayed as vectors, the layer plan, the
// fonts embedded. A typical load (288 bundles) and one of about ten thousand.
#include "report/reportcontent.h"
#include "report/reportpage.h"
#include "shell/calculation.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

struct Load {
    const char *length, *width, *height;
};

const Load Loads[] = {
    {"300", "200", "100"}, // 16 a layer, 18 layers: 288 bundles
    {"100", "80", "20"},   // 120 a layer, 92 layers: 11 040 bundles
};

void WritePdf(benchmark::State& state) {
    const Load& load = Loads[state.range(0)];
    CalculationInputs inputs;
    inputs.BundleLength = load.length;
    inputs.BundleWidth = load.width;
    inputs.BundleHeight = load.height;
    inputs.MaxHeight = "2000";
    const Calculation calculation = Calculate(inputs, '.', AdviceWanted::Yes);
    state.counters["bundles"] = static_cast<double>(calculation.Plan.Total);
    QTemporaryDir dir;
    const std::string path = dir.filePath("report.pdf").toStdString();
    for (auto _ : state) {
        const bool written =
            WriteReportPdf(path, ReportPageFor(calculation, Alternation::Off, "01.01.2026 00:00"));
        if (!written)
            state.SkipWithError("the PDF was not written");
    }
}
BENCHMARK(WritePdf)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
