#include "report/planpicture.h"

#include "canvas/imagecanvas.h"
#include "canvas/svgcanvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int ClampedInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min() / 2,
                                                     std::numeric_limits<int>::max() / 2));
}

} // namespace

std::string PlanSvgDocument(const PlanPicture& plan) {
    const PlanLayout layout = LayOutPlan(plan.Layers, plan.Texts);
    const PlanRect& e = layout.Extent;
    SvgCanvas canvas(ClampedInt(e.X), ClampedInt(e.Y), std::max(1, ClampedInt(e.Length)),
                     std::max(1, ClampedInt(e.Width)));
    DrawLayerPlan(canvas, plan.Layers, plan.Texts, layout, PlanView{1, 0, 0});
    return canvas.Document();
}

QImage PlanImage(const PlanPicture& plan, int width, int height) {
    const PlanLayout layout = LayOutPlan(plan.Layers, plan.Texts);
    const PlanRect& e = layout.Extent;
    const double scale = std::min(
        {1.0, static_cast<double>(width) / static_cast<double>(std::max<std::int64_t>(1, e.Length)),
         static_cast<double>(height) / static_cast<double>(std::max<std::int64_t>(1, e.Width))});
    const int pixelsX =
        std::max(1, static_cast<int>(std::lround(scale * static_cast<double>(e.Length))));
    const int pixelsY =
        std::max(1, static_cast<int>(std::lround(scale * static_cast<double>(e.Width))));
    ImageCanvas canvas(pixelsX, pixelsY);
    DrawLayerPlan(canvas, plan.Layers, plan.Texts, layout, FitPlanView(e, 0, 0, pixelsX, pixelsY));
    return canvas.Image();
}

void DrawPlanPicture(Canvas& canvas, const PlanPicture& plan, int left, int top, int width,
                     int height) {
    const PlanLayout layout = LayOutPlan(plan.Layers, plan.Texts);
    DrawLayerPlan(canvas, plan.Layers, plan.Texts, layout,
                  FitPlanView(layout.Extent, left, top, width, height));
}
