#pragma once

#include "render/canvas.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

// A canvas that paints nothing and remembers every state change and drawing operation in order,
// so a test can compare the exact sequence a routine produced.
struct CanvasOp {
    enum class Kind {
        PenColour,
        PenWidth,
        BrushColour,
        BrushSolid,
        FillRect,
        Polygon,
        Text,
        Rectangle,
        Line,
        Label
    };
    Kind kind = Kind::PenColour;
    Colour colour = 0; // PenColour, BrushColour; the brush a Rectangle is filled with
    int value = 0;     // PenWidth
    Quad points{};     // Polygon
    int rect[4] = {};  // FillRect: left, top, right, bottom; Text: x, y in the first two
    std::string text;  // Text, Label
    // Rectangle: the corners in rect and the kind; Line: the ends in rect, dashed in value;
    // Label: the point in rect, the style here.
    ShapeKind shape = ShapeKind::Plain;
    LabelStyle style;

    static CanvasOp Of(Kind kind) {
        CanvasOp op;
        op.kind = kind;
        return op;
    }
    static CanvasOp Pen(Colour c) {
        CanvasOp op = Of(Kind::PenColour);
        op.colour = c;
        return op;
    }
    static CanvasOp Brush(Colour c) {
        CanvasOp op = Of(Kind::BrushColour);
        op.colour = c;
        return op;
    }
    static CanvasOp Width(int w) {
        CanvasOp op = Of(Kind::PenWidth);
        op.value = w;
        return op;
    }
    static CanvasOp Solid() { return Of(Kind::BrushSolid); }
    static CanvasOp Poly(const Quad& q) {
        CanvasOp op = Of(Kind::Polygon);
        op.points = q;
        return op;
    }
    static CanvasOp Fill(int left, int top, int right, int bottom) {
        CanvasOp op = Of(Kind::FillRect);
        op.rect[0] = left, op.rect[1] = top, op.rect[2] = right, op.rect[3] = bottom;
        return op;
    }
    static CanvasOp Text(int x, int y, std::string text) {
        CanvasOp op = Of(Kind::Text);
        op.rect[0] = x, op.rect[1] = y;
        op.text = std::move(text);
        return op;
    }

    friend bool operator==(const CanvasOp& a, const CanvasOp& b) {
        if (a.kind != b.kind)
            return false;
        switch (a.kind) {
        case Kind::PenColour:
        case Kind::BrushColour:
            return a.colour == b.colour;
        case Kind::PenWidth:
            return a.value == b.value;
        case Kind::BrushSolid:
            return true;
        case Kind::FillRect:
            return std::equal(a.rect, a.rect + 4, b.rect);
        case Kind::Polygon:
            return a.points == b.points;
        case Kind::Text:
            return a.rect[0] == b.rect[0] && a.rect[1] == b.rect[1] && a.text == b.text;
        case Kind::Rectangle:
            return std::equal(a.rect, a.rect + 4, b.rect) && a.shape == b.shape;
        case Kind::Line:
            return std::equal(a.rect, a.rect + 4, b.rect) && a.value == b.value;
        case Kind::Label:
            return a.rect[0] == b.rect[0] && a.rect[1] == b.rect[1] && a.text == b.text &&
                   a.style.Height == b.style.Height && a.style.Anchor == b.style.Anchor &&
                   a.style.Turned == b.style.Turned && a.style.Opaque == b.style.Opaque;
        }
        return false;
    }

    // Readable failure messages in gtest.
    friend void PrintTo(const CanvasOp& op, std::ostream* os) {
        const auto rgb = [os](Colour c) {
            *os << "(" << RedOf(c) << "," << GreenOf(c) << "," << BlueOf(c) << ")";
            if (c >> 24)
                *os << "+high " << (c >> 24);
        };
        switch (op.kind) {
        case Kind::PenColour:
            *os << "pen ";
            rgb(op.colour);
            break;
        case Kind::BrushColour:
            *os << "brush ";
            rgb(op.colour);
            break;
        case Kind::PenWidth:
            *os << "pen width " << op.value;
            break;
        case Kind::BrushSolid:
            *os << "brush solid";
            break;
        case Kind::FillRect:
            *os << "fill " << op.rect[0] << "," << op.rect[1] << " " << op.rect[2] << ","
                << op.rect[3];
            break;
        case Kind::Polygon:
            *os << "polygon";
            for (const PixelPoint& p : op.points)
                *os << " (" << p.X << "," << p.Y << ")";
            break;
        case Kind::Text:
            *os << "text " << op.rect[0] << "," << op.rect[1] << " \"" << op.text << "\"";
            break;
        case Kind::Rectangle:
            *os << (op.shape == ShapeKind::Bundle ? "bundle " : "rectangle ") << op.rect[0] << ","
                << op.rect[1] << " " << op.rect[2] << "," << op.rect[3];
            break;
        case Kind::Line:
            *os << (op.value ? "dashed line " : "line ") << op.rect[0] << "," << op.rect[1] << " "
                << op.rect[2] << "," << op.rect[3];
            break;
        case Kind::Label:
            *os << "label " << op.rect[0] << "," << op.rect[1] << " \"" << op.text << "\" "
                << op.style.Height;
            break;
        }
    }
};

// An operation list: it gets every polygon of every box unless told to record a picture's.
class RecordingCanvas : public Canvas {
  public:
    std::vector<CanvasOp> ops;

    explicit RecordingCanvas(Colour pen = clBlack, bool everyPolygon = true)
        : pen_(pen), everyPolygon_(everyPolygon) {}

    bool KeepsEveryPolygon() const override { return everyPolygon_; }

    Colour PenColour() const override { return pen_; }
    void SetPenColour(Colour colour) override {
        pen_ = colour;
        ops.push_back(CanvasOp::Pen(colour));
    }
    int PenWidth() const override { return width_; }
    void SetPenWidth(int width) override {
        width_ = width;
        ops.push_back(CanvasOp::Width(width));
    }
    Colour BrushColour() const override { return brush_; }
    void SetBrushColour(Colour colour) override {
        brush_ = colour;
        ops.push_back(CanvasOp::Brush(colour));
    }
    void SetBrushSolid() override { ops.push_back(CanvasOp::Solid()); }
    void FillRect(int left, int top, int right, int bottom) override {
        ops.push_back(CanvasOp::Fill(left, top, right, bottom));
    }
    void Polygon(const Quad& points) override { ops.push_back(CanvasOp::Poly(points)); }
    void TextOut(int x, int y, const std::string& text) override {
        ops.push_back(CanvasOp::Text(x, y, text));
    }
    void Rectangle(int left, int top, int right, int bottom, ShapeKind kind) override {
        CanvasOp op = CanvasOp::Of(CanvasOp::Kind::Rectangle);
        op.rect[0] = left, op.rect[1] = top, op.rect[2] = right, op.rect[3] = bottom;
        op.shape = kind;
        op.colour = brush_;
        ops.push_back(op);
    }
    void Line(PixelPoint from, PixelPoint to, bool dashed) override {
        CanvasOp op = CanvasOp::Of(CanvasOp::Kind::Line);
        op.rect[0] = from.X, op.rect[1] = from.Y, op.rect[2] = to.X, op.rect[3] = to.Y;
        op.value = dashed;
        ops.push_back(op);
    }
    void Label(int x, int y, const std::string& text, const LabelStyle& style) override {
        CanvasOp op = CanvasOp::Text(x, y, text);
        op.kind = CanvasOp::Kind::Label;
        op.style = style;
        ops.push_back(op);
    }

    // Only the polygons, in drawing order.
    std::vector<Quad> Polygons() const {
        std::vector<Quad> result;
        for (const CanvasOp& op : ops)
            if (op.kind == CanvasOp::Kind::Polygon)
                result.push_back(op.points);
        return result;
    }

  private:
    Colour pen_;
    bool everyPolygon_;
    Colour brush_ = clWhite;
    int width_ = 1;
};
