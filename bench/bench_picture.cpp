// Time to draw the whole load picture into the window's 417 x 564 pixel picture, from the
// pallet to the last bundle, for loads of growing size, against the floor of painting the same
// polygons (those the picture paints: the bundles that can be seen) with bare QPainter calls and
// against the geometry alone (a canvas that paints nothing). The picture copies the faces of a
// box shape it has met before instead of painting them, so it can come in under that floor. Run
// with --benchmark_repetitions=5 for medians.
#include "canvas/imagecanvas.h"
#include "loaddraw/drawload.h"
#include "planning/rectop.h"

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int PictureWidth = 417;
constexpr int PictureHeight = 564;

struct Load {
    double rowSide, splitSide, stackHeight, length, width, height;
};

// The loads measured, by argument index.
const Load Loads[] = {
    {1200, 800, 1850, 300, 200, 100}, // 288 bundles, a typical order
    {1200, 800, 1850, 100, 80, 20},   // 11 040 bundles
    {1200, 800, 1850, 20, 20, 20},    // 220 800 bundles
    {1200, 800, 1850, 16, 16, 16},    // 431 250 bundles, near the most a picture draws
    {1200, 800, 1850, 10, 10, 10},    // 1 776 000 bundles, of which about 46 000 can be seen
};

double SplitOf(const Load& load) {
    double split = 0;
    std::uint16_t layerCount = 0;
    BestTwoBlockLoad(load.rowSide, load.splitSide, load.stackHeight, load.length, load.width,
                     load.height, split, layerCount);
    return split;
}

void Draw(const Load& load, double split, Canvas& canvas) {
    SceneState state;
    state.PalletHeight = 150.0;
    canvas.SetPenWidth(1);
    canvas.SetPenColour(MakeColour(210, 180, 140));
    canvas.SetBrushColour(clWhite);
    DrawLoad(state, canvas, load.rowSide, load.splitSide, split, load.stackHeight, load.length,
             load.width, load.height, PictureWidth, PictureHeight - SceneTopBand);
}

// Keeps the polygons and their colours and paints nothing.
class PolygonList : public Canvas {
  public:
    struct Fill {
        Colour brush, pen;
        Quad points;
    };
    std::vector<Fill> fills;

    Colour PenColour() const override { return pen_; }
    void SetPenColour(Colour colour) override { pen_ = colour; }
    int PenWidth() const override { return 1; }
    void SetPenWidth(int) override {}
    Colour BrushColour() const override { return brush_; }
    void SetBrushColour(Colour colour) override { brush_ = colour; }
    void SetBrushSolid() override {}
    void FillRect(int, int, int, int) override {}
    void Polygon(const Quad& points) override {
        if (keep_)
            fills.push_back({brush_, pen_, points});
    }
    void TextOut(int, int, const std::string&) override {}
    void PolygonRun(const FilledQuad* polygons, int count) override {
        ++boxes;
        Canvas::PolygonRun(polygons, count);
    }
    explicit PolygonList(bool keep) : keep_(keep) {}
    long boxes = 0; // boxes painted, the pallet's pieces among them

  private:
    bool keep_;
    Colour pen_ = clBlack, brush_ = clWhite;
};

void BM_PictureIntoImage(benchmark::State& bench) {
    const Load& load = Loads[bench.range(0)];
    const double split = SplitOf(load);
    const long double boxes =
        BlockPatternBoxCount(split, load.rowSide, load.splitSide, load.stackHeight, load.length,
                             load.width, load.height);
    // The boxes the picture paints, as it decides at this size.
    PolygonList painted(false);
    try {
        Draw(load, split, painted);
    } catch (const PictureTooLargeError&) {
    }
    for (auto _ : bench) {
        ImageCanvas canvas(PictureWidth, PictureHeight);
        try {
            Draw(load, split, canvas);
        } catch (const PictureTooLargeError&) {
            // Refused before a single bundle: what is timed is the pallet and the refusal.
        }
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
    bench.counters["bundles"] = static_cast<double>(boxes);
    bench.counters["drawn"] = static_cast<double>(painted.boxes);
}

void BM_GeometryOnly(benchmark::State& bench) {
    const Load& load = Loads[bench.range(0)];
    const double split = SplitOf(load);
    for (auto _ : bench) {
        PolygonList canvas(false);
        try {
            Draw(load, split, canvas);
        } catch (const PictureTooLargeError&) {
        }
    }
}

// The same polygons in the same colours, straight into a QImage through one QPainter.
void BM_BareQPainterFloor(benchmark::State& bench) {
    const Load& load = Loads[bench.range(0)];
    PolygonList list(true);
    try {
        Draw(load, SplitOf(load), list);
    } catch (const PictureTooLargeError&) {
        bench.SkipWithError("refused picture: no polygons to replay");
        return;
    }
    for (auto _ : bench) {
        QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        for (const PolygonList::Fill& fill : list.fills) {
            painter.setPen(QColor(RedOf(fill.pen), GreenOf(fill.pen), BlueOf(fill.pen)));
            painter.setBrush(QColor(RedOf(fill.brush), GreenOf(fill.brush), BlueOf(fill.brush)));
            const QPoint corners[4] = {{fill.points[0].X, fill.points[0].Y},
                                       {fill.points[1].X, fill.points[1].Y},
                                       {fill.points[2].X, fill.points[2].Y},
                                       {fill.points[3].X, fill.points[3].Y}};
            painter.drawPolygon(corners, 4);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    bench.counters["polygons"] = static_cast<double>(list.fills.size());
}

BENCHMARK(BM_PictureIntoImage)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GeometryOnly)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareQPainterFloor)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
