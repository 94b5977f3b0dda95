#include "planning/advisor/blocksearch.h"

#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/fiveblock.h"
#include "planning/advisor/lshapes.h"
#include "planning/advisor/raster.h"

#include <algorithm>

namespace {

// Both limits keep the first stage's tables to about fifteen megabytes; the second stage sets
// its own limit.
constexpr std::int64_t MaxSpan = 1 << 20;
constexpr std::size_t MaxRasterPoints = 512;
// Work units for setting up: about what one candidate costs.
constexpr std::int64_t SpanPerUnit = 64;
constexpr std::int64_t PiecesPerUnit = 16;

} // namespace

std::optional<SearchedLayer> SearchLayer(std::int64_t x, std::int64_t y, std::int64_t l,
                                         std::int64_t w, BudgetMeter& meter) {
    if (x <= 0 || y <= 0)
        return std::nullopt;
    const std::optional<Raster> raster =
        Raster::Make(std::max(x, y), l, w, MaxRasterPoints, MaxSpan);
    if (!raster)
        return std::nullopt;
    // Setting up the raster and the tables is work too, charged by what it touches.
    meter.Spend(std::max(x, y) / SpanPerUnit +
                std::int64_t{raster->Size()} * raster->Size() / PiecesPerUnit);
    FiveBlockSearch search(l, w, *raster, meter);
    const int a = raster->Index(x);
    const int b = raster->Index(y);
    SearchedLayer result;
    if (!search.Guillotine())
        return result;
    result.Count = search.Solve(a, b);
    // The L-shape tables are paid for before they are built: a budget they would exhaust
    // leaves no work to use them.
    if (result.Count < search.Bound(a, b) && !meter.Exhausted() &&
        LShapeSearch::Fits(a + 1, b + 1) &&
        meter.Spend(LShapeSearch::Pieces(a + 1, b + 1) / PiecesPerUnit)) {
        LShapeSearch lShapes(l, w, *raster, search, a + 1, b + 1, meter);
        const std::int64_t count = lShapes.SolveRect(a, b);
        if (count > result.Count) {
            result.Count = count;
            lShapes.BuildRect(a, b, Frame{}, result.Blocks);
            return result;
        }
    }
    search.Build(a, b, Frame{}, result.Blocks);
    return result;
}
