#include "shell/layerplans.h"

#include "shell/texts.h"

#include <cmath>

namespace {

std::int64_t WholeMm(double value) {
    return static_cast<std::int64_t>(std::trunc(value));
}

PlanFrame FrameOf(const Calculation& c) {
    const LoadRequest& r = c.Request;
    const bool turned = c.Plan.Turned;
    return {WholeMm(c.Plan.PalletLength),
            WholeMm(c.Plan.PalletWidth),
            turned ? r.WidthOverhang : r.LengthOverhang,
            turned ? r.LengthOverhang : r.WidthOverhang,
            WholeMm(r.BundleLength),
            WholeMm(r.BundleWidth)};
}

bool BestBeatsTwoBlocks(const Calculation& c) {
    return c.Advice && c.Advice->Available && c.Advice->Best.Count > c.Advice->TwoBlockCount;
}

PlanPicture Picture(const Calculation& c, const LayerPlan& layer, const std::string& title,
                    std::vector<std::string> caption, Alternation alternation) {
    PlanPicture picture;
    picture.Layers = {layer};
    picture.Texts.Titles = {title};
    if (alternation == Alternation::On) {
        const MirroredLayer mirrored = MirrorLayer(layer);
        if (mirrored.Axis == MirrorAxis::None) {
            caption.push_back(Texts::Sheet::MirrorSame);
        } else {
            picture.Layers.push_back(mirrored.Plan);
            picture.Texts.Titles = {title + ". " + Texts::Sheet::OddLayers,
                                    Texts::Sheet::EvenLayers};
        }
    }
    picture.Texts.Caption = std::move(caption);
    picture.Texts.LengthwiseLegend =
        Texts::Sheet::BundleLegend(c.Inputs.BundleLength, c.Inputs.BundleWidth);
    picture.Texts.TurnedLegend = Texts::Sheet::Turned;
    picture.Texts.OverhangPrefix = Texts::Sheet::OverhangPrefix;
    picture.Texts.InsetPrefix = Texts::Sheet::InsetPrefix;
    picture.Texts.TooManyBundles = Texts::Sheet::TooManyBundles;
    return picture;
}

} // namespace

LayerPlan TwoBlockLayerPlanOf(const Calculation& c) {
    return TwoBlockLayerPlan(FrameOf(c), WholeMm(c.Plan.RowSide), WholeMm(c.Plan.SplitSide),
                             WholeMm(c.Plan.Split));
}

std::optional<LayerPlan> BestLayerPlanOf(const Calculation& c) {
    if (!BestBeatsTwoBlocks(c))
        return std::nullopt;
    return BlocksLayerPlan(FrameOf(c), c.Advice->Best.Blocks);
}

PlanPicture TwoBlockPlanPicture(const Calculation& c, Alternation alternation) {
    std::vector<std::string> caption{
        Texts::Sheet::PlanCaption(c.Plan.LayerCount, c.Plan.Layers, c.Plan.Total)};
    if (BestBeatsTwoBlocks(c))
        caption.push_back(
            Texts::Sheet::BestBeatsTwoBlocks(c.Advice->Best.Count, c.Advice->TwoBlockCount));
    return Picture(c, TwoBlockLayerPlanOf(c), Texts::Sheet::TwoBlockTitle, std::move(caption),
                   alternation);
}

std::optional<PlanPicture> BestPlanPicture(const Calculation& c, Alternation alternation) {
    const std::optional<LayerPlan> best = BestLayerPlanOf(c);
    if (!best)
        return std::nullopt;
    const LoadPlan& plan = c.Advice->BestPlan;
    return Picture(
        c, *best, Texts::Sheet::BestTitle,
        {Texts::Sheet::PlanCaption(plan.LayerCount, plan.Layers, plan.Total),
         Texts::Sheet::BestBeatsTwoBlocks(c.Advice->Best.Count, c.Advice->TwoBlockCount)},
        alternation);
}
