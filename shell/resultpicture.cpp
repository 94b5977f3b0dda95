#include "shell/resultpicture.h"

#include "loaddraw/drawblockpattern.h"
#include "loaddraw/drawload.h"
#include "loaddraw/drawplacedload.h"
#include "planning/advisor/loadadvice.h"
#include "planning/weights.h"
#include "shell/resulttexts.h"

namespace {

// The height left to the scene below the text band.
std::int64_t SceneHeight(int pictureHeight) {
    return std::int64_t{pictureHeight} - SceneTopBand;
}

// A plan whose layers a weight limit cut is drawn as the shorter stack it is; any other plan
// with the height it was planned for, so its picture stays exactly as it was.
double DrawnStackHeight(const LoadPlan& plan, double bundleHeight) {
    if (plan.LayerCount <= 0)
        return plan.StackHeight;
    return StackHeightForLayers(plan.StackHeight, bundleHeight, plan.Layers);
}

} // namespace

ResultPicture::ResultPicture(Canvas& canvas, Colour colour) : canvas(canvas), colour(colour) {
    canvas.SetPenWidth(1);
    canvas.SetPenColour(colour);
    canvas.SetBrushColour(clWhite);
    scene.PalletPending = 1;
    scene.PalletHeight = PalletHeightMm;
}

void ResultPicture::DrawLoad(const LoadPlan& plan, const LoadRequest& request, int width,
                             int height) {
    ::DrawLoad(scene, canvas, plan.RowSide, plan.SplitSide, plan.Split,
               DrawnStackHeight(plan, request.BundleHeight), request.BundleLength,
               request.BundleWidth, request.BundleHeight, width, SceneHeight(height));
}

void ResultPicture::DrawBestLayer(const LayerAdvice& advice, int width, int height) {
    const BestLayer& best = advice.Best;
    // The advisor lists the bundles of any layer a picture can hold, in painting order.
    if (best.Placements.empty() && best.Count > 0)
        throw PictureTooLargeError();
    std::vector<LayerBox> layer;
    layer.reserve(best.Placements.size());
    for (const Placement& p : best.Placements)
        layer.push_back({p.X, p.Y, p.X + p.LengthAlongX, p.Y + p.WidthAlongY});
    const LoadPlan& plan = advice.BestPlan;
    DrawPlacedLoad(scene, canvas, layer, plan.RowSide, plan.SplitSide,
                   DrawnStackHeight(plan, advice.BundleHeight), advice.BundleHeight, width,
                   SceneHeight(height));
}

void ResultPicture::WriteText(const std::vector<std::string>& lines) {
    canvas.SetBrushColour(clWhite);
    for (std::size_t i = 0; i < lines.size(); ++i)
        canvas.TextOut(TextBlockLeft, TextBlockLineY(static_cast<int>(i)), lines[i]);
}

void DrawResultPicture(Canvas& canvas, Colour colour, const LoadPlan& plan,
                       const LoadRequest& request, int width, int height,
                       const std::vector<std::string>& lines) {
    ResultPicture picture(canvas, colour);
    picture.DrawLoad(plan, request, width, height);
    if (!lines.empty())
        picture.WriteText(lines);
}

void DrawBestLayerPicture(Canvas& canvas, Colour colour, const LayerAdvice& advice, int width,
                          int height, const std::vector<std::string>& lines) {
    ResultPicture picture(canvas, colour);
    picture.DrawBestLayer(advice, width, height);
    if (!lines.empty())
        picture.WriteText(lines);
}
