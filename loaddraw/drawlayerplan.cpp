#include "loaddraw/drawlayerplan.h"

#include <algorithm>
#include <cmath>

namespace {

// Ordinary text is this fraction of the longest side of a layer: large enough to read on a
// printed page, small enough to leave the plan the room.
constexpr double FontShare = 1.0 / 30;
constexpr std::int64_t SmallestFontMm = 8;
// A rough width of one character as a share of the text height, for laying out rows of text
// before any surface measures them; DejaVu Sans stays below it for digits and Cyrillic.
constexpr double CharacterWidth = 0.62;
// Numbers smaller than this many pixels could not be read: a plan of tiny bundles goes without.
constexpr int SmallestNumberPixels = 5;

std::int64_t Right(const PlanRect& r) {
    return r.X + r.Length;
}
std::int64_t Bottom(const PlanRect& r) {
    return r.Y + r.Width;
}

PlanRect Union(const PlanRect& a, const PlanRect& b) {
    const std::int64_t x = std::min(a.X, b.X), y = std::min(a.Y, b.Y);
    return {x, y, std::max(Right(a), Right(b)) - x, std::max(Bottom(a), Bottom(b)) - y};
}

// Everything of one layer that has a size: the pallet, the envelope and the footprint.
PlanRect Outline(const LayerPlan& layer) {
    PlanRect outline = Union(layer.Pallet, layer.Envelope);
    if (layer.Count > 0)
        outline = Union(outline, layer.Footprint);
    return outline;
}

std::int64_t Characters(const std::string& text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::int64_t TextWidthMm(const std::string& text, double height) {
    return static_cast<std::int64_t>(std::ceil(CharacterWidth * height * Characters(text)));
}

// Room around a layer's outline for the title and the dimension lines, in heights of the text.
constexpr double LeftRoom = 4, TopRoom = 5.6, RightRoom = 1.8, BottomRoom = 1.8;
constexpr double LegendRow = 1.8, CaptionRow = 1.4;

std::int64_t Round(double mm) {
    return static_cast<std::int64_t>(std::llround(mm));
}

std::int64_t Mm(double fonts, std::int64_t font) {
    return Round(fonts * static_cast<double>(font));
}

} // namespace

PlanLayout LayOutPlan(const std::vector<LayerPlan>& layers, const PlanTexts& texts) {
    PlanLayout layout;
    std::int64_t longest = 0;
    for (const LayerPlan& layer : layers) {
        const PlanRect outline = Outline(layer);
        longest = std::max({longest, outline.Length, outline.Width});
    }
    const std::int64_t f = layout.FontMm =
        std::max(SmallestFontMm, Round(static_cast<double>(longest) * FontShare));

    std::int64_t top = 0, bottom = 0, right = 0;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const PlanRect outline = Outline(layers[i]);
        const std::int64_t left = outline.X - Mm(LeftRoom, f);
        const std::int64_t shift = i == 0 ? 0 : right + f - left;
        layout.LayerLeft.push_back(shift);
        right = shift + Right(outline) + Mm(RightRoom, f);
        const std::int64_t layerTop = outline.Y - Mm(TopRoom, f);
        const std::int64_t layerBottom = Bottom(outline) + Mm(BottomRoom, f);
        top = i == 0 ? layerTop : std::min(top, layerTop);
        bottom = i == 0 ? layerBottom : std::max(bottom, layerBottom);
    }
    const std::int64_t left = layers.empty() ? 0 : Outline(layers.front()).X - Mm(LeftRoom, f);

    // The legend's row and the caption may be wider than the plans.
    std::int64_t widest =
        TextWidthMm(texts.LengthwiseLegend, f) + TextWidthMm(texts.TurnedLegend, f) + Mm(7, f);
    for (const std::string& line : texts.Caption)
        widest = std::max(widest, TextWidthMm(line, f) + Mm(2, f));
    for (std::size_t i = 0; i < texts.Titles.size() && i < layers.size(); ++i)
        right = std::max(right, layout.LayerLeft[i] + Outline(layers[i]).X - Mm(LeftRoom, f) +
                                    TextWidthMm(texts.Titles[i], f) + f);
    right = std::max(right, left + widest);

    layout.CaptionTop = bottom;
    bottom += Mm(LegendRow + CaptionRow * static_cast<double>(texts.Caption.size()) + 0.6, f);
    // A margin all round, so no text touches the edge of the picture.
    const std::int64_t margin = Mm(0.5, f);
    layout.Extent = {left - margin, top - margin, right - left + 2 * margin,
                     bottom - top + 2 * margin};
    return layout;
}

PlanView FitPlanView(const PlanRect& extent, int left, int top, int width, int height) {
    PlanView view;
    if (extent.Length <= 0 || extent.Width <= 0 || width <= 0 || height <= 0)
        return view;
    view.Scale = std::min(static_cast<double>(width) / static_cast<double>(extent.Length),
                          static_cast<double>(height) / static_cast<double>(extent.Width));
    view.OriginX = left + (width - view.Scale * static_cast<double>(extent.Length)) / 2 -
                   view.Scale * static_cast<double>(extent.X);
    view.OriginY = top + (height - view.Scale * static_cast<double>(extent.Width)) / 2 -
                   view.Scale * static_cast<double>(extent.Y);
    return view;
}

namespace {

// One layer's frame on the device.
class PlanPen {
  public:
    PlanPen(Canvas& canvas, const PlanView& view, std::int64_t shift, std::int64_t font)
        : canvas_(canvas), view_(view), shift_(shift), font_(font) {}

    int X(double mm) const { return Device(view_.OriginX + view_.Scale * (mm + shift_)); }
    int Y(double mm) const { return Device(view_.OriginY + view_.Scale * mm); }
    PixelPoint At(double x, double y) const { return {X(x), Y(y)}; }
    int Pixels(double mm) const { return Device(view_.Scale * mm); }
    double Font(double share = 1) const { return share * static_cast<double>(font_); }

    void Rect(const PlanRect& r, ShapeKind kind) {
        canvas_.Rectangle(X(static_cast<double>(r.X)), Y(static_cast<double>(r.Y)),
                          X(static_cast<double>(Right(r))), Y(static_cast<double>(Bottom(r))),
                          kind);
    }
    void Outline(const PlanRect& r, bool dashed) {
        const double x1 = static_cast<double>(r.X), y1 = static_cast<double>(r.Y);
        const double x2 = static_cast<double>(Right(r)), y2 = static_cast<double>(Bottom(r));
        canvas_.Line(At(x1, y1), At(x2, y1), dashed);
        canvas_.Line(At(x2, y1), At(x2, y2), dashed);
        canvas_.Line(At(x2, y2), At(x1, y2), dashed);
        canvas_.Line(At(x1, y2), At(x1, y1), dashed);
    }
    void Text(double x, double y, const std::string& text, double height, TextAnchor anchor,
              bool turned = false, bool opaque = false) {
        const int pixels = Pixels(height);
        if (pixels < 1 || text.empty())
            return;
        canvas_.Label(X(x), Y(y), text, LabelStyle{pixels, anchor, turned, opaque});
    }
    // A dimension line between two points on one axis with ticks at its ends and the distance
    // written beside it, outward of the plan.
    void Dimension(double from, double to, double at, bool alongX) {
        const double tick = Font(0.35);
        const std::string value = std::to_string(Round(to - from));
        if (alongX) {
            canvas_.Line(At(from, at), At(to, at), false);
            canvas_.Line(At(from, at - tick), At(from, at + tick), false);
            canvas_.Line(At(to, at - tick), At(to, at + tick), false);
            Text((from + to) / 2, at - Font(0.6), value, Font(0.9), TextAnchor::Centre);
        } else {
            canvas_.Line(At(at, from), At(at, to), false);
            canvas_.Line(At(at - tick, from), At(at + tick, from), false);
            canvas_.Line(At(at - tick, to), At(at + tick, to), false);
            Text(at - Font(0.6), (from + to) / 2, value, Font(0.9), TextAnchor::Centre, true);
        }
    }

  private:
    static int Device(double value) {
        return static_cast<int>(std::clamp(std::lround(value), -(1L << 30), 1L << 30));
    }

    Canvas& canvas_;
    const PlanView& view_;
    std::int64_t shift_;
    std::int64_t font_;
};

void DrawBundles(Canvas& canvas, PlanPen& pen, const LayerPlan& layer, const PlanTexts& texts) {
    if (layer.Bundles.empty()) {
        if (layer.Count > 0)
            pen.Text(static_cast<double>(layer.Footprint.X) + layer.Footprint.Length / 2.0,
                     static_cast<double>(layer.Footprint.Y) + layer.Footprint.Width / 2.0,
                     texts.TooManyBundles, pen.Font(), TextAnchor::Centre, false, true);
        return;
    }
    for (const PlanBundle& b : layer.Bundles) {
        canvas.SetBrushColour(b.Turned ? PlanTurnedColour : PlanLengthwiseColour);
        pen.Rect(b.Rect, ShapeKind::Bundle);
    }
    // The numbers after every bundle, so none is covered.
    for (std::size_t i = 0; i < layer.Bundles.size(); ++i) {
        const PlanRect& r = layer.Bundles[i].Rect;
        const std::string number = std::to_string(i + 1);
        const double length = static_cast<double>(r.Length), width = static_cast<double>(r.Width);
        const double height =
            std::min({pen.Font(0.8), 0.45 * std::min(length, width),
                      0.85 * length / (CharacterWidth * static_cast<double>(number.size()))});
        if (pen.Pixels(height) < SmallestNumberPixels)
            return;
        pen.Text(static_cast<double>(r.X) + length / 2, static_cast<double>(r.Y) + width / 2,
                 number, height, TextAnchor::Centre);
    }
}

// What the load does at one side: overhangs the pallet's edge by `overhang` mm, or stays that
// far inside it when negative, which an operator reads better as an inset than as a minus.
std::string SideText(std::int64_t overhang, const PlanTexts& texts) {
    return overhang < 0 ? texts.InsetPrefix + std::to_string(-overhang)
                        : texts.OverhangPrefix + std::to_string(overhang);
}

void DrawLayer(Canvas& canvas, PlanPen& pen, const LayerPlan& layer, const std::string& title,
               const PlanTexts& texts) {
    const PlanRect outline = Outline(layer);
    const double left = static_cast<double>(outline.X), top = static_cast<double>(outline.Y);
    const double right = static_cast<double>(Right(outline));
    const double bottom = static_cast<double>(Bottom(outline));
    const int lineWidth = std::max(1, pen.Pixels(pen.Font(1.0 / 16)));

    pen.Text(left - pen.Font(LeftRoom), top - pen.Font(TopRoom), title, pen.Font(),
             TextAnchor::TopLeft);

    canvas.SetPenColour(clBlack);
    canvas.SetPenWidth(lineWidth);
    canvas.SetBrushColour(PlanPalletColour);
    canvas.SetBrushSolid();
    pen.Rect(layer.Pallet, ShapeKind::Plain);
    DrawBundles(canvas, pen, layer, texts);

    canvas.SetPenColour(MakeColour(90, 90, 90));
    pen.Outline(layer.Envelope, true);
    if (layer.Count > 0) {
        canvas.SetPenColour(MakeColour(200, 30, 30));
        pen.Outline(layer.Footprint, false);
    }

    canvas.SetPenColour(clBlack);
    canvas.SetPenWidth(std::max(1, lineWidth / 2));
    const PlanRect& p = layer.Pallet;
    const PlanRect& f = layer.Footprint;
    // The footprint's sides, where they differ from the pallet's.
    if (layer.Count > 0 && f.Length != p.Length)
        pen.Dimension(static_cast<double>(f.X), static_cast<double>(Right(f)), top - pen.Font(1.6),
                      true);
    if (layer.Count > 0 && f.Width != p.Width)
        pen.Dimension(static_cast<double>(f.Y), static_cast<double>(Bottom(f)),
                      left - pen.Font(1.6), false);
    pen.Dimension(0, static_cast<double>(p.Length), top - pen.Font(3.2), true);
    pen.Dimension(0, static_cast<double>(p.Width), left - pen.Font(3.2), false);
    if (layer.Count == 0)
        return;

    const double small = pen.Font(0.75);
    const double middleX = (left + right) / 2, middleY = (top + bottom) / 2;
    pen.Text(middleX, top - pen.Font(0.55), SideText(-f.Y, texts), small, TextAnchor::Centre);
    pen.Text(middleX, bottom + pen.Font(0.7), SideText(Bottom(f) - p.Width, texts), small,
             TextAnchor::Centre);
    pen.Text(left - pen.Font(0.55), middleY, SideText(-f.X, texts), small, TextAnchor::Centre,
             true);
    pen.Text(right + pen.Font(0.7), middleY, SideText(Right(f) - p.Length, texts), small,
             TextAnchor::Centre, true);
}

} // namespace

void DrawLayerPlan(Canvas& canvas, const std::vector<LayerPlan>& layers, const PlanTexts& texts,
                   const PlanLayout& layout, const PlanView& view) {
    for (std::size_t i = 0; i < layers.size() && i < layout.LayerLeft.size(); ++i) {
        PlanPen pen(canvas, view, layout.LayerLeft[i], layout.FontMm);
        DrawLayer(canvas, pen, layers[i], i < texts.Titles.size() ? texts.Titles[i] : "", texts);
    }

    PlanPen pen(canvas, view, 0, layout.FontMm);
    const double left = static_cast<double>(layout.Extent.X) + pen.Font(0.5);
    const double row = static_cast<double>(layout.CaptionTop) + pen.Font(0.3);
    const double swatch = pen.Font(1.6);
    canvas.SetPenColour(clBlack);
    canvas.SetPenWidth(1);
    double x = left;
    for (const auto& [shade, legend] : {std::pair{PlanLengthwiseColour, &texts.LengthwiseLegend},
                                        std::pair{PlanTurnedColour, &texts.TurnedLegend}}) {
        canvas.SetBrushColour(shade);
        pen.Rect({Round(x), Round(row), Round(swatch), Round(pen.Font())}, ShapeKind::Plain);
        pen.Text(x + swatch + pen.Font(0.4), row, *legend, pen.Font(), TextAnchor::TopLeft);
        x += swatch + pen.Font(0.4) + static_cast<double>(TextWidthMm(*legend, pen.Font())) +
             pen.Font(1.5);
    }
    for (std::size_t i = 0; i < texts.Caption.size(); ++i)
        pen.Text(left, row + pen.Font(LegendRow + CaptionRow * static_cast<double>(i)),
                 texts.Caption[i], pen.Font(), TextAnchor::TopLeft);
}
