#pragma once

#include "render/canvas.h"

#include <QImage>

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// The pixels of a run of polygons, painted once and copied wherever the same run comes again.
//
// An aliased QPainter paints a polygon with whole-pixel corners the same way wherever it stands,
// as long as no edge of the picture cuts it: the scan conversion and the outline work in fixed
// point from the corners, each polygon starts afresh, and moving every corner by whole pixels
// moves every pixel painted by as much. A load repeats the same few box shapes thousands of times,
// so copying the pixels a run painted the first time costs a few row copies instead of a trip
// through the painter for every face. Tests hold the copies to the painter's own pixels.
class PolygonStamps {
  public:
    // Paints the run (at most three polygons, a pen at most one pixel wide) onto `image`, a
    // Format_RGB32 picture with no painter transform, clip or antialiasing, and returns true; or
    // returns false and leaves the image alone when the run is to be painted the ordinary way: the
    // first time it is seen, near the edge of the image, or too large to be worth keeping.
    bool Paint(QImage& image, Colour pen, int penWidth, const FilledQuad* run, int count);

    // A run is kept when it fits this many pixels each way.
    static constexpr int MaxSide = 64;
    // Every kept run is forgotten at once beyond these, so a stream of shapes that never come
    // again cannot grow the memory without end.
    static constexpr std::size_t MaxRunsKnown = 1 << 16;
    static constexpr std::size_t MaxPixelsKept = 1 << 20;

  private:
    // A run with its corners counted from its top-left corner.
    struct Key {
        std::array<std::int16_t, 24> corners{};
        std::array<Colour, 3> brushes{};
        Colour pen = 0;
        std::uint8_t count = 0, penWidth = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    // One row of touched pixels, from the run's top-left corner.
    struct Span {
        std::int16_t dx, dy, length;
        std::uint32_t first; // into pixels_
    };
    struct Stamp {
        std::uint32_t firstSpan = 0, spanCount = 0;
        // The pixels painted, from the run's top-left corner.
        int left = 0, top = 0, right = -1, bottom = -1;
    };
    struct Entry {
        bool stamped = false;
        Stamp stamp;
    };

    Stamp MakeStamp(const Key& key);
    void Forget();

    std::unordered_map<Key, Entry, KeyHash> runs_;
    std::vector<Span> spans_;
    std::vector<std::uint32_t> pixels_;
    QImage scratch_;
};
