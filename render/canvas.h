#pragma once

#include <array>
#include <cstdint>
#include <string>

// A colour as the pictures and the settings file hold it: red in bits 0-7, green in 8-15,
// blue in 16-23 (0x00BBGGRR). Bits above 23 may be set on a pen colour; only the low three
// bytes are ever painted.
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
           (static_cast<Colour>(blue & 0xFF) << 16);
}
constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr Colour clBlack = MakeColour(0, 0, 0);
constexpr Colour clWhite = MakeColour(255, 255, 255);
constexpr Colour clSilver = MakeColour(192, 192, 192);

struct PixelPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

using Quad = std::array<PixelPoint, 4>;

// A polygon and the brush it is filled with; the pen is the one the canvas holds.
struct FilledQuad {
    Quad Points;
    Colour Brush = clWhite;
};

// What a rectangle stands for, for a surface that writes a document other programs read (the SVG
// plan marks its bundles); a surface that only paints draws every kind alike.
enum class ShapeKind { Plain, Bundle };

// How a label sits on its point: its top-left corner there, or its middle (turned labels are
// always centred).
enum class TextAnchor { TopLeft, Centre };

struct LabelStyle {
    int Height = 11; // pixels from the top of the tallest letter to the bottom of the lowest
    TextAnchor Anchor = TextAnchor::TopLeft;
    bool Turned = false; // read from bottom to top, along a vertical line
    bool Opaque = false; // on a background of the brush colour, else over what is there
};

// The narrow drawing surface the engine paints through. Everything the load picture needs and
// nothing more, so that a window, a PNG file, an SVG document and a test recorder can all stand
// behind it and receive the same sequence of operations.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual Colour PenColour() const = 0;
    virtual void SetPenColour(Colour colour) = 0;
    virtual int PenWidth() const = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual Colour BrushColour() const = 0;
    virtual void SetBrushColour(Colour colour) = 0;
    virtual void SetBrushSolid() = 0;

    // Fills with the brush; the right and bottom edges are not painted.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    // Filled with the brush and outlined with the pen, closed from the last point to the first.
    virtual void Polygon(const Quad& points) = 0;
    // UTF-8 text with its top-left corner at (x, y), on an opaque background of the brush colour.
    virtual void TextOut(int x, int y, const std::string& text) = 0;

    // The polygons one after another, each filled with its own brush and outlined with the pen:
    // the same as setting each brush and painting each Polygon, and the brush is left at the last
    // one's. A box's faces come as one run, so a pixel surface can paint the run's pixels at once.
    virtual void PolygonRun(const FilledQuad* polygons, int count) {
        for (int i = 0; i < count; ++i) {
            SetBrushColour(polygons[i].Brush);
            Polygon(polygons[i].Points);
        }
    }

    // The plan drawings' shapes. Each falls back on the primitives above, so a surface made for
    // the load picture alone still shows a plan; the real surfaces draw them properly.

    // Filled with the brush and outlined with the pen, as Polygon with the four corners.
    virtual void Rectangle(int left, int top, int right, int bottom, ShapeKind kind) {
        (void)kind;
        Polygon({PixelPoint{left, top}, PixelPoint{right, top}, PixelPoint{right, bottom},
                 PixelPoint{left, bottom}});
    }
    // A straight line in the pen's colour and width, dashed or solid.
    virtual void Line(PixelPoint from, PixelPoint to, bool dashed) {
        (void)dashed;
        Polygon({from, to, to, from});
    }
    // UTF-8 text in black at the given size.
    virtual void Label(int x, int y, const std::string& text, const LabelStyle& style) {
        (void)style;
        TextOut(x, y, text);
    }

    // A picture gets only the polygons that can be seen in it (the same pixels, fewer polygons);
    // an operation list that other programs compare against gets every polygon of every box.
    virtual bool KeepsEveryPolygon() const { return false; }
};

// The pen and brush state every real drawing surface keeps the same way: a 1-pixel black pen
// and a solid white brush to start with. Surfaces read it when they paint.
class StatefulCanvas : public Canvas {
  public:
    Colour PenColour() const override { return pen; }
    void SetPenColour(Colour colour) override { pen = colour; }
    int PenWidth() const override { return penWidth; }
    void SetPenWidth(int width) override { penWidth = width; }
    Colour BrushColour() const override { return brush; }
    void SetBrushColour(Colour colour) override { brush = colour; }
    void SetBrushSolid() override {} // the only brush style there is

  private:
    Colour pen = clBlack;
    int penWidth = 1;
    Colour brush = clWhite;
};
