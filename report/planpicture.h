#pragma once

#include "loaddraw/drawlayerplan.h"

#include <QImage>

#include <string>
#include <vector>

// The layer plan as a file: one drawing routine, two documents.

// An SVG document in millimetres: the viewBox in millimetres with the first pallet's corner at
// 0, 0, x along the pallet length and y along its width, every bundle one
// <rect class="bundle" x= y= width= height=/>.
std::string PlanSvgDocument(const PlanPicture& plan);

// The plan as pixels, as large as fits in width x height and no larger than the plan's size in
// millimetres; the picture takes the plan's proportions. Needs a QGuiApplication for the text.
QImage PlanImage(const PlanPicture& plan, int width, int height);

// The plan fitted into a device rectangle of any canvas.
void DrawPlanPicture(Canvas& canvas, const PlanPicture& plan, int left, int top, int width,
                     int height);
