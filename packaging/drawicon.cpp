// Draws the program's icon at build time with the program's own engine: a small loaded pallet,
// as an SVG document and as a square PNG, both on a transparent background.
//
//   stowly-drawicon ICON.svg ICON.png SIZE
#include "canvas/imagecanvas.h"
#include "canvas/svgcanvas.h"
#include "planning/loadplan.h"
#include "shell/resultpicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

// Passes every operation on, moved by (dx, dy), except the clearing of the picture, so the
// icon has no backdrop; notes how far the drawing reaches.
class IconCanvas : public Canvas {
  public:
    IconCanvas(Canvas& target, int dx, int dy) : target(target), dx(dx), dy(dy) {}
    Colour PenColour() const override { return target.PenColour(); }
    void SetPenColour(Colour colour) override { target.SetPenColour(colour); }
    int PenWidth() const override { return target.PenWidth(); }
    void SetPenWidth(int width) override { target.SetPenWidth(width); }
    Colour BrushColour() const override { return target.BrushColour(); }
    void SetBrushColour(Colour colour) override { target.SetBrushColour(colour); }
    void SetBrushSolid() override { target.SetBrushSolid(); }
    void FillRect(int, int, int, int) override {}
    void Polygon(const Quad& points) override {
        Quad moved = points;
        for (PixelPoint& p : moved) {
            p.X += dx;
            p.Y += dy;
            left = std::min(left, p.X), right = std::max(right, p.X);
            top = std::min(top, p.Y), bottom = std::max(bottom, p.Y);
        }
        target.Polygon(moved);
    }
    void TextOut(int x, int y, const std::string& text) override {
        target.TextOut(x + dx, y + dy, text);
    }

    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;

  private:
    Canvas& target;
    int dx, dy;
};

// Three layers of four bundles on a euro pallet, the envelope exactly as high as the load so
// it draws no empty frame above it; in the colour of kraft board.
constexpr double BundleLength = 600, BundleWidth = 400, BundleHeight = 300;
constexpr Colour Kraft = MakeColour(214, 168, 110);

LoadRequest IconRequest() {
    LoadRequest request;
    request.MaxHeight = 3 * BundleHeight;
    request.HeightIncludesPallet = false;
    request.BundleLength = BundleLength;
    request.BundleWidth = BundleWidth;
    request.BundleHeight = BundleHeight;
    return request;
}

// The drawing fits its scene to an area and hangs the pallet below it, as the window's picture
// does under its text band; so the icon tries smaller areas until the whole pallet fits with a
// small margin, and then centres it.
void Draw(Canvas& canvas, int size) {
    const LoadRequest request = IconRequest();
    const LoadPlan plan = PlanLoad(request);
    const int fitted = size * 15 / 16;
    const auto drawInto = [&](Canvas& target, int areaHeight, int dx, int dy) {
        IconCanvas icon(target, dx, dy);
        // The picture fits its scene below the text band; the icon has none, and its offset
        // takes the band out again.
        ResultPicture(icon, Kraft).DrawLoad(plan, request, size, areaHeight + SceneTopBand);
        return icon;
    };
    for (int areaHeight = size; areaHeight > size / 4; --areaHeight) {
        SvgCanvas scratch(size, size);
        const IconCanvas trial = drawInto(scratch, areaHeight, 0, 0);
        if (trial.right - trial.left >= fitted || trial.bottom - trial.top >= fitted)
            continue;
        drawInto(canvas, areaHeight, (size - 1 - trial.right - trial.left) / 2,
                 (size - 1 - trial.bottom - trial.top) / 2);
        return;
    }
    throw std::runtime_error("the pallet does not fit the icon");
}

void Save(const char* path, const QByteArray& bytes) {
    QSaveFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(std::string("cannot write ") + path);
}

QByteArray SvgIcon(int size) {
    SvgCanvas canvas(size, size);
    Draw(canvas, size);
    std::string document = canvas.Document();
    // The document always starts with a white sheet under the drawing; an icon has none.
    const std::string sheet = "<rect x=\"0\" y=\"0\" width=\"" + std::to_string(size) +
                              "\" height=\"" + std::to_string(size) + "\" fill=\"#ffffff\"/>\n";
    const std::size_t at = document.find(sheet);
    if (at == std::string::npos)
        throw std::runtime_error("the SVG document has no white sheet to take away");
    document.erase(at, sheet.size());
    return QByteArray::fromStdString(document);
}

QByteArray PngIcon(int size) {
    ImageCanvas canvas(size, size);
    Draw(canvas, size);
    // The picture starts white and the kraft shades never are: white is the backdrop.
    QImage image = canvas.Image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == qRgb(255, 255, 255))
                line[x] = qRgba(0, 0, 0, 0);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode the PNG icon");
    return bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4 || std::atoi(argv[3]) < 16) {
        std::fprintf(stderr, "usage: stowly-drawicon ICON.svg ICON.png SIZE\n");
        return 2;
    }
    try {
        const int size = std::atoi(argv[3]);
        Save(argv[1], SvgIcon(size));
        Save(argv[2], PngIcon(size));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "stowly-drawicon: %s\n", failure.what());
        return 1;
    }
    return 0;
}
