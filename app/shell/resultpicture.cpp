#include "app/shell/resultpicture.h"

#include "app/shell/resulttexts.h"
#include "loaddraw/drawload.h"

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

void DrawResultPicture(Canvas& canvas, SceneState& scene, Colour colour, const LoadPlan& plan,
                       double bundleLength, double bundleWidth, double bundleHeight,
                       int pictureWidth, int pictureHeight, const std::vector<std::string>& lines) {
    BeginResultPicture(canvas, scene, colour);
    DrawPlannedLoad(canvas, scene, plan, bundleLength, bundleWidth, bundleHeight, pictureWidth,
                    pictureHeight);
    if (!lines.empty())
        WriteTextBlock(canvas, lines);
}
