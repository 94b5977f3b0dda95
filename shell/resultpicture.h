#pragma once

#include "planning/loadplan.h"
#include "render/PodNew.h"
#include "render/canvas.h"
#include "shell/advice.h"

#include <string>
#include <vector>

// The picture of a load result, shared by the window, the clipboard and the report. The window
// runs the three steps at their places in the calculation; the report runs them in one go.

// The picture's width in the window; its height follows the window.
constexpr int ResultPictureWidth = 417;
constexpr int ResultPictureHeight = 564;
// The band at the top of the picture that the scene leaves to the text block.
constexpr int TextBandHeight = 80;

// A fresh picture: 1-pixel pen in the load colour, white brush, and the drawing state that
// makes the next drawing start with the pallet.
void BeginResultPicture(Canvas& canvas, SceneState& scene, Colour colour);

// The loaded pallet of the plan, fitted below the text band.
void DrawPlannedLoad(Canvas& canvas, SceneState& scene, const LoadPlan& plan, double bundleLength,
                     double bundleWidth, double bundleHeight, int pictureWidth, int pictureHeight);

// The result lines at the top left, each on white.
void WriteTextBlock(Canvas& canvas, const std::vector<std::string>& lines);

// All three steps; no text block when `lines` is empty.
void DrawResultPicture(Canvas& canvas, SceneState& scene, Colour colour, const LoadPlan& plan,
                       double bundleLength, double bundleWidth, double bundleHeight,
                       int pictureWidth, int pictureHeight, const std::vector<std::string>& lines);

// The loaded pallet with the advisor's best layer in every layer, on the same view; the pallet
// spans the overhangs the best layer uses.
void DrawBestLayerLoad(Canvas& canvas, SceneState& scene, const LayerAdvice& advice,
                       int pictureWidth, int pictureHeight);

// All three steps for the best layer's picture.
void DrawBestLayerPicture(Canvas& canvas, SceneState& scene, Colour colour,
                          const LayerAdvice& advice, int pictureWidth, int pictureHeight,
                          const std::vector<std::string>& lines);
