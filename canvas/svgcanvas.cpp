#include "canvas/svgcanvas.h"

#include "canvas/picturefont.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

std::string HexColour(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return text;
}

// The length of the well-formed UTF-8 sequence at text[i], or 0 when it is malformed (bad lead
// byte, missing continuation, overlong form, surrogate or beyond U+10FFFF).
std::size_t Utf8SequenceLength(const std::string& text, std::size_t i, unsigned& codePoint) {
    const auto byte = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(i);
    std::size_t length;
    unsigned minimum;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

bool AllowedInXml(unsigned codePoint) {
    return codePoint == 0x9 || codePoint == 0xA || codePoint == 0xD ||
           (codePoint >= 0x20 && codePoint != 0xFFFE && codePoint != 0xFFFF);
}

} // namespace

std::string XmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        unsigned codePoint = 0;
        const std::size_t length = Utf8SequenceLength(text, i, codePoint);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        switch (codePoint) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (AllowedInXml(codePoint))
                out.append(text, i, length);
        }
        i += length;
    }
    return out;
}

SvgCanvas::SvgCanvas(int width, int height, bool visibleOnly) : SvgCanvas(0, 0, width, height) {
    visibleOnly_ = visibleOnly;
}

SvgCanvas::SvgCanvas(int left, int top, int width, int height)
    : left_(left), top_(top), width_(width), height_(height) {
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("picture size must be positive");
}

void SvgCanvas::OpenPolygonGroup() {
    if (groupPenWidth_ == PenWidth())
        return;
    ClosePolygonGroup();
    // A width of 0 draws the thinnest line there is, one pixel, as on the raster picture.
    const int strokeWidth = PenWidth() < 1 ? 1 : PenWidth();
    body_ += "<g transform=\"translate(0.5 0.5)\" stroke-width=\"" + std::to_string(strokeWidth) +
             "\">\n";
    groupPenWidth_ = PenWidth();
}

void SvgCanvas::ClosePolygonGroup() {
    if (groupPenWidth_ < 0)
        return;
    body_ += "</g>\n";
    groupPenWidth_ = -1;
}

void SvgCanvas::FillRect(int left, int top, int right, int bottom) {
    if (left >= right || top >= bottom)
        return;
    ClosePolygonGroup();
    const long long width = static_cast<long long>(right) - left;
    const long long height = static_cast<long long>(bottom) - top;
    body_ += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
             std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"" +
             HexColour(BrushColour()) + "\"/>\n";
}

void SvgCanvas::Polygon(const Quad& points) {
    OpenPolygonGroup();
    body_ += "<polygon points=\"";
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            body_ += ' ';
        body_ += std::to_string(points[i].X) + "," + std::to_string(points[i].Y);
    }
    body_ += "\" fill=\"" + HexColour(BrushColour()) + "\" stroke=\"" + HexColour(PenColour()) +
             "\"/>\n";
}

std::string SvgCanvas::BackgroundFilter() {
    // SVG has no text background of its own; a filter floods the text's box with the brush
    // colour and lays the glyphs over it. One filter per colour.
    const std::string colour = HexColour(BrushColour());
    const std::string filterId = "background" + colour.substr(1);
    if (backgroundFilters_.insert(BrushColour() & 0xFFFFFF).second) {
        body_ += "<filter id=\"" + filterId +
                 "\" x=\"0\" y=\"0\" width=\"1\" height=\"1\"><feFlood flood-color=\"" + colour +
                 "\"/><feComposite in=\"SourceGraphic\"/></filter>\n";
    }
    return filterId;
}

void SvgCanvas::TextOut(int x, int y, const std::string& text) {
    ClosePolygonGroup();
    const std::string filterId = BackgroundFilter();
    body_ += "<text x=\"" + std::to_string(x) + "\" y=\"" +
             std::to_string(static_cast<long long>(y) + PictureFontAscent) + "\" filter=\"url(#" +
             filterId + ")\" xml:space=\"preserve\">" + XmlEscape(text) + "</text>\n";
}

void SvgCanvas::Rectangle(int left, int top, int right, int bottom, ShapeKind kind) {
    ClosePolygonGroup();
    const long long width = static_cast<long long>(right) - left;
    const long long height = static_cast<long long>(bottom) - top;
    body_ += std::string("<rect") + (kind == ShapeKind::Bundle ? " class=\"bundle\"" : "") +
             " x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
             std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"" +
             HexColour(BrushColour()) + "\" stroke=\"" + HexColour(PenColour()) +
             "\" stroke-width=\"" + std::to_string(std::max(1, PenWidth())) + "\"/>\n";
}

void SvgCanvas::Line(PixelPoint from, PixelPoint to, bool dashed) {
    ClosePolygonGroup();
    const int width = std::max(1, PenWidth());
    body_ += "<line x1=\"" + std::to_string(from.X) + "\" y1=\"" + std::to_string(from.Y) +
             "\" x2=\"" + std::to_string(to.X) + "\" y2=\"" + std::to_string(to.Y) +
             "\" stroke=\"" + HexColour(PenColour()) + "\" stroke-width=\"" +
             std::to_string(width) + "\"" +
             (dashed ? " stroke-dasharray=\"" + std::to_string(4 * width) + "," +
                           std::to_string(3 * width) + "\""
                     : std::string()) +
             "/>\n";
}

void SvgCanvas::Label(int x, int y, const std::string& text, const LabelStyle& style) {
    ClosePolygonGroup();
    const bool centred = style.Turned || style.Anchor == TextAnchor::Centre;
    const std::string at = std::to_string(x) + " " + std::to_string(y);
    std::string element = "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                          "\" font-size=\"" + std::to_string(style.Height) + "\"";
    element += centred ? " text-anchor=\"middle\" dominant-baseline=\"central\""
                       : " dominant-baseline=\"text-before-edge\"";
    if (style.Turned)
        element += " transform=\"rotate(-90 " + at + ")\"";
    if (style.Opaque)
        element += " filter=\"url(#" + BackgroundFilter() + ")\"";
    body_ += element + " xml:space=\"preserve\">" + XmlEscape(text) + "</text>\n";
}

std::string SvgCanvas::Document() const {
    const std::string width = std::to_string(width_), height = std::to_string(height_);
    const std::string left = std::to_string(left_), top = std::to_string(top_);
    std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                           width + "\" height=\"" + height + "\" viewBox=\"" + left + " " + top +
                           " " + width + " " + height +
                           "\" shape-rendering=\"crispEdges\" font-family=\"" +
                           std::string(PictureFontFamily) + ", sans-serif\" font-size=\"" +
                           std::to_string(PictureFontPixelSize) + "px\">\n";
    document += "<rect x=\"" + left + "\" y=\"" + top + "\" width=\"" + width + "\" height=\"" +
                height + "\" fill=\"#ffffff\"/>\n";
    document += body_;
    if (groupPenWidth_ >= 0)
        document += "</g>\n";
    document += "</svg>\n";
    return document;
}
