#include "planning/layerplan/layerplan.h"

#include "planning/advisor/twoblocklayout.h"

#include <algorithm>
#include <tuple>

namespace {

// Halves rounded toward minus infinity, so a centred rectangle never leaves a larger one around
// the same centre when the difference of their sides is odd.
std::int64_t HalfDown(std::int64_t value) {
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

PlanRect Centred(std::int64_t length, std::int64_t width, const PlanRect& on) {
    return {on.X + HalfDown(on.Length - length), on.Y + HalfDown(on.Width - width), length, width};
}

bool Listable(std::int64_t count) {
    return count <= MaxPlanBundles;
}

} // namespace

LayerPlan BlocksLayerPlan(const PlanFrame& frame, const std::vector<BundleBlock>& blocks) {
    LayerPlan plan;
    plan.Pallet = {0, 0, frame.PalletLength, frame.PalletWidth};
    plan.Envelope = Centred(frame.PalletLength + frame.MaxLengthOverhang,
                            frame.PalletWidth + frame.MaxWidthOverhang, plan.Pallet);
    plan.BundleLength = frame.BundleLength;
    plan.BundleWidth = frame.BundleWidth;

    std::int64_t reachX = 0, reachY = 0;
    for (const BundleBlock& b : blocks) {
        if (b.Columns <= 0 || b.Rows <= 0)
            continue;
        plan.Count += b.Columns * b.Rows;
        reachX = std::max(reachX, b.X + b.Columns * b.LengthAlongX);
        reachY = std::max(reachY, b.Y + b.Rows * b.WidthAlongY);
    }
    plan.Footprint = Centred(reachX, reachY, plan.Pallet);
    if (!Listable(plan.Count))
        return plan;

    // A square bundle lies the same either way round, so none of it counts as turned.
    const bool square = frame.BundleLength == frame.BundleWidth;
    plan.Bundles.reserve(static_cast<std::size_t>(plan.Count));
    for (const Placement& p : ExpandBlocks(blocks)) {
        plan.Bundles.push_back(
            {{plan.Footprint.X + p.X, plan.Footprint.Y + p.Y, p.LengthAlongX, p.WidthAlongY},
             !square && p.LengthAlongX != frame.BundleLength});
    }
    return plan;
}

LayerPlan TwoBlockLayerPlan(const PlanFrame& frame, std::int64_t rowSide, std::int64_t splitSide,
                            std::int64_t split) {
    if (frame.BundleLength <= 0 || frame.BundleWidth <= 0 || rowSide <= 0 || splitSide <= 0)
        return BlocksLayerPlan(frame, {});
    return BlocksLayerPlan(frame, TwoBlockBlocks(rowSide, splitSide, frame.BundleLength,
                                                 frame.BundleWidth, split, false));
}

namespace {

LayerPlan Flipped(const LayerPlan& plan, bool acrossWidth) {
    LayerPlan image = plan;
    const PlanRect& f = plan.Footprint;
    for (PlanBundle& bundle : image.Bundles) {
        PlanRect& r = bundle.Rect;
        if (acrossWidth)
            r.Y = f.Y + (f.Y + f.Width) - (r.Y + r.Width);
        else
            r.X = f.X + (f.X + f.Length) - (r.X + r.Length);
    }
    return image;
}

std::vector<PlanRect> SortedRects(const LayerPlan& plan) {
    std::vector<PlanRect> rects;
    rects.reserve(plan.Bundles.size());
    for (const PlanBundle& b : plan.Bundles)
        rects.push_back(b.Rect);
    std::sort(rects.begin(), rects.end(), [](const PlanRect& a, const PlanRect& b) {
        return std::tie(a.X, a.Y, a.Length, a.Width) < std::tie(b.X, b.Y, b.Length, b.Width);
    });
    return rects;
}

} // namespace

bool SameLayout(const LayerPlan& a, const LayerPlan& b) {
    return a.Count == b.Count && SortedRects(a) == SortedRects(b);
}

MirroredLayer MirrorLayer(const LayerPlan& plan) {
    MirroredLayer mirrored{MirrorAxis::AcrossWidth, Flipped(plan, true)};
    if (!SameLayout(plan, mirrored.Plan))
        return mirrored;
    mirrored = {MirrorAxis::AcrossLength, Flipped(plan, false)};
    if (!SameLayout(plan, mirrored.Plan))
        return mirrored;
    return {MirrorAxis::None, plan};
}
