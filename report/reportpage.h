#pragma once

#include "render/canvas.h"
#include "report/planpicture.h"

#include <functional>
#include <string>
#include <vector>

class QImage;
class QPainter;

// The one-page report: a header with the program's name and the time, the inputs as read, the
// result lines, the loaded pallet in 3D, the advisor's lines and the layer plans. The page is
// composed here from texts and drawings the shell made; the same composition goes to a PDF file
// and to a printer.

struct ReportSection {
    std::string Heading;
    std::vector<std::string> Lines;
};

struct ReportPage {
    std::string Title;
    std::string Time;                    // written at the right of the header
    std::vector<ReportSection> Sections; // down the left column, in order
    // Draws the loaded pallet on a canvas of the given size. A PictureTooLargeError from it puts
    // PictureRefusal in the picture's place.
    std::function<void(Canvas& canvas, int width, int height)> DrawPicture;
    std::string PictureRefusal;
    // Below the sections and the picture, one above the other.
    std::vector<PlanPicture> Plans;
};

// Paints the page on a painter whose device is one A4 page with its origin at the page's corner
// (no margins of the device's own).
void PaintReportPage(QPainter& painter, const ReportPage& page);

// Writes the page as a one-page A4 PDF, through a temporary file renamed over `path` once all is
// written. Returns false, leaving any file at `path` as it was, when it cannot be written.
bool WriteReportPdf(const std::string& path, const ReportPage& page);

// A picture as the bytes of a PNG file; empty when it cannot be encoded.
std::string PngFileContent(const QImage& image);
