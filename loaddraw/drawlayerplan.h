#pragma once

#include "planning/layerplan/layerplan.h"
#include "render/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

// The layer plan as a picture: one layer, or a layer and its mirror image side by side, seen from
// above and to scale, each with the pallet, the dashed overhang envelope, the load's footprint,
// dimension lines and every bundle numbered in placing order; below them the legend and the
// caption. Laid out in millimetres and drawn through a view onto any canvas, so the SVG file, the
// PNG, the PDF report and the printer show one drawing.

// The words of the picture, made by the shell; the drawing adds only numbers.
struct PlanTexts {
    std::vector<std::string> Titles;  // one above each layer drawn
    std::vector<std::string> Caption; // lines below the plans
    std::string LengthwiseLegend;     // beside the shade of bundles lying lengthwise
    std::string TurnedLegend;         // beside the shade of bundles turned a quarter turn
    std::string OverhangPrefix;       // before the overhang written at each side
    std::string InsetPrefix;          // instead, where the load stays inside the pallet's edge
    std::string TooManyBundles;       // in place of the bundles of a layer too large to list
};

// One picture of the plan: the layers side by side and the words around them.
struct PlanPicture {
    std::vector<LayerPlan> Layers;
    PlanTexts Texts;
};

// Where everything goes, in the millimetres of the first layer's frame (its pallet corner at
// 0, 0, y growing away from the viewer's top edge).
struct PlanLayout {
    PlanRect Extent;                     // everything drawn
    std::vector<std::int64_t> LayerLeft; // x shift of each layer's frame
    std::int64_t FontMm = 0;             // height of the ordinary text
    std::int64_t CaptionTop = 0;         // y of the legend row; the caption follows it
};

PlanLayout LayOutPlan(const std::vector<LayerPlan>& layers, const PlanTexts& texts);

// Millimetres to device pixels: device = origin + scale * mm, rounded to the nearest pixel.
struct PlanView {
    double Scale = 1;
    double OriginX = 0, OriginY = 0;
};

// The view that shows `extent` as large as fits in the device rectangle, centred in it.
PlanView FitPlanView(const PlanRect& extent, int left, int top, int width, int height);

// Draws the plan. Changes the pen and the brush of the canvas.
void DrawLayerPlan(Canvas& canvas, const std::vector<LayerPlan>& layers, const PlanTexts& texts,
                   const PlanLayout& layout, const PlanView& view);

// The colours, for the tests that look for them.
inline constexpr Colour PlanPalletColour = MakeColour(236, 224, 200);
inline constexpr Colour PlanLengthwiseColour = MakeColour(214, 230, 245);
inline constexpr Colour PlanTurnedColour = MakeColour(140, 186, 222);
