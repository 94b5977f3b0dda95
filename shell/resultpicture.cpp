#include "shell/resultpicture.h"

#include "loaddraw/drawload.h"
#include "loaddraw/drawplacedload.h"
#include "shell/resulttexts.h"

void BeginResultPicture(Canvas& canvas, SceneState& scene, Colour colour) {
    canvas.SetPenWidth(1);
    canvas.SetPenColour(colour);
    canvas.SetBrushColour(clWhite);
    scene.PalletPending = 1;
    scene.PalletHeight = PalletHeightMm;
}

void DrawPlannedLoad(Canvas& canvas, SceneState& scene, const LoadPlan& plan, double bundleLength,
                     double bundleWidth, double bundleHeight, int pictureWidth, int pictureHeight) {
    DrawLoad(scene, canvas, plan.RowSide, plan.SplitSide, plan.Split, plan.StackHeight,
             bundleLength, bundleWidth, bundleHeight, pictureWidth,
             std::int64_t{pictureHeight} - TextBandHeight);
}

void WriteTextBlock(Canvas& canvas, const std::vector<std::string>& lines) {
    canvas.SetBrushColour(clWhite);
    for (std::size_t i = 0; i < lines.size(); ++i)
        canvas.TextOut(TextBlockLeft, TextBlockLineY(static_cast<int>(i)), lines[i]);
}

namespace {

// The three steps of every picture, the load drawn by `drawLoad`.
template <typename DrawLoadStep>
void ComposePicture(Canvas& canvas, SceneState& scene, Colour colour,
                    const std::vector<std::string>& lines, DrawLoadStep drawLoad) {
    BeginResultPicture(canvas, scene, colour);
    drawLoad();
    if (!lines.empty())
        WriteTextBlock(canvas, lines);
}

} // namespace

void DrawResultPicture(Canvas& canvas, SceneState& scene, Colour colour, const LoadPlan& plan,
                       double bundleLength, double bundleWidth, double bundleHeight,
                       int pictureWidth, int pictureHeight, const std::vector<std::string>& lines) {
    ComposePicture(canvas, scene, colour, lines, [&] {
        DrawPlannedLoad(canvas, scene, plan, bundleLength, bundleWidth, bundleHeight, pictureWidth,
                        pictureHeight);
    });
}

void DrawBestLayerLoad(Canvas& canvas, SceneState& scene, const LayerAdvice& advice,
                       int pictureWidth, int pictureHeight) {
    const BestLayer& best = advice.Best;
    // The advisor lists the bundles of any layer a picture can hold, in painting order.
    if (best.Placements.empty() && best.Count > 0)
        throw PictureTooLargeError();
    std::vector<LayerBox> layer;
    layer.reserve(best.Placements.size());
    for (const Placement& p : best.Placements)
        layer.push_back({p.X, p.Y, p.X + p.LengthAlongX, p.Y + p.WidthAlongY});
    const LoadPlan& plan = advice.BestPlan;
    DrawPlacedLoad(scene, canvas, layer, plan.RowSide, plan.SplitSide, plan.StackHeight,
                   advice.BundleHeight, pictureWidth, std::int64_t{pictureHeight} - TextBandHeight);
}

void DrawBestLayerPicture(Canvas& canvas, SceneState& scene, Colour colour,
                          const LayerAdvice& advice, int pictureWidth, int pictureHeight,
                          const std::vector<std::string>& lines) {
    ComposePicture(canvas, scene, colour, lines,
                   [&] { DrawBestLayerLoad(canvas, scene, advice, pictureWidth, pictureHeight); });
}
