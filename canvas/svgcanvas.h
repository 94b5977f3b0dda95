#pragma once

#include "render/canvas.h"

#include <set>
#include <string>

// The picture as a standalone SVG document: every operation becomes one element, in drawing
// order, so later shapes cover earlier ones exactly as on the pixel canvas. Polygons keep the
// integer pixel points they were given. By default the document is the full operation list,
// every polygon of every box; a visible-only document gets the polygons a picture gets. No Qt
// here: the document is plain text.
class SvgCanvas : public StatefulCanvas {
  public:
    // A white picture of the given size; throws std::invalid_argument for a size that is not
    // positive.
    SvgCanvas(int width, int height, bool visibleOnly = false);
    // A picture whose top-left corner is (left, top) in its own units rather than 0, 0; the plan
    // keeps the pallet's corner at the origin this way.
    SvgCanvas(int left, int top, int width, int height);

    bool KeepsEveryPolygon() const override { return !visibleOnly_; }

    // The whole document as drawn so far.
    std::string Document() const;

    void FillRect(int left, int top, int right, int bottom) override;
    void Polygon(const Quad& points) override;
    void TextOut(int x, int y, const std::string& text) override;
    // A bundle becomes <rect class="bundle" x= y= width= height=/> in the picture's units.
    void Rectangle(int left, int top, int right, int bottom, ShapeKind kind) override;
    void Line(PixelPoint from, PixelPoint to, bool dashed) override;
    void Label(int x, int y, const std::string& text, const LabelStyle& style) override;

  private:
    // The filter that lays the text of TextOut on the brush colour, written where first needed.
    std::string BackgroundFilter();

    // Polygons sit in groups that shift them half a pixel, so a 1-pixel outline through integer
    // points covers whole pixels as on the raster picture; a group lasts while the pen width
    // does.
    void OpenPolygonGroup();
    void ClosePolygonGroup();

    int left_ = 0;
    int top_ = 0;
    int width_;
    int height_;
    bool visibleOnly_ = false;
    std::string body_;
    int groupPenWidth_ = -1;             // the stroke width of the open group, -1 when none is open
    std::set<Colour> backgroundFilters_; // colours that already have a text-background filter
};

// Text made safe for XML character data and attribute values: markup characters escaped,
// characters XML cannot carry dropped, malformed UTF-8 replaced by U+FFFD.
std::string XmlEscape(const std::string& text);
