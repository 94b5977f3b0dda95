#pragma once

#include "planning/loadplan.h"
#include "render/PodNew.h"
#include "render/canvas.h"

#include <string>
#include <vector>

struct LayerAdvice;

// The picture of a load result, shared by the window, the clipboard and the report.

// The picture's width in the window; its height follows the window.
constexpr int ResultPictureWidth = 417;
constexpr int ResultPictureHeight = 564;

// One picture of a calculation on a canvas the caller keeps. It owns what the drawing steps
// share: the scene, which the first drawing fits to the pallet and the load; the colour of the
// pallet and the bundles; and the band of SceneTopBand pixels at the top that the scene leaves
// to the text block. The window runs the steps at their places in the calculation; the report
// runs them in one go (DrawResultPicture).
class ResultPicture {
  public:
    // A fresh picture: 1-pixel pen in the load colour, white brush, and the next drawing starts
    // with the pallet.
    ResultPicture(Canvas& canvas, Colour colour);

    // The loaded pallet of the plan in a picture of width x height, the scene fitted below the
    // text band.
    void DrawLoad(const LoadPlan& plan, const LoadRequest& request, int width, int height);

    // The loaded pallet with the advisor's best layer in every layer, on the same view; the
    // pallet spans the overhangs the best layer uses. PictureTooLargeError when the advisor
    // listed no bundles for a layer that holds some.
    void DrawBestLayer(const LayerAdvice& advice, int width, int height);

    // The lines at the top left of the band, each on white.
    void WriteText(const std::vector<std::string>& lines);

    Colour LoadColour() const { return colour; }
    const SceneState& Scene() const { return scene; }

  private:
    Canvas& canvas;
    Colour colour;
    SceneState scene;
};

// A whole picture of the plan: the load, then the text block unless `lines` is empty.
void DrawResultPicture(Canvas& canvas, Colour colour, const LoadPlan& plan,
                       const LoadRequest& request, int width, int height,
                       const std::vector<std::string>& lines);

// A whole picture of the advisor's best layer, the same way.
void DrawBestLayerPicture(Canvas& canvas, Colour colour, const LayerAdvice& advice, int width,
                          int height, const std::vector<std::string>& lines);
